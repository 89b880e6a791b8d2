#include "app/oil_property_view.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ormix::app {

OilPropertyView::OilPropertyView(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

void OilPropertyView::Show(const PropertyPage& page) {
    body_ = new QWidget;
    auto* layout = new QVBoxLayout(body_);
    auto* form = new QFormLayout;
    for (const PropertyItem& item : page.items) {
        auto* value = new QLabel(QString::fromStdString(item.value));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        value->setObjectName(QString::fromStdString(item.label));
        form->addRow(QString::fromStdString(item.label) + QLatin1Char(':'), value);
    }
    layout->addLayout(form);
    for (const PropertyTable& t : page.tables) {
        auto* heading = new QLabel(
            QStringLiteral("<b>%1</b>").arg(QString::fromStdString(t.heading).toHtmlEscaped()));
        layout->addWidget(heading);
        if (t.rows.empty()) {
            layout->addWidget(new QLabel(tr("none listed")));
            continue;
        }
        auto* table =
            new QTableWidget(static_cast<int>(t.rows.size()), static_cast<int>(t.columns.size()));
        QStringList columns;
        for (const std::string& c : t.columns)
            columns << QString::fromStdString(c);
        table->setHorizontalHeaderLabels(columns);
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        for (size_t r = 0; r < t.rows.size(); ++r)
            for (size_t c = 0; c < t.rows[r].size() && c < t.columns.size(); ++c)
                table->setItem(static_cast<int>(r), static_cast<int>(c),
                               new QTableWidgetItem(QString::fromStdString(t.rows[r][c])));
        table->setFixedHeight(table->horizontalHeader()->height() +
                              table->rowHeight(0) * table->rowCount() + 4);
        layout->addWidget(table);
    }
    layout->addStretch();
    setWidget(body_);
}

QString OilPropertyView::ValueOf(const QString& label) const {
    if (!body_) return {};
    auto* value = body_->findChild<QLabel*>(label);
    return value ? value->text() : QString();
}

}  // namespace ormix::app
