#include "app/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/manual.h"

namespace ormix::app {

namespace {

constexpr int kTopicRole = Qt::UserRole;

}  // namespace

HelpWindow::HelpWindow(const Manual& manual, QWidget* parent)
    : QWidget(parent, Qt::Window), manual_(manual) {
    setWindowTitle(QStringLiteral("ORMIX Help"));
    setObjectName(QStringLiteral("HelpWindow"));

    tabs_ = new QTabWidget(this);
    contents_ = new QTreeWidget(tabs_);
    contents_->setHeaderHidden(true);
    tabs_->addTab(contents_, QStringLiteral("&Contents"));

    auto* indexPage = new QWidget(tabs_);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexField_ = new QLineEdit(indexPage);
    indexField_->setPlaceholderText(QStringLiteral("Type a keyword"));
    indexList_ = new QListWidget(indexPage);
    indexLayout->addWidget(indexField_);
    indexLayout->addWidget(indexList_);
    tabs_->addTab(indexPage, QStringLiteral("&Index"));

    auto* searchPage = new QWidget(tabs_);
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchRow = new QHBoxLayout;
    searchField_ = new QLineEdit(searchPage);
    searchField_->setPlaceholderText(QStringLiteral("Words to find"));
    auto* searchButton = new QPushButton(QStringLiteral("&Find"), searchPage);
    searchRow->addWidget(searchField_);
    searchRow->addWidget(searchButton);
    searchResults_ = new QListWidget(searchPage);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(searchResults_);
    tabs_->addTab(searchPage, QStringLiteral("&Search"));

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);

    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                   QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                      QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Contents"), this,
                   [this] { ShowTopic(QString::fromLatin1(Manual::kHome)); });
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(bar);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(980, 680);

    FillContents();
    FillIndex(QString());

    auto open = [this](QListWidgetItem* item) {
        if (item) ShowTopic(item->data(kTopicRole).toString());
    };
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, kTopicRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, kTopicRole).toString()); });
    connect(indexField_, &QLineEdit::textChanged, this, &HelpWindow::FillIndex);
    connect(indexField_, &QLineEdit::returnPressed, this, [this, open] {
        if (indexList_->count() > 0) open(indexList_->item(0));
    });
    connect(indexList_, &QListWidget::itemActivated, this, open);
    connect(indexList_, &QListWidget::itemClicked, this, open);
    connect(searchField_, &QLineEdit::returnPressed, this,
            [this] { Search(searchField_->text()); });
    connect(searchButton, &QPushButton::clicked, this, [this] { Search(searchField_->text()); });
    connect(searchResults_, &QListWidget::itemActivated, this, open);
    connect(searchResults_, &QListWidget::itemClicked, this, open);

    ShowTopic(QString::fromLatin1(Manual::kHome));
}

void HelpWindow::FillContents() {
    contents_->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const Manual::Entry& e : manual_.Contents()) {
        parents.resize(static_cast<std::size_t>(e.depth));
        QTreeWidgetItem* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, e.title);
        item->setData(0, kTopicRole, e.topic);
        parents.push_back(item);
    }
    contents_->expandAll();
}

void HelpWindow::FillIndex(const QString& filter) {
    indexList_->clear();
    for (const Manual::Keyword& k : manual_.Index()) {
        if (!filter.isEmpty() && !k.keyword.startsWith(filter, Qt::CaseInsensitive)) continue;
        auto* item = new QListWidgetItem(
            QStringLiteral("%1  (%2)").arg(k.keyword, manual_.TitleOf(k.topic)), indexList_);
        item->setData(kTopicRole, k.topic);
    }
}

void HelpWindow::Search(const QString& query) {
    tabs_->setCurrentIndex(2);
    searchField_->setText(query);
    searchResults_->clear();
    const auto hits = manual_.Search(query);
    for (const Manual::Hit& h : hits) {
        auto* item = new QListWidgetItem(h.title, searchResults_);
        item->setData(kTopicRole, h.topic);
    }
    if (hits.empty()) {
        auto* none =
            new QListWidgetItem(QStringLiteral("No topic holds every word."), searchResults_);
        none->setFlags(Qt::NoItemFlags);
    }
}

void HelpWindow::ShowTopic(const QString& topic) {
    browser_->setSource(manual_.UrlOf(topic));
}

QString HelpWindow::CurrentTopic() const {
    return browser_->source().fileName();
}

}  // namespace ormix::app
