// Window chrome: hints, mouse-move texts, stay on top, margins, About and the menus.
#include "app/about_form.h"
#include "app/fonts.h"
#include "app/result_box.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class WindowOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void layoutAndMenus();
    void everyControlLiesWithinItsPage();
    void hintsGoToPanelZero();
    void onlySingleDrawFieldsHaveToolTips();
    void mouseMoveTextsAndClearingAreas();
    void stayOnTopTwiceLeavesWindowOrdinary();
    void questionsStepBackFromTheTop();
    void resultTextKeepsClearOfTheFrame();
    void aboutShowsVersionAndClosesOnClick();
    void randomizeAndExit();
    void japaneseFontsResolve();

private:
    void moveOver(QWidget* widget, QPoint at = {2, 2});
    std::unique_ptr<StartedWindow> w_;
};

void WindowOptionsTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
}

void WindowOptionsTest::cleanup() {
    w_.reset();
}

void WindowOptionsTest::moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void WindowOptionsTest::layoutAndMenus() {
    TMainForm& window = w_->window();
    auto* pages = w_->find<QTabWidget>(QStringLiteral("PageControl1"));
    QVERIFY(window.centralWidget()->rect().contains(pages->geometry()));
    QCOMPARE(pages->count(), 7);
    QCOMPARE(pages->tabText(6), QStringLiteral("ダウンロード"));
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    auto* exit = w_->find<QAction>(QStringLiteral("mnuExit"));
    QCOMPARE(exit->text(), QStringLiteral("終了(&X)"));
    QCOMPARE(exit->shortcut(), QKeySequence(Qt::Key_F6));
    QCOMPARE(w_->find<QAction>(QStringLiteral("mnuVersion"))->shortcut(), QKeySequence(Qt::Key_F3));
    QVERIFY(!window.timer1()->isActive());
    QCOMPARE(window.timer1()->interval(), 1);
}

// The window has a fixed size, so a control placed past its page's edge would be cut off
// where nobody can reach it.
void WindowOptionsTest::everyControlLiesWithinItsPage() {
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
    const auto tabs = w_->window().findChildren<QTabWidget*>();
    QVERIFY(tabs.size() >= 4);
    for (QTabWidget* tab : tabs) {
        for (int i = 0; i < tab->count(); ++i) {
            tab->setCurrentIndex(i);
            QApplication::processEvents();
            QWidget* page = tab->widget(i);
            for (QWidget* control : page->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(page) || control->isWindow())
                    continue;
                const QRect where(control->mapTo(page, QPoint(0, 0)), control->size());
                QVERIFY2(page->rect().contains(where),
                         qPrintable(control->objectName() + QStringLiteral(" on ") + page->objectName()));
            }
        }
    }
}

void WindowOptionsTest::hintsGoToPanelZero() {
    w_->find<QAction>(QStringLiteral("mnuExit"))->showStatusText(&w_->window());
    QCOMPARE(w_->window().hintText(), QStringLiteral("TAVU を終了します"));
    QStatusTipEvent tip(w_->find<QWidget>(QStringLiteral("SESet2"))->statusTip());
    QApplication::sendEvent(w_->find<QWidget>(QStringLiteral("SESet2")), &tip);
    QCOMPARE(w_->window().hintText(), QStringLiteral("最大値は6000 ～ 90000の範囲で決定出来ます"));
    // The credit notice is not pushed aside by a hint.
    QVERIFY(w_->window().noticeText().endsWith(QStringLiteral("2006")));
}

void WindowOptionsTest::onlySingleDrawFieldsHaveToolTips() {
    auto* field = w_->find<QLineEdit>(QStringLiteral("SEdit7"));
    QCOMPARE(field->toolTip(), QStringLiteral("スペルの効果適用時間 （瞬間 or 継続） を表示"));
    QCOMPARE(field->statusTip(), field->toolTip());
    auto* box = w_->find<QCheckBox>(QStringLiteral("CB2"));
    QCOMPARE(box->statusTip(), QStringLiteral("火属性クリーチャー"));
    QVERIFY(box->toolTip().isEmpty());
    QVERIFY(w_->find<QCheckBox>(QStringLiteral("CB1"))->statusTip().isEmpty());
}

void WindowOptionsTest::mouseMoveTextsAndClearingAreas() {
    w_->window().show();
    auto* pages = w_->find<QTabWidget>(QStringLiteral("PageControl1"));
    moveOver(w_->find<QWidget>(QStringLiteral("CRCB2A")));
    QCOMPARE(w_->window().hintText(),
             QStringLiteral("ここのチェックを外すことにより、抽出したくないレア度を選択することが出来ます"));
    auto* sheet = w_->find<QWidget>(QStringLiteral("TabSheet10"));
    moveOver(sheet, {sheet->width() - 3, sheet->height() - 3});
    QCOMPARE(w_->window().hintText(), QString());
    pages->setCurrentIndex(4);
    moveOver(w_->find<QWidget>(QStringLiteral("Label27")));
    QCOMPARE(w_->window().hintText(), QStringLiteral("カード総計が 50 枚を超えないように注意して下さい"));
    // A move over a child control is not the group box's own area.
    moveOver(w_->find<QWidget>(QStringLiteral("AbsoluteCB2")));
    QCOMPARE(w_->window().hintText(), QStringLiteral("不正防止の為、抽出された結果をファイルに出力します。"));
}

void WindowOptionsTest::stayOnTopTwiceLeavesWindowOrdinary() {
    TMainForm& window = w_->window();
    window.mnuWindowPosClick();
    QVERIFY(staysOnTop(&window));
    QCOMPARE(w_->storedSettings()[entry::StayOnTop], 1);
    window.mnuWindowPosClick();
    QVERIFY(!staysOnTop(&window));
    QVERIFY(!w_->find<QAction>(QStringLiteral("mnuWindowPos"))->isChecked());
    QCOMPARE(w_->storedSettings()[entry::StayOnTop], 0);
    QVERIFY(w_->settingsLocked());
    // Through the menu item itself the mark flips once per choice, not twice.
    w_->find<QAction>(QStringLiteral("mnuWindowPos"))->trigger();
    QVERIFY(w_->find<QAction>(QStringLiteral("mnuWindowPos"))->isChecked());
    QVERIFY(staysOnTop(&window));
}

void WindowOptionsTest::questionsStepBackFromTheTop() {
    TMainForm& window = w_->window();
    window.show();
    window.mnuWindowPosClick();
    w_->dialogs.calls.clear();
    w_->find<QPushButton>(QStringLiteral("ButtonCPUSave"))->click();
    QCOMPARE(w_->dialogs.calls.size(), 2);
    QVERIFY(!w_->dialogs.calls[0].windowOnTop);
    QVERIFY(!w_->dialogs.calls[1].windowOnTop);
    QVERIFY(staysOnTop(&window));
    QVERIFY(window.isVisible());
}

// The first character of a result stands clear of the box's frame, not pressed against it.
void WindowOptionsTest::resultTextKeepsClearOfTheFrame() {
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
    for (const char* name : {"CRE", "ItemRE", "SpellRE", "AbsoluteRE", "ComentRE", "Memo_DL"}) {
        auto* box = w_->find<ResultBox>(QString::fromUtf8(name));
        box->setPlainText(QStringLiteral("火　炎の小鬼"));
        box->show(); // laid out even on a tab not chosen
        QApplication::processEvents();
        const QRect glyph = box->cursorRect(QTextCursor(box->document()));
        const QPoint at = box->viewport()->mapTo(box, glyph.topLeft());
        const QRect frame = box->contentsRect();
        QVERIFY2(at.x() - frame.left() >= 2, name);
        QVERIFY2(at.y() - frame.top() >= 2, name);
    }
}

void WindowOptionsTest::aboutShowsVersionAndClosesOnClick() {
    TFormAbout* about = w_->window().aboutForm();
    QVERIFY(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(about->L2->text(), QStringLiteral("Version 1.00"));
    QCOMPARE(about->L3->text(), w_->window().noticeText());
    bool closedByClick = false;
    QTimer::singleShot(0, about, [about, &closedByClick] {
        QTest::mouseClick(about->findChild<QWidget*>(QStringLiteral("FrontImage")), Qt::LeftButton, {},
                          {100, 50});
        closedByClick = !about->isVisible();
    });
    QTimer::singleShot(3000, about, &QDialog::reject); // a safety net, never reached when it works
    w_->window().mnuVersionClick();
    QVERIFY(closedByClick);
    // The small print must be readable on the window's sky blue; the title stands out from it.
    const QColor sky = about->palette().color(QPalette::Window);
    for (const QLabel* label : {about->L3, about->L4})
        QVERIFY2(contrastRatio(label->palette().color(QPalette::WindowText), sky) >= 4.5,
                 qPrintable(label->objectName()));
    for (const QLabel* label : {about->L1, about->L2})
        QVERIFY(label->palette().color(QPalette::WindowText) != sky);
}

void WindowOptionsTest::randomizeAndExit() {
    w_->window().show();
    w_->window().mnuRandomizeClick();
    QCOMPARE(w_->dialogs.texts(), QStringList{QStringLiteral("ランダムが再生成されました")});
    w_->window().mnuExitClick();
    QVERIFY(!w_->window().isVisible());
    QVERIFY(!w_->settingsLocked()); // closing writes nothing
}

void WindowOptionsTest::japaneseFontsResolve() {
    const QFontInfo proportional(proportionalFont());
    const QFontInfo fixed(fixedFont());
    QVERIFY2(proportional.family().contains(QStringLiteral("IPAPGothic")) ||
                 proportional.family() == QStringLiteral("ＭＳ Ｐゴシック"),
             qPrintable(proportional.family()));
    QVERIFY2(fixed.family().contains(QStringLiteral("IPAGothic")) ||
                 fixed.family() == QStringLiteral("ＭＳ ゴシック"),
             qPrintable(fixed.family()));
    QCOMPARE(proportional.pixelSize(), 12);
}

QTEST_MAIN(WindowOptionsTest)
#include "test_window_options.moc"
