// The manual's window: contents, index and search beside the topic shown.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace ormix::app {

class Manual;

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const Manual& manual, QWidget* parent = nullptr);

    // Shows a topic ("release.html", "oil.html#Adding"); an unknown one
    // shows the contents page.
    void ShowTopic(const QString& topic);
    // The topic shown, without its anchor.
    QString CurrentTopic() const;

    QTabWidget* Tabs() const { return tabs_; }
    QTreeWidget* ContentsTree() const { return contents_; }
    QLineEdit* IndexField() const { return indexField_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* SearchField() const { return searchField_; }
    QListWidget* SearchResults() const { return searchResults_; }
    QTextBrowser* Browser() const { return browser_; }

    void Search(const QString& query);

private:
    void FillContents();
    void FillIndex(const QString& filter);

    const Manual& manual_;
    QTabWidget* tabs_;
    QTreeWidget* contents_;
    QLineEdit* indexField_;
    QListWidget* indexList_;
    QLineEdit* searchField_;
    QListWidget* searchResults_;
    QTextBrowser* browser_;
};

}  // namespace ormix::app
