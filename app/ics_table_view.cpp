#include "app/ics_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/scenario_session.h"
#include "app/table_clipboard.h"
#include "app/text_table_view.h"
#include "output/table_export.h"
#include "scenario/calendar.h"
#include "scenario/typed_text.h"

namespace ormix::app {

IcsTableView::IcsTableView(ScenarioSession& session, AppContext& context, QWidget* parent)
    : ScenarioView(session, WindowKind::IcsTable, parent),
      context_(context),
      period_(InitialIcsPeriod(session.Doc().SpillTime)) {
    auto* bar = new QHBoxLayout;
    auto* beginning = new QLabel(QStringLiteral("Operational Period &Beginning"), this);
    month_ = new QComboBox(this);
    const QLocale c(QLocale::English);
    for (int m = 1; m <= 12; ++m)
        month_->addItem(c.monthName(m));
    day_ = new QSpinBox(this);
    day_->setRange(1, 31);
    hour_ = new QSpinBox(this);
    hour_->setRange(0, 23);
    hour_->setSuffix(QStringLiteral(":00"));
    beginning->setBuddy(month_);
    auto* durationLabel = new QLabel(QStringLiteral("&Duration"), this);
    duration_ = new QLineEdit(this);
    duration_->setMaximumWidth(60);
    duration_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,9}")), this));
    durationLabel->setBuddy(duration_);
    save_ = new QPushButton(QStringLiteral("&Save..."), this);
    save_->setToolTip(QStringLiteral("Save the table of this period as a tab-separated file"));
    for (QWidget* w : std::initializer_list<QWidget*>{beginning, month_, day_, hour_})
        bar->addWidget(w);
    bar->addSpacing(16);
    bar->addWidget(durationLabel);
    bar->addWidget(duration_);
    bar->addWidget(new QLabel(QStringLiteral("hours"), this));
    bar->addSpacing(16);
    bar->addWidget(save_);
    bar->addStretch();

    text_ = new TextTableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(text_, 1);
    setFocusProxy(text_);

    month_->setCurrentIndex(period_.month - 1);
    day_->setValue(period_.day);
    hour_->setValue(period_.hour);
    duration_->setText(QString::number(period_.duration));

    connect(month_, &QComboBox::currentIndexChanged, this, [this](int i) {
        period_.month = i + 1;
        Refresh();
    });
    connect(day_, &QSpinBox::valueChanged, this, [this](int d) {
        period_.day = d;
        Refresh();
    });
    connect(hour_, &QSpinBox::valueChanged, this, [this](int h) {
        period_.hour = h;
        Refresh();
    });
    connect(duration_, &QLineEdit::editingFinished, this, &IcsTableView::DurationTyped);
    connect(save_, &QPushButton::clicked, this, &IcsTableView::SaveTable);
    Refresh();
}

void IcsTableView::DurationTyped() {
    // Kept within the hours an operational period can last, and written
    // back as the whole number used.
    period_.duration = ClampIcsDuration(TextToInt(duration_->text().toStdString()));
    duration_->setText(QString::number(period_.duration));
    Refresh();
}

void IcsTableView::Refresh() {
    table_ = BuildIcsTable(Session().Doc(), period_);
    text_->SetText(QString::fromStdString(table_.text));
    save_->setEnabled(table_.hasResults);
}

bool IcsTableView::SaveTable() {
    if (!table_.hasResults) return false;
    QString path = context_.prompts.ChooseSaveFile(
        this, QString::fromLatin1(kIcsSaveTitle),
        QStringLiteral("ICS Table Files (*.ics);;Text Files (*.txt);;All Files (*)"),
        QString::fromLatin1(kIcsDefaultName));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QLatin1String(kIcsDefaultExtension);
    PromptSink sink(context_.prompts, this);
    return WriteIcsExport(path.toStdString(), table_, sink);
}

bool IcsTableView::CopyToClipboard() {
    QApplication::clipboard()->setText(TableAsTabSeparated(text_->Text()));
    return true;
}

std::vector<PrintedPage> IcsTableView::PrintedPages() const {
    PrintedPage page;
    page.title = QString::fromLatin1(kIcsTablePrintTitle);
    page.lines = PageLines();
    const std::time_t begins = IcsPeriodBeginning(Session().Doc().SpillTime, period_);
    page.lines << QString::fromStdString(
                      FormatTime(begins, "Operational period beginning %B %d, %H%M hours")) +
                      QStringLiteral(", %1 hours").arg(period_.duration);
    page.table = text_->Text();
    return {page};
}

QString IcsTableView::ExportTitle() const {
    return QStringLiteral("Export ICS Table");
}

QString IcsTableView::ExportFilter() const {
    return QString::fromLatin1(kTableExportFilter);
}

QString IcsTableView::ExportName() const {
    return ExportBaseName() + QStringLiteral(".txt");
}

bool IcsTableView::ExportTo(const QString& path, QString& error) {
    const QString cells = TableAsTabSeparated(text_->Text());
    return WriteTableText(path,
                          path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
                              ? TabSeparatedAsCsv(cells)
                              : cells,
                          error);
}

}  // namespace ormix::app
