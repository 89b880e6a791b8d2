#include "app/oil_library_sheet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/dialog_support.h"
#include "app/oil_list_view.h"
#include "app/oil_property_view.h"
#include "oil/custom_oil.h"

namespace ormix::app {

OilLibrarySheet::OilLibrarySheet(CSpillDoc& doc, OilLibrary& library, AppContext& context,
                                 Purpose purpose, QWidget* parent)
    : QDialog(parent), doc_(doc), library_(library), context_(context), purpose_(purpose) {
    setWindowTitle(purpose == Purpose::ChooseForScenario ? tr("Standard Oils")
                                                         : tr("Copy an Oil of the Oil Library"));
    heading = new QLabel(tr("ORMIX OIL LIBRARY"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    heading->setFont(big);
    name = new QLabel;
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* version = new QLabel(Q("library version " + library.Version() + ", " + library.Date()));
    temperatureUnit = ChoiceBox({"deg C", "deg F"}, 0);

    oils = new OilListView;
    tabs = new QTabWidget;
    tabs->addTab(oils, tr("Oil &List"));
    // The property pages' titles come with the display of the first oil.
    const OilPropertyDisplay empty = BuildOilPropertyDisplay(library, TemperatureUnit::Celsius);
    for (const PropertyPage& page : empty.pages) {
        auto* view = new OilPropertyView;
        pages.push_back(view);
        tabs->addTab(view, Q(page.title));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Help);
    done = buttons->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
    done->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { context_.help.ShowTopic(QStringLiteral("OilInfo.html")); });

    auto* top = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->addWidget(heading);
    titles->addWidget(Row({new QLabel(tr("Name:")), name}));
    top->addLayout(titles, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(version, 0, Qt::AlignRight);
    auto* unitRow = new QHBoxLayout;
    unitRow->addStretch();
    unitRow->addWidget(BuddyLabel(tr("&Temperatures in:"), temperatureUnit));
    unitRow->addWidget(temperatureUnit);
    right->addLayout(unitRow);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);

    connect(oils, &OilListView::Chosen, this, &OilLibrarySheet::ShowOil);
    connect(oils, &OilListView::Activated, this, &OilLibrarySheet::accept);
    connect(temperatureUnit, &QComboBox::currentIndexChanged, this,
            [this] { ShowOil(oils->SelectedPosition()); });
    oils->Fill(library);
    // The scenario's oil is highlighted again when it came from this list.
    const bool fromHere =
        purpose == Purpose::ChooseForScenario && doc.m_bOilInputPassed && !doc.oilFromCustom;
    oils->Select(fromHere ? doc.oilPosition : -1);
    resize(760, 560);
}

void OilLibrarySheet::ShowOil(long position) {
    if (position < 0 || library_.ReadRecordAt(position) != 0) {
        name->clear();
        for (OilPropertyView* v : pages)
            v->Show(PropertyPage{});
        return;
    }
    const TemperatureUnit unit = temperatureUnit->currentIndex() == 1 ? TemperatureUnit::Fahrenheit
                                                                      : TemperatureUnit::Celsius;
    OilPropertyDisplay d = BuildOilPropertyDisplay(library_, unit);
    const OilSummary* s = library_.SummaryAt(position);
    name->setText(s ? Q(s->fullName) : QString());
    for (size_t i = 0; i < pages.size() && i < d.pages.size(); ++i)
        pages[i]->Show(d.pages[i]);
}

void OilLibrarySheet::accept() {
    const long position = oils->SelectedPosition();
    if (purpose_ == Purpose::PickToCopy) {
        picked_ = position;
        QDialog::accept();
        return;
    }
    if (position < 0) {
        context_.prompts.Tell(this, MessageKind::Error, Q(kSelectAnOilMessage));
        return;
    }
    if (ShowResult(doc_.SelectLibraryOil(position), context_.prompts, this)) QDialog::accept();
}

}  // namespace ormix::app
