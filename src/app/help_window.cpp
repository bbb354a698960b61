#include "help_window.h"

#include "ui_text.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>

namespace tavu {

namespace {

// A link into the manual itself (another page, or a section of this one).
bool isManualLink(const QUrl& url) {
    return url.isRelative() || url.isLocalFile() || url.scheme() == QLatin1String("qrc");
}

} // namespace

HelpWindow::HelpWindow(const QString& contentsFile, std::function<void(const QUrl&)> openExternal,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , browser_(new QTextBrowser)
    , sections_(new QListWidget)
    , openExternal_(std::move(openExternal)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(Ui::tr("TAVU のヘルプ"));
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    sections_->setObjectName(QStringLiteral("HelpSections"));
    // Links are ours to follow: web pages must not be fetched into the viewer.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::listSections);
    connect(sections_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        browser_->setSource(QUrl(item->data(Qt::UserRole).toString()));
    });
    connect(sections_, &QListWidget::itemClicked, sections_, &QListWidget::itemActivated);

    auto* bar = addToolBar(Ui::tr("移動"));
    bar->setObjectName(QStringLiteral("HelpToolBar"));
    bar->setMovable(false);
    QAction* back = bar->addAction(Ui::tr("戻る"));
    back->setObjectName(QStringLiteral("HelpBack"));
    back->setShortcut(QKeySequence::Back);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(Ui::tr("進む"));
    forward->setObjectName(QStringLiteral("HelpForward"));
    forward->setShortcut(QKeySequence::Forward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    QAction* home = bar->addAction(Ui::tr("目次"));
    home->setObjectName(QStringLiteral("HelpHome"));
    connect(home, &QAction::triggered, browser_, &QTextBrowser::home);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* split = new QSplitter;
    split->addWidget(sections_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 530});
    setCentralWidget(split);
    resize(720, 540);
    browser_->setSource(QUrl::fromLocalFile(contentsFile));
    listSections();
}

void HelpWindow::followLink(const QUrl& url) {
    const QUrl target = browser_->source().resolved(url);
    if (isManualLink(url))
        browser_->setSource(target);
    else
        openExternal_(url);
}

// The sections are the page's second-level headings with an id, as the manual writes them.
void HelpWindow::listSections() {
    const QUrl page = browser_->source().adjusted(QUrl::RemoveFragment);
    if (page == listedPage_)
        return; // another section of the same page: the list stays (and the clicked item lives)
    listedPage_ = page;
    sections_->clear();
    QFile file(page.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return;
    static const QRegularExpression heading(QStringLiteral("<h2 id=\"([^\"]+)\"[^>]*>(.*?)</h2>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QString html = QString::fromUtf8(file.readAll());
    for (auto match = heading.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        QUrl target = page;
        target.setFragment(found.captured(1));
        QTextDocument title;
        title.setHtml(found.captured(2));
        auto* item = new QListWidgetItem(title.toPlainText().trimmed(), sections_);
        item->setData(Qt::UserRole, target.toString());
    }
}

} // namespace tavu
