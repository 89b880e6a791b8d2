#include "app/table_clipboard.h"

#include <QStringList>
#include <algorithm>
#include <vector>

#include "core/file_replace.h"

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

QString TabSeparatedAsCsv(const QString& cells) {
    QStringList rows;
    const QStringList lines = cells.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i + 1 == lines.size() && lines[i].isEmpty()) break;  // the last line's end
        QStringList fields = lines[i].split(QLatin1Char('\t'));
        for (QString& f : fields)
            if (f.contains(QLatin1Char(',')) || f.contains(QLatin1Char('"')) ||
                f.contains(QLatin1Char('\r')))
                f = QLatin1Char('"') + f.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                    QLatin1Char('"');
        rows << fields.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool WriteTableText(const QString& path, const QString& text, QString& error) {
    const QByteArray bytes = text.toUtf8();
    std::string why;
    if (ReplaceFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size()), why))
        return true;
    error = QStringLiteral("Cannot write %1: %2").arg(path, QString::fromStdString(why));
    return false;
}

}  // namespace ormix::app
