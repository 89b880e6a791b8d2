#include "app/response_sheets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/burn_rate_dialog.h"
#include "app/day_hour_entry.h"
#include "app/smoke_plume_dialog.h"
#include "scenario/burn_plume.h"

namespace ormix::app {

namespace {

QLabel* Wrapped(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

}  // namespace

OperationSheet::OperationSheet(CSpillDoc& doc, AppContext& context, QWidget* parent,
                               const QString& title, const QString& pageName, const QString& topic)
    : InputDialog(doc, context, parent), topic_(topic), pageName_(pageName) {
    setWindowTitle(title);
    tabs = new QTabWidget;
    for (int s = 0; s < kOperationSlots; ++s) {
        use[static_cast<size_t>(s)] = new QCheckBox(tr("&Include this operation in the scenario"));
        when[static_cast<size_t>(s)] = new DayHourEntry;
    }
}

void OperationSheet::Finish(const std::array<QWidget*, kOperationSlots>& fields,
                            QPushButton* extra) {
    for (int s = 0; s < kOperationSlots; ++s) {
        const size_t i = static_cast<size_t>(s);
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(use[i]);
        auto* form = new QFormLayout;
        form->addRow(BuddyLabel(tr("&Start:"), when[i]), when[i]);
        auto* body = new QWidget;
        auto* bodyLayout = new QVBoxLayout(body);
        bodyLayout->setContentsMargins(0, 0, 0, 0);
        bodyLayout->addLayout(form);
        bodyLayout->addWidget(fields[i]);
        layout->addWidget(body);
        layout->addStretch();
        // A page's fields count only while its operation is in use.
        auto follow = [body, box = use[i]] { body->setEnabled(box->isChecked()); };
        connect(use[i], &QCheckBox::toggled, this, follow);
        follow();
        tabs->addTab(page, QStringLiteral("%1 %2").arg(pageName_).arg(s + 1));
    }
    connect(tabs, &QTabWidget::currentChanged, this, &OperationSheet::PageChanged);
    auto* foot = new QHBoxLayout;
    if (extra) foot->addWidget(extra);
    foot->addWidget(Buttons(topic_), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(foot);
}

bool OperationSheet::ShowOnce(const DialogResult& r) {
    DialogResult fresh = r;
    fresh.messages.clear();
    for (const Message& m : r.messages) {
        // A warning about a page already shown when it was left is not
        // shown again at OK.
        if (r.accepted && m.kind == MessageKind::Warning && !warned_.insert(m.text).second)
            continue;
        fresh.messages.push_back(m);
    }
    return Show(fresh);
}

void OperationSheet::PageChanged(int now) {
    const int left = current_;
    if (now == left) return;
    if (!ShowOnce(CheckPage(left))) {
        // The page stays as typed until it is put right (or taken out of use).
        QSignalBlocker block(tabs);
        tabs->setCurrentIndex(left);
        return;
    }
    current_ = now;
}

bool OperationSheet::Apply() {
    int refused = current_;
    DialogResult r = SheetOK(&refused);
    if (!r.accepted) {
        QSignalBlocker block(tabs);
        tabs->setCurrentIndex(refused);
        current_ = refused;
    }
    return ShowOnce(r);
}

DispersantSheet::DispersantSheet(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : OperationSheet(doc, context, parent, tr("Dispersant Use"), tr("Spray"),
                     QStringLiteral("Dispersants.html")) {
    const DispersantPages pages = DispersantPagesOf(doc);
    std::array<QWidget*, kOperationSlots> fields{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const DispersantPage& p = pages[i];
        use[i]->setChecked(p.use);
        when[i]->SetValue(p.when);
        duration[i] = NumberEdit(Q(p.duration));
        percentSprayed[i] = NumberEdit(Q(p.percentSprayed));
        percentDispersed[i] = NumberEdit(Q(p.percentDispersed));
        auto* w = new QWidget;
        auto* form = new QFormLayout(w);
        form->setContentsMargins(0, 0, 0, 0);
        form->addRow(BuddyLabel(tr("&Duration:"), duration[i]), Row({duration[i]}, tr("hours")));
        form->addRow(BuddyLabel(tr("Of the entire spill area,"), percentSprayed[i]),
                     Row({percentSprayed[i]}, tr("% was sprayed with dispersant.")));
        form->addRow(BuddyLabel(tr("Of this percentage sprayed,"), percentDispersed[i]),
                     Row({percentDispersed[i]}, tr("% was effectively dispersed.")));
        fields[i] = w;
    }
    Finish(fields);
}

DispersantPage DispersantSheet::Page(int slot) const {
    const size_t i = static_cast<size_t>(slot);
    DispersantPage p;
    p.use = use[i]->isChecked();
    p.when = when[i]->Value();
    p.duration = S(duration[i]);
    p.percentSprayed = S(percentSprayed[i]);
    p.percentDispersed = S(percentDispersed[i]);
    return p;
}

DialogResult DispersantSheet::CheckPage(int slot) const {
    return CheckDispersantPage(Doc(), slot, Page(slot));
}

DialogResult DispersantSheet::SheetOK(int* refused) {
    DispersantPages pages;
    for (int s = 0; s < kOperationSlots; ++s)
        pages[static_cast<size_t>(s)] = Page(s);
    return DispersantSheetOK(Doc(), pages, refused);
}

BurnSheet::BurnSheet(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : OperationSheet(doc, context, parent, tr("In-SituBurn"), tr("Burn"),
                     QStringLiteral("in-situ_burning.html")) {
    const BurnPages pages = BurnPagesOf(doc);
    std::array<QWidget*, kOperationSlots> fields{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const BurnPage& p = pages[i];
        use[i]->setChecked(p.use);
        when[i]->SetValue(p.when);
        area[i] = NumberEdit(Q(p.area));
        areaUnit[i] = ChoiceBox(kAreaUnitNames, 3, p.areaUnit);
        thickness[i] = NumberEdit(Q(p.thickness));
        thicknessUnit[i] = ChoiceBox(kBurnThicknessUnitNames, 3, p.thicknessUnit);
        smokePlume[i] = new QPushButton(tr("Smoke &Plume..."));
        auto* w = new QWidget;
        auto* form = new QFormLayout(w);
        form->setContentsMargins(0, 0, 0, 0);
        form->addRow(BuddyLabel(tr("Burn &area:"), area[i]), Row({area[i], areaUnit[i]}));
        form->addRow(BuddyLabel(tr("Oil &thickness:"), thickness[i]),
                     Row({thickness[i], thicknessUnit[i]}));
        form->addRow(
            Wrapped(tr("How far downwind the smoke of this burn stays above a level "
                       "of concern:")));
        form->addRow(Row({smokePlume[i]}));
        fields[i] = w;
        const int slot = static_cast<int>(i);
        connect(smokePlume[i], &QPushButton::clicked, this, [this, slot] { OpenSmokePlume(slot); });
    }
    advanced = new QPushButton(tr("Ad&vanced Options"));
    connect(advanced, &QPushButton::clicked, this,
            [this] { OpenSubDialog(new BurnRateDialog(Doc(), Context(), this), [] {}); });
    Finish(fields, advanced);
}

BurnPage BurnSheet::Page(int slot) const {
    const size_t i = static_cast<size_t>(slot);
    BurnPage p;
    p.use = use[i]->isChecked();
    p.when = when[i]->Value();
    p.area = S(area[i]);
    p.areaUnit = areaUnit[i]->currentIndex();
    p.thickness = S(thickness[i]);
    p.thicknessUnit = thicknessUnit[i]->currentIndex();
    return p;
}

void BurnSheet::OpenSmokePlume(int slot) {
    BurnPage page = Page(slot);
    // The plume needs the burn itself: its page is checked as if in use.
    page.use = true;
    if (!Show(CheckBurnPage(page))) return;
    PlumeDialogInput in = PlumeInputForBurn(Doc(), slot, page);
    OpenSubDialog(new SmokePlumeDialog(Doc(), Context(), slot, in, this), [] {});
}

DialogResult BurnSheet::CheckPage(int slot) const {
    return CheckBurnPage(Page(slot));
}

DialogResult BurnSheet::SheetOK(int* refused) {
    BurnPages pages;
    for (int s = 0; s < kOperationSlots; ++s)
        pages[static_cast<size_t>(s)] = Page(s);
    return BurnSheetOK(Doc(), pages, refused);
}

CleanupSheet::CleanupSheet(CSpillDoc& doc, AppContext& context, QWidget* parent)
    : OperationSheet(doc, context, parent, tr("Mechanical Cleanup"), tr("Cleanup"),
                     QStringLiteral("Mechanical.html")) {
    const CleanupPages pages = CleanupPagesOf(doc);
    std::array<QWidget*, kOperationSlots> fields{};
    for (size_t i = 0; i < fields.size(); ++i) {
        const CleanupPage& p = pages[i];
        use[i]->setChecked(p.use);
        when[i]->SetValue(p.when);
        duration[i] = NumberEdit(Q(p.duration));
        byRate[i] = new QRadioButton(tr("Recovery &rate:"));
        byAmount[i] = new QRadioButton(tr("Total amount re&covered:"));
        auto* group = new QButtonGroup(this);
        group->addButton(byRate[i]);
        group->addButton(byAmount[i]);
        (p.rateGiven ? byRate[i] : byAmount[i])->setChecked(true);
        rate[i] = NumberEdit(Q(p.rate));
        rateUnit[i] = ChoiceBox(kRateUnitNames, 6, p.rateUnit);
        amount[i] = NumberEdit(Q(p.amount));
        amountUnit[i] = ChoiceBox(kAmountUnitNames, 5, p.amountUnit);
        auto* w = new QWidget;
        auto* form = new QFormLayout(w);
        form->setContentsMargins(0, 0, 0, 0);
        form->addRow(BuddyLabel(tr("&Duration:"), duration[i]), Row({duration[i]}, tr("hours")));
        form->addRow(
            Wrapped(tr("Estimate the amount of oil/water emulsion recovered during this "
                       "operation. ORMIX subtracts the OIL PORTION ONLY of this "
                       "recovered amount from the total quantity of floating oil.")));
        form->addRow(byRate[i], Row({rate[i], rateUnit[i]}));
        form->addRow(byAmount[i], Row({amount[i], amountUnit[i]}));
        auto follow = [r = byRate[i], a = std::array<QWidget*, 4>{rate[i], rateUnit[i], amount[i],
                                                                  amountUnit[i]}] {
            a[0]->setEnabled(r->isChecked());
            a[1]->setEnabled(r->isChecked());
            a[2]->setEnabled(!r->isChecked());
            a[3]->setEnabled(!r->isChecked());
        };
        connect(byRate[i], &QRadioButton::toggled, this, follow);
        follow();
        fields[i] = w;
    }
    Finish(fields);
}

CleanupPage CleanupSheet::Page(int slot) const {
    const size_t i = static_cast<size_t>(slot);
    CleanupPage p;
    p.use = use[i]->isChecked();
    p.when = when[i]->Value();
    p.duration = S(duration[i]);
    p.rateGiven = byRate[i]->isChecked();
    p.rate = S(rate[i]);
    p.rateUnit = rateUnit[i]->currentIndex();
    p.amount = S(amount[i]);
    p.amountUnit = amountUnit[i]->currentIndex();
    return p;
}

DialogResult CleanupSheet::CheckPage(int slot) const {
    return CheckCleanupPage(Page(slot));
}

DialogResult CleanupSheet::SheetOK(int* refused) {
    CleanupPages pages;
    for (int s = 0; s < kOperationSlots; ++s)
        pages[static_cast<size_t>(s)] = Page(s);
    return CleanupSheetOK(Doc(), pages, refused);
}

}  // namespace ormix::app
