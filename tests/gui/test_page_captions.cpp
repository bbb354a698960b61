// What the map page's result boxes show is told beside their rows, and the book page's caution
// reads without scrolling sideways.
#include "app/result_box.h"
#include "gui_test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PageCaptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_page_captions.moc"
