// The window driven by the keyboard alone: Tab walks every page in the order it reads, Enter
// presses the focused button or else the page's OK, and the control with the focus is always
// marked, read-only and greyed fields included.
#include "app/bound_page.h"
#include "app/focus_ring.h"
#include "gui_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

namespace {

// The control a focused widget belongs to: a spin edit hands its focus to the field inside.
QWidget* controlOf(QWidget* focused) {
    while (focused != nullptr && focused->parentWidget() != nullptr &&
           focused->parentWidget()->focusProxy() == focused)
        focused = focused->parentWidget();
    return focused;
}

// The controls of `page` a player can reach now: shown, enabled and taking Tab.
QList<QWidget*> reachable(QWidget* page) {
    QList<QWidget*> controls;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !controls.contains(controlOf(w)))
            controls << controlOf(w);
    }
    return controls;
}

// Tab from the row of tabs above `page` until the focus leaves it.
QList<QWidget*> tabWalk(QWidget* page, QTabBar* tabs) {
    tabs->setFocus(Qt::OtherFocusReason);
    QList<QWidget*> visited;
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* control = controlOf(QApplication::focusWidget());
        if (control == nullptr || !page->isAncestorOf(control) || visited.contains(control))
            break;
        visited << control;
    }
    return visited;
}

QRect placeOn(QWidget* page, QWidget* control) {
    return {control->mapTo(page, QPoint(0, 0)), control->size()};
}

// Reading order: the next control is below this one, or to its right (further along the row,
// or the top of a column further right). Going back up or left is out of order.
bool readsAfter(const QRect& before, const QRect& after) {
    constexpr int Slack = 2;
    return after.top() >= before.bottom() - Slack || after.left() >= before.right() - Slack;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabWalksEveryPageInReadingOrder();
    void enterPressesTheFocusedButtonOrElseOk();
    void focusIsMarkedOnReadOnlyFieldsAndLists();
    void conceptLinkFollowsWithEnter();

private:
    std::unique_ptr<StartedWindow> w_;
};

void KeyboardTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
    w_->window().activateWindow();
    QTRY_VERIFY(w_->window().isActiveWindow());
}

void KeyboardTest::cleanup() {
    w_.reset();
}

void KeyboardTest::tabWalksEveryPageInReadingOrder() {
    QStringList faults;
    for (BoundPage* page : w_->window().pages()) {
        QTabBar* tabs = bringIntoView(page);
        const QList<QWidget*> walk = tabWalk(page, tabs);
        const QList<QWidget*> all = reachable(page);
        for (QWidget* control : all)
            if (!walk.contains(control))
                faults << page->objectName() + QStringLiteral(": Tab never reaches ") + control->objectName();
        for (qsizetype i = 1; i < walk.size(); ++i)
            if (!readsAfter(placeOn(page, walk[i - 1]), placeOn(page, walk[i])))
                faults << QStringLiteral("%1: %2 after %3")
                              .arg(page->objectName(), walk[i]->objectName(), walk[i - 1]->objectName());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void KeyboardTest::enterPressesTheFocusedButtonOrElseOk() {
    int pagesWithOk = 0;
    for (BoundPage* page : w_->window().pages()) {
        QPushButton* ok = page->defaultButton();
        if (ok == nullptr)
            continue;
        ++pagesWithOk;
        bringIntoView(page);
        QSignalSpy okPressed(ok, &QPushButton::clicked);
        // From every control that is not a button: a box, a list, a spin edit, a field.
        int pressed = 0;
        for (QWidget* control : reachable(page)) {
            if (qobject_cast<QPushButton*>(control) || qobject_cast<QComboBox*>(control) || !ok->isEnabled())
                continue;
            control->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY2(okPressed.size() == ++pressed, qPrintable(control->objectName()));
        }
        // A focused button other than OK is pressed itself.
        for (QWidget* control : reachable(page)) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button == nullptr || button == ok)
                continue;
            QSignalSpy buttonPressed(button, &QPushButton::clicked);
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(buttonPressed.size(), 1);
            QCOMPARE(okPressed.size(), pressed);
            break;
        }
    }
    QCOMPARE(pagesWithOk, 9);
}

// Moved by the keyboard, the focus shows as a mark with 3:1 against what was there before,
// also on controls the style marks faintly or not at all; a mouse click does not leave it.
void KeyboardTest::focusIsMarkedOnReadOnlyFieldsAndLists() {
    for (const char* name : {"CEdit1", "SpellRE", "EditU3", "VSEdit2", "CSE4B", "SetU1", "BRandomAbsolute"}) {
        auto* control = w_->find<QWidget>(QLatin1String(name));
        QVERIFY2(control != nullptr, name);
        bringIntoView(control);
        w_->window().setFocus(Qt::OtherFocusReason);
        const QImage before = control->grab().toImage();
        control->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QImage after = control->grab().toImage();
        int marked = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (contrastRatio(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0)
                    ++marked;
        // At least a line around the whole control.
        QVERIFY2(marked >= control->width() + control->height(), name);
    }
    auto* field = w_->find<QLineEdit>(QStringLiteral("CEdit2"));
    QTest::mouseClick(field, Qt::LeftButton);
    QVERIFY(w_->window().findChild<FocusRing*>()->target() == nullptr);
}

void KeyboardTest::conceptLinkFollowsWithEnter() {
    auto* link = w_->find<QWidget>(QStringLiteral("Label_Development_concept"));
    bringIntoView(link);
    QVERIFY(reachable(link->parentWidget()->parentWidget()).contains(link));
    link->setFocus(Qt::TabFocusReason);
    w_->dialogs.answers = {false};
    QTest::keyClick(link, Qt::Key_Return);
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("question"));
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
