// The user manual: HTML topics in the program's resources, with their table
// of contents, an index of keywords and a full-text search.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <map>
#include <vector>

namespace ormix::app {

class Manual {
public:
    struct Entry {
        QString title;
        QString topic;  // file name, possibly with an anchor ("oil.html#Adding")
        int depth = 0;
    };
    struct Keyword {
        QString keyword;
        QString topic;
    };
    struct Hit {
        QString topic;
        QString title;
        int score = 0;
    };

    // The manual in `root` (a resource or disk folder holding contents.txt
    // and the topics).
    explicit Manual(const QString& root);
    // The manual built into the program.
    static const Manual& BuiltIn();

    const std::vector<Entry>& Contents() const { return contents_; }
    // Every keyword of every topic, sorted without regard to case.
    const std::vector<Keyword>& Index() const { return index_; }
    QStringList Topics() const;
    // Whether the topic's page exists (an anchor is not checked).
    bool HasTopic(const QString& topic) const;
    QString TitleOf(const QString& topic) const;
    // Topics holding every word of the query, best first.
    std::vector<Hit> Search(const QString& query) const;
    // The page of a topic; the contents page for an unknown one.
    QUrl UrlOf(const QString& topic) const;
    QString Root() const { return root_; }

    static constexpr char kHome[] = "index.html";

private:
    struct Page {
        QString title;
        QString text;  // lower-case plain text, for the search
    };
    QString root_;
    std::vector<Entry> contents_;
    std::vector<Keyword> index_;
    std::map<QString, Page> pages_;
};

}  // namespace ormix::app
