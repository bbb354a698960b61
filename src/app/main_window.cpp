#include "main_window.h"

#include "about_form.h"
#include "book_page.h"
#include "card_page.h"
#include "download_page.h"
#include "focus_ring.h"
#include "fonts.h"
#include "mouse_move_texts.h"
#include "readable_palette.h"
#include "result_box.h"
#include "ui_text.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavu {

namespace {

constexpr int ClientWidth = 631;
constexpr int ClientHeight = 404;
constexpr int StatusHeight = 19;
// How long a message of the program (a file saved, why OK is off) stays over the hints.
constexpr int StatusMessageMs = 10000;

// An empty holder standing for what is built later (a page, a tab's inner page control),
// which is put into it and fills it.
QWidget* holder(QWidget* parent = nullptr, int margin = 0) {
    auto* widget = new QWidget(parent);
    (new QVBoxLayout(widget))->setContentsMargins(margin, margin, margin, margin);
    return widget;
}

// Puts what was built late into its holder. A holder already in view (its tab was just
// chosen) shows it at once rather than one frame later.
template <typename Content>
Content* fillHolder(QWidget* holderWidget, Content* content) {
    holderWidget->layout()->addWidget(content);
    if (holderWidget->isVisible())
        content->show();
    return content;
}

// A tab that holds an inner page control with two pages (see fillSubPages).
QWidget* subPageTab(QTabWidget* outer, const QString& sheet, const QString& caption) {
    QWidget* tab = holder(outer, 2);
    tab->setObjectName(sheet);
    outer->addTab(tab, caption);
    return tab;
}

QTabWidget* fillSubPages(QWidget* tab, const QString& inner,
                         std::initializer_list<std::pair<QWidget*, QString>> pages) {
    auto* control = new QTabWidget(tab);
    control->setObjectName(inner);
    // A screen reader calls the inner row of tabs after the tab that holds it.
    auto* outer = qobject_cast<QTabWidget*>(tab->parentWidget()->parentWidget());
    control->setAccessibleName(outer->tabText(outer->indexOf(tab)));
    control->tabBar()->setAccessibleName(control->accessibleName());
    for (const auto& [page, pageCaption] : pages)
        control->addTab(page, pageCaption);
    return fillHolder(tab, control);
}

} // namespace

TMainForm::TMainForm(StartupFiles files, Dialogs& dialogs, UrlOpener& urls, QWidget* parent)
    : QMainWindow(parent)
    , dialogs_(dialogs, this)
    , ctx_(files.systemDir, dialogs_, urls) {
    installFontSubstitutes();
    useReadableGreyedText();
    new FocusRing(this);
    buildWindow();
    FormCreate(files);
    about_ = new TFormAbout(versionText_, creditNotice_, this);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildWindow() {
    setObjectName(QStringLiteral("MainForm"));
    setFont(proportionalFont(12));
    setWindowTitle(QStringLiteral("TAVU for DS"));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("MainArea"));
    area->setFixedSize(ClientWidth, ClientHeight - StatusHeight);
    setCentralWidget(area);
    buildPages(area);
    buildMenus();
    buildStatusBar();
    ctx_.setStatusOutput(
        [this](const QString& message) { statusBar()->showMessage(message, StatusMessageMs); });
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &QWidget::close);
    moveTexts_ = new MouseMoveTexts([this](const QString& text) { hintPanel_->setText(text); }, this);
    // Movement over the bare window or a tab holding two pages clears the hint panel.
    moveTexts_->attachToArea(area, {});
    for (const char* tab : {"TabSheet2", "TabSheet3", "TabSheet7", "TabSheet8"})
        moveTexts_->attachToArea(findChild<QWidget*>(QString::fromLatin1(tab)), {});
    bindPages(firstPages_);
    // A fixed window: single border, no resizing, no maximising.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Sized from the known client area rather than from sizeHint(), which would lay out
    // every hidden page (and load every font) before the first paint.
    setFixedSize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::buildPages(QWidget* area) {
    auto* pages = new QTabWidget(area);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(3, 3, 625, 377);
    pages->setAccessibleName(Ui::tr("ページ"));
    pages->tabBar()->setAccessibleName(pages->accessibleName());
    QWidget* creatures = subPageTab(pages, QStringLiteral("TabSheet2"), Ui::tr("クリーチャー"));
    QWidget* items = subPageTab(pages, QStringLiteral("TabSheet7"), Ui::tr("アイテム"));
    QWidget* spells = subPageTab(pages, QStringLiteral("TabSheet8"), Ui::tr("スペル"));
    QWidget* match = subPageTab(pages, QStringLiteral("TabSheet3"), Ui::tr("対戦条件"));
    QWidget* book = holder(pages);
    pages->addTab(book, Ui::tr("ブック完全構成"));
    QWidget* manual = holder(pages);
    pages->addTab(manual, Ui::tr("TAVU の使用方法"));
    QWidget* download = holder(pages);
    pages->addTab(download, Ui::tr("ダウンロード"));
    firstPages_ = {new CardPage(ctx_, CreatureSinglePage)};
    QWidget* creatureMultiple = holder();
    QTabWidget* creatureControl =
        fillSubPages(creatures, QStringLiteral("PageControl2"),
                     {{firstPages_[0], Ui::tr("単体抽出")}, {creatureMultiple, Ui::tr("複数抽出")}});
    // Choosing any other page needs the waiting ones now, before it shows.
    connect(pages, &QTabWidget::currentChanged, this, &TMainForm::completePages);
    connect(creatureControl, &QTabWidget::currentChanged, this, &TMainForm::completePages);
    // The pages in the order start-up restores them.
    buildWaitingPages_ = [=, this] {
        const auto add = [this](BoundPage* page) {
            waitingPages_ << page;
            return page;
        };
        add(fillHolder(creatureMultiple, new CardPage(ctx_, CreatureListPage)));
        fillSubPages(items, QStringLiteral("PageControl4"),
                     {{add(new CardPage(ctx_, ItemSinglePage)), Ui::tr("単体抽出")},
                      {add(new CardPage(ctx_, ItemListPage)), Ui::tr("複数抽出")}});
        fillSubPages(spells, QStringLiteral("PageControl3"),
                     {{add(new CardPage(ctx_, SpellSinglePage)), Ui::tr("単体抽出")},
                      {add(new CardPage(ctx_, SpellListPage)), Ui::tr("複数抽出")}});
        fillSubPages(match, QStringLiteral("PageControl5"),
                     {{add(newMapPage(ctx_)), Ui::tr("対戦マップ")},
                      {add(newCpuPage(ctx_)), Ui::tr("対戦相手の抽出 ( CPU )")}});
        add(fillHolder(book, new BookPage(ctx_)));
        add(fillHolder(manual, newManualPage(ctx_)));
        add(fillHolder(download, new DownloadPage(ctx_)));
    };
}

void TMainForm::completePages() {
    if (pagesComplete_)
        return;
    pagesComplete_ = true;
    buildWaitingPages_();
    bindPages(waitingPages_);
    if (reached_ != StartupReached::Nothing)
        restorePages(waitingPages_);
    if (reached_ == StartupReached::Finished)
        finishPages(waitingPages_);
}

void TMainForm::bindPages(const QList<BoundPage*>& pages) {
    for (BoundPage* page : pages) {
        page->bind(*moveTexts_);
        for (ResultBox* box : page->findChildren<ResultBox*>()) {
            box->setDrawSource([this] { return ctx_.drawCode(); }, [this] { return ctx_.drawTime(); },
                               [this](const SharedResult& result) { saveResultPicture(result); });
        }
    }
}

void TMainForm::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(StatusHeight);
    hintPanel_ = new QLabel(bar);
    hintPanel_->setObjectName(QStringLiteral("StatusPanel0"));
    hintPanel_->setFixedWidth(480);
    // The notice panel is 50 wide at least and, being the last, takes the rest of the bar.
    noticePanel_ = new QLabel(bar);
    noticePanel_->setObjectName(QStringLiteral("StatusPanel1"));
    noticePanel_->setMinimumWidth(50);
    noticePanel_->setLayoutDirection(Qt::RightToLeft);
    noticePanel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    noticePanel_->setContentsMargins(0, 0, 4, 0);
    bar->addWidget(hintPanel_);
    bar->addWidget(noticePanel_, 1);
    // The last draw's code, from the first draw on; until then the bar is as it always was.
    auto* codePanel = new QLabel(bar);
    codePanel->setObjectName(QStringLiteral("StatusPanelCode"));
    codePanel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    codePanel->setAccessibleName(Ui::tr("抽出コード"));
    codePanel->hide();
    bar->addPermanentWidget(codePanel);
    ctx_.onDrawCode([codePanel](const QString& code) {
        codePanel->setText(code);
        codePanel->setToolTip(Ui::tr("抽出コード: ") + code);
        codePanel->setVisible(!code.isEmpty());
    });
}

bool TMainForm::event(QEvent* event) {
    // Every control's and menu item's hint arrives here and goes to panel 0, not to Qt's
    // temporary status message, which would hide the credit notice.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // The first paint is under way: the waiting pages are built as soon as it is done.
    if (event->type() == QEvent::Paint && !completionPosted_) {
        completionPosted_ = true;
        QMetaObject::invokeMethod(this, &TMainForm::completePages, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

} // namespace tavu
