#include "app/custom_oil_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <ctime>

#include "app/custom_oil_sheet.h"
#include "app/dialog_support.h"
#include "app/oil_library_sheet.h"
#include "app/oil_list_view.h"
#include "oil/oil_fields.h"
#include "oil/oil_selection.h"

namespace ormix::app {

NewCustomOilDialog::NewCustomOilDialog(AppContext& context, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("New Custom Oil"));
    copyOfLibraryOil = new QRadioButton(tr("A copy of an oil of the &oil library"));
    blank = new QRadioButton(tr("A &blank oil: I will enter all its properties"));
    copyOfCustomOil = new QRadioButton(tr("A copy of the &custom oil selected in the list"));
    copyOfLibraryOil->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                         QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [&context] { context.help.ShowTopic(QStringLiteral("oil.html#Adding")); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Start the new custom oil as:")));
    layout->addWidget(copyOfLibraryOil);
    layout->addWidget(blank);
    layout->addWidget(copyOfCustomOil);
    layout->addWidget(buttons);
}

NewCustomOil NewCustomOilDialog::Way() const {
    if (blank->isChecked()) return NewCustomOil::Blank;
    if (copyOfCustomOil->isChecked()) return NewCustomOil::CopyOfCustomOil;
    return NewCustomOil::CopyOfLibraryOil;
}

CustomOilDialog::CustomOilDialog(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : QDialog(parent), doc_(doc), context_(context) {
    setWindowTitle(tr("Custom Oils"));
    oils = new OilListView;
    newOil = new QPushButton(tr("&New..."));
    edit = new QPushButton(tr("&Edit..."));
    remove = new QPushButton(tr("&Remove"));
    choose = new QPushButton(tr("C&hoose"));
    choose->setDefault(true);
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {choose, newOil, edit, remove})
        side->addWidget(b);
    side->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { context_.help.ShowTopic(QStringLiteral("OilInfo.html")); });
    auto* title = new QLabel(tr("Your own oils, kept in the Custom Oil Library"));
    auto* middle = new QHBoxLayout;
    middle->addWidget(oils, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(middle, 1);
    layout->addWidget(buttons);

    connect(newOil, &QPushButton::clicked, this, &CustomOilDialog::New);
    connect(edit, &QPushButton::clicked, this, &CustomOilDialog::Edit);
    connect(remove, &QPushButton::clicked, this, &CustomOilDialog::Remove);
    connect(choose, &QPushButton::clicked, this, &CustomOilDialog::Choose);
    connect(oils, &OilListView::Activated, this, &CustomOilDialog::Choose);

    doc_.CustomLib().Load();  // a missing library is an empty list
    oils->Fill(doc_.CustomLib());
    oils->Select(doc.m_bOilInputPassed && doc.oilFromCustom ? doc.oilPosition : -1);
    resize(780, 440);
}

std::string CustomOilDialog::SelectedId() const {
    const OilSummary* s = doc_.CustomLib().SummaryAt(oils->SelectedPosition());
    return s ? s->oilId : std::string();
}

void CustomOilDialog::Refresh(const std::string& keepId) {
    doc_.CustomLib().Load();
    oils->Fill(doc_.CustomLib());
    long position = -1;
    for (const OilSummary& s : doc_.CustomLib().Summaries())
        if (!keepId.empty() && s.oilId == keepId) position = s.position;
    oils->Select(position);
}

void CustomOilDialog::New() {
    auto* ask = new NewCustomOilDialog(context_, this);
    OpenSubDialog(ask, [this, ask] { StartNew(ask->Way()); });
}

void CustomOilDialog::StartNew(NewCustomOil way) {
    OilLibrary& custom = doc_.CustomLib();
    OilLibrary& library = doc_.OilLib();
    auto start = [this, way, &custom, &library](long position) {
        std::vector<const OilLibrary*> known = {&custom};
        if (library.HasSummaries()) known.push_back(&library);
        std::string id =
            MakeUniqueCustomOilId(doc_.CustomOilIds(), known, std::time(nullptr), std::clock());
        PromptSink sink(context_.prompts, this);
        if (StartNewCustomOil(custom, way, &library, position, id, sink)) OpenSheet(-1);
    };
    if (way == NewCustomOil::Blank) return start(-1);
    if (way == NewCustomOil::CopyOfCustomOil) return start(oils->SelectedPosition());
    int status = library.Load();
    if (status != 0) {
        context_.prompts.Tell(this, MessageKind::Information, Q(OilLibraryLoadMessage(status)));
        return;
    }
    auto* pick =
        new OilLibrarySheet(doc_, library, context_, OilLibrarySheet::Purpose::PickToCopy, this);
    OpenSubDialog(pick, [pick, start] { start(pick->Picked()); });
}

void CustomOilDialog::OpenSheet(long editPosition) {
    const std::string keep = SelectedId();
    auto* sheet =
        new CustomOilSheet(doc_.CustomLib(), editPosition, context_, this, &doc_.CustomOilIds());
    // After a save the list is rebuilt; the saved oil is selected.
    const std::string id(doc_.CustomLib().FieldText(oilfield::kOilId));
    OpenSubDialog(sheet, [this, id, keep] { Refresh(id.empty() ? keep : id); });
}

void CustomOilDialog::Edit() {
    const long position = oils->SelectedPosition();
    PromptSink sink(context_.prompts, this);
    if (StartEditCustomOil(doc_.CustomLib(), position, sink)) OpenSheet(position);
}

void CustomOilDialog::Remove() {
    const long position = oils->SelectedPosition();
    PromptSink sink(context_.prompts, this);
    if (position >= 0) {
        const OilSummary* s = doc_.CustomLib().SummaryAt(position);
        QString question = tr("Remove the custom oil \"%1\" from the Custom Oil Library?")
                               .arg(s ? Q(s->fullName) : QString());
        if (!context_.prompts.Confirm(this, question)) return;
    }
    if (RemoveCustomOil(doc_.CustomLib(), position, sink)) Refresh({});
}

void CustomOilDialog::Choose() {
    const long position = oils->SelectedPosition();
    if (!ShowResult(doc_.SelectCustomOil(position), context_.prompts, this)) return;
    chose_ = true;
    accept();
}

}  // namespace ormix::app
