#include "app/table_clipboard.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace ormix::app {

namespace {

bool IsRule(const QString& line) {
    const QString t = line.trimmed();
    return t.size() >= 10 && std::all_of(t.begin(), t.end(), [](QChar c) { return c == '-'; });
}

QStringList Cells(const QString& line) {
    QStringList cells = line.split(QLatin1Char('\t'));
    for (QString& c : cells)
        c = c.trimmed();
    while (!cells.isEmpty() && cells.back().isEmpty())
        cells.pop_back();
    return cells;
}

bool IsSeparator(const QString& cell) {
    return cell.isEmpty() || cell == QLatin1String("-");
}

}  // namespace

QString TableAsTabSeparated(const QString& text) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    const auto rule = std::find_if(lines.begin(), lines.end(), IsRule);
    QStringList out;

    if (rule != lines.end()) {
        for (auto it = lines.begin(); it != rule; ++it) {
            QStringList cells = Cells(*it);
            cells.removeAll(QString());
            if (!cells.isEmpty()) out << cells.join(QLatin1Char('\t'));
        }
        out << QString();
    }

    std::vector<QStringList> rows;
    for (auto it = rule == lines.end() ? lines.begin() : rule + 1; it != lines.end(); ++it) {
        QStringList cells = Cells(*it);
        if (!cells.isEmpty()) rows.push_back(cells);
    }
    qsizetype columns = 0;
    for (const QStringList& r : rows)
        columns = std::max(columns, r.size());
    std::vector<bool> keep(static_cast<std::size_t>(columns), false);
    for (const QStringList& r : rows)
        for (qsizetype j = 0; j < r.size(); ++j)
            if (!IsSeparator(r[j])) keep[static_cast<std::size_t>(j)] = true;
    for (const QStringList& r : rows) {
        QStringList kept;
        for (qsizetype j = 0; j < r.size(); ++j)
            if (keep[static_cast<std::size_t>(j)]) kept << r[j];
        out << kept.join(QLatin1Char('\t'));
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace ormix::app
