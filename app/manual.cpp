#include "app/manual.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace ormix::app {

namespace {

QString ReadAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

QString FilePart(const QString& topic) {
    return topic.section(QLatin1Char('#'), 0, 0);
}

}  // namespace

Manual::Manual(const QString& root) : root_(root) {
    const QDir dir(root);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QString html = ReadAll(dir.filePath(name));
        QTextDocument doc;
        doc.setHtml(html);
        Page page;
        page.title = doc.metaInformation(QTextDocument::DocumentTitle);
        page.text = doc.toPlainText().toLower();
        static const QRegularExpression keywords(
            QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = keywords.match(html);
        if (m.hasMatch())
            for (const QString& k : m.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                index_.push_back({k.trimmed(), name});
        pages_[name] = page;
    }
    std::stable_sort(index_.begin(), index_.end(), [](const Keyword& a, const Keyword& b) {
        return QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive) < 0;
    });

    // contents.txt: "Title|topic.html", two spaces of indent per level.
    const QStringList lines =
        ReadAll(dir.filePath(QStringLiteral("contents.txt"))).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) continue;
        const qsizetype indent =
            line.size() - QString(line).remove(QRegularExpression("^ +")).size();
        const QStringList parts = line.trimmed().split(QLatin1Char('|'));
        if (parts.size() != 2) continue;
        contents_.push_back({parts[0].trimmed(), parts[1].trimmed(), static_cast<int>(indent / 2)});
    }
}

const Manual& Manual::BuiltIn() {
    static const Manual manual(QStringLiteral(":/help"));
    return manual;
}

QStringList Manual::Topics() const {
    QStringList topics;
    for (const auto& [name, page] : pages_)
        topics << name;
    return topics;
}

bool Manual::HasTopic(const QString& topic) const {
    return pages_.count(FilePart(topic)) > 0;
}

QString Manual::TitleOf(const QString& topic) const {
    auto it = pages_.find(FilePart(topic));
    return it == pages_.end() ? QString() : it->second.title;
}

std::vector<Manual::Hit> Manual::Search(const QString& query) const {
    std::vector<Hit> hits;
    const QStringList words =
        query.toLower().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) return hits;
    for (const auto& [name, page] : pages_) {
        int score = 0;
        bool all = true;
        for (const QString& w : words) {
            const int n = static_cast<int>(page.text.count(w));
            if (n == 0) {
                all = false;
                break;
            }
            score += n + (page.title.toLower().contains(w) ? 20 : 0);
        }
        if (all) hits.push_back({name, page.title, score});
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.score > b.score; });
    return hits;
}

QUrl Manual::UrlOf(const QString& topic) const {
    const QString page = HasTopic(topic) ? topic : QString::fromLatin1(kHome);
    const QString file = root_ + QLatin1Char('/') + FilePart(page);
    QUrl url = root_.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + file)
                                                  : QUrl::fromLocalFile(file);
    const QString anchor = page.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) url.setFragment(anchor);
    return url;
}

}  // namespace ormix::app
