// The pages say what they show and why OK is off: the map page's result boxes beside their
// rows, the book page's caution without scrolling sideways, and the rule that disables OK in
// the button's tooltip and the status bar.
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class PageCaptionsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mapResultBoxesSayWhatTheyShowBesideTheirRows();
    void cautionWrapsAndResultsDoNot();
    void cardPagesSayWhichRuleDisablesOk();
    void mapPageSaysPeriodAndTimeAloneAreNotEnough();
    void bookPageShowsItsTotalAndWhyOkIsOff();

private:
    // Brings the tab (and sub-tab) holding `name` to the front.
    void showTab(const char* name) {
        QWidget* control = w_->find<QWidget>(QLatin1String(name));
        for (QWidget* p = control; p; p = p->parentWidget())
            if (auto* stack = qobject_cast<QStackedWidget*>(p->parentWidget()))
                if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                    tabs->setCurrentWidget(p);
        QTRY_VERIFY(control->isVisible());
    }
    QCheckBox* box(const char* name) { return w_->find<QCheckBox>(QLatin1String(name)); }
    QPushButton* button(const char* name) { return w_->find<QPushButton>(QLatin1String(name)); }
    QString status() { return w_->window().statusBar()->currentMessage(); }
    // OK is off, and its tooltip and the status bar give a reason containing `words`.
    void expectRefused(const char* ok, const QString& words) {
        QVERIFY(!button(ok)->isEnabled());
        QVERIFY2(button(ok)->toolTip().contains(words), qPrintable(button(ok)->toolTip()));
        QCOMPARE(status(), button(ok)->toolTip());
    }
    std::unique_ptr<StartedWindow> w_;
};

void PageCaptionsTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
}

void PageCaptionsTest::cleanup() {
    w_.reset();
}

void PageCaptionsTest::mapResultBoxesSayWhatTheyShowBesideTheirRows() {
    showTab("EditU1");
    QStringList tips;
    for (int n = 1; n <= 7; ++n) {
        auto* shown = w_->find<QLineEdit>(QStringLiteral("EditU%1").arg(n));
        auto* rule = w_->find<QCheckBox>(QStringLiteral("SetU%1").arg(n));
        QVERIFY(!shown->toolTip().isEmpty());
        QVERIFY(!shown->accessibleName().isEmpty());
        tips << shown->toolTip();
        // The box stands on the row of the condition it shows.
        const int boxRow = shown->mapTo(&w_->window(), shown->rect().center()).y();
        const int ruleRow = rule->mapTo(&w_->window(), rule->rect().center()).y();
        QVERIFY2(std::abs(boxRow - ruleRow) <= 2,
                 qPrintable(QStringLiteral("EditU%1: %2 vs %3").arg(n).arg(boxRow).arg(ruleRow)));
    }
    tips.removeDuplicates();
    QCOMPARE(tips.size(), 7);
}

void PageCaptionsTest::cautionWrapsAndResultsDoNot() {
    showTab("AbsoluteRE");
    auto* result = w_->find<ResultBox>(QStringLiteral("AbsoluteRE"));
    w_->find<QPushButton>(QStringLiteral("AbsoluteBCaution"))->click();
    QVERIFY(result->toPlainText().contains(QStringLiteral("ちょっとした覚悟")));
    QCOMPARE(result->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QTRY_COMPARE(result->horizontalScrollBar()->maximum(), 0);
    w_->find<QPushButton>(QStringLiteral("ButtonAbsoluteClear"))->click();
    QCOMPARE(result->lineWrapMode(), QPlainTextEdit::NoWrap);
}

void PageCaptionsTest::cardPagesSayWhichRuleDisablesOk() {
    showTab("ICB1A");
    box("ItemReaCBox1E")->setChecked(true);
    for (const char* name : {"ItemReaCBox1N", "ItemReaCBox1S", "ItemReaCBox1R", "ICB1A", "ICB3A"})
        box(name)->setChecked(false);
    expectRefused("BRandom3", QStringLiteral("防具と巻物"));
    box("ItemReaCBox1E")->setChecked(false);
    expectRefused("BRandom3", QStringLiteral("レア度を一つ以上"));
    box("ItemReaCBox1N")->setChecked(true);
    QVERIFY(button("BRandom3")->isEnabled());
    QVERIFY(button("BRandom3")->toolTip().isEmpty());

    showTab("CB1");
    for (const char* name : {"CB1", "CB2", "CB3", "CB4", "CB5"})
        box(name)->setChecked(false);
    expectRefused("BRandom1", QStringLiteral("属性を一つ以上"));
}

void PageCaptionsTest::mapPageSaysPeriodAndTimeAloneAreNotEnough() {
    showTab("SetU1");
    if (!box("SetU1")->isChecked())
        box("SetU1")->click();
    for (int n = 1; n <= 7; ++n)
        if (QCheckBox* rule = box(qPrintable(QStringLiteral("SetU%1").arg(n))); rule->isChecked())
            rule->click(); // the page follows clicks, as the player makes them
    expectRefused("ButtonMapSetUp", QStringLiteral("抽出する対戦条件"));
    box("SetU6")->click();
    expectRefused("ButtonMapSetUp", QStringLiteral("期間条件と時間制限だけでは"));
    box("SetU2")->click();
    QVERIFY(button("ButtonMapSetUp")->isEnabled());
    QVERIFY(button("ButtonMapSetUp")->toolTip().isEmpty());
}

void PageCaptionsTest::bookPageShowsItsTotalAndWhyOkIsOff() {
    showTab("AbsoluteSE1");
    auto* total = w_->find<QLabel>(QStringLiteral("AbsoluteTotal"));
    const auto spin = [this](int n) {
        return w_->find<SpinEdit>(QStringLiteral("AbsoluteSE%1").arg(n));
    };
    box("AbsoluteCB4")->setChecked(false); // not fully random: the counts count
    spin(3)->setValue(5);
    spin(2)->setValue(15);
    spin(1)->setValue(20);
    QCOMPARE(total->text(), QStringLiteral("合計 40 / 50 枚"));
    expectRefused("BRandomAbsolute", QStringLiteral("現在 40 枚"));
    // The page's own warning stays as it always was, the reason comes on top of it.
    QCOMPARE(w_->find<QLabel>(QStringLiteral("LabelA"))->text(),
             QStringLiteral("それぞれの合計枚数が50以内になるように"));
    spin(3)->setValue(15);
    QCOMPARE(total->text(), QStringLiteral("合計 50 / 50 枚"));
    QVERIFY(button("BRandomAbsolute")->isEnabled());
    QVERIFY(button("BRandomAbsolute")->toolTip().isEmpty());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PageCaptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_page_captions.moc"
