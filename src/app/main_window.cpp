#include "main_window.h"

#include "about_form.h"
#include "book_page.h"
#include "cpu_page.h"
#include "creature_multiple_page.h"
#include "creature_single_page.h"
#include "download_page.h"
#include "fonts.h"
#include "hint_table.h"
#include "item_multiple_page.h"
#include "item_single_page.h"
#include "manual_page.h"
#include "map_page.h"
#include "mouse_move_texts.h"
#include "spell_multiple_page.h"
#include "spell_single_page.h"

#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace tavu {

namespace {

constexpr int ClientWidth = 631;
constexpr int ClientHeight = 404;
constexpr int StatusHeight = 19;

// A tab holding an inner page control with two pages.
QWidget* pageWithSubPages(QTabWidget* outer, const QString& sheet, const QString& caption,
                          const QString& inner, std::initializer_list<std::pair<QWidget*, QString>> pages) {
    auto* holder = new QWidget(outer);
    holder->setObjectName(sheet);
    auto* control = new QTabWidget(holder);
    control->setObjectName(inner);
    for (const auto& [page, pageCaption] : pages)
        control->addTab(page, pageCaption);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(control);
    outer->addTab(holder, caption);
    return holder;
}

} // namespace

TMainForm::TMainForm(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls, QWidget* parent)
    : QMainWindow(parent)
    , dialogs_(dialogs, this)
    , ctx_(std::move(systemDir), dialogs_, urls) {
    installFontSubstitutes();
    buildWindow();
    FormCreate();
    about_ = new TFormAbout(ctx_.versionText, ctx_.creditNotice, this);
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
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1);
    connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    widgets_ = indexWidgetsByName(this);
    applyControlHints(widgets_);
    moveTexts_ = new MouseMoveTexts([this](const QString& text) { hintPanel_->setText(text); }, this);
    attachMouseMoveTexts(widgets_, area, *moveTexts_);
    // A fixed window: single border, no resizing, no maximising.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // Sized from the known client area rather than from sizeHint(), which would lay out
    // every hidden page (and load every font) before the first paint.
    setFixedSize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

QTabWidget* TMainForm::buildPages(QWidget* area) {
    auto* pages = new QTabWidget(area);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->setGeometry(3, 3, 625, 377);
    creatureSingle_ = new CreatureSinglePage(ctx_, nullptr);
    creatureMultiple_ = new CreatureMultiplePage(ctx_, nullptr);
    pageWithSubPages(
        pages, QStringLiteral("TabSheet2"), QStringLiteral("クリーチャー"), QStringLiteral("PageControl2"),
        {{creatureSingle_, QStringLiteral("単体抽出")}, {creatureMultiple_, QStringLiteral("複数抽出")}});
    itemSingle_ = new ItemSinglePage(ctx_, nullptr);
    itemMultiple_ = new ItemMultiplePage(ctx_, nullptr);
    pageWithSubPages(
        pages, QStringLiteral("TabSheet7"), QStringLiteral("アイテム"), QStringLiteral("PageControl4"),
        {{itemSingle_, QStringLiteral("単体抽出")}, {itemMultiple_, QStringLiteral("複数抽出")}});
    spellSingle_ = new SpellSinglePage(ctx_, nullptr);
    spellMultiple_ = new SpellMultiplePage(ctx_, nullptr);
    pageWithSubPages(
        pages, QStringLiteral("TabSheet8"), QStringLiteral("スペル"), QStringLiteral("PageControl3"),
        {{spellSingle_, QStringLiteral("単体抽出")}, {spellMultiple_, QStringLiteral("複数抽出")}});
    map_ = new MapPage(ctx_, nullptr);
    cpu_ = new CpuPage(ctx_, nullptr);
    pageWithSubPages(
        pages, QStringLiteral("TabSheet3"), QStringLiteral("対戦条件"), QStringLiteral("PageControl5"),
        {{map_, QStringLiteral("対戦マップ")}, {cpu_, QStringLiteral("対戦相手の抽出 ( CPU )")}});
    book_ = new BookPage(ctx_, pages);
    pages->addTab(book_, QStringLiteral("ブック完全構成"));
    manual_ = new ManualPage(ctx_, pages);
    pages->addTab(manual_, QStringLiteral("TAVU の使用方法"));
    download_ = new DownloadPage(ctx_, pages);
    pages->addTab(download_, QStringLiteral("ダウンロード"));
    return pages;
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
}

QString TMainForm::hintText() const {
    return hintPanel_->text();
}

QString TMainForm::noticeText() const {
    return noticePanel_->text();
}

bool TMainForm::event(QEvent* event) {
    // Every control's and menu item's hint arrives here and goes to panel 0, not to Qt's
    // temporary status message, which would hide the credit notice.
    if (event->type() == QEvent::StatusTip) {
        hintPanel_->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::Timer1Timer() {
    close();
}

} // namespace tavu
