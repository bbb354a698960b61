// The complete-book page: its count rule, mode rule and its own save button.
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class BookPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typedCountSettlesAtFiftyMinusTheOthers();
    void settingTooLargeAValueFromCode();
    void totalBelowFiftyDisablesDraw();
    void fullyRandomKeepsButtonsEnabled();
    void untickingFullyRandomLeavesSaveAlone();
    void eOptionRecountsBookCards();
    void saveCancelledWritesNothing();
    void saveWritesItsEntries();
    void cautionTextReplacesTheList();

private:
    SpinEdit* count(int n) { return w_->find<SpinEdit>(QStringLiteral("AbsoluteSE") + QString::number(n)); }
    QCheckBox* option(int n) {
        return w_->find<QCheckBox>(QStringLiteral("AbsoluteCB") + QString::number(n));
    }
    QPushButton* ok() { return w_->find<QPushButton>(QStringLiteral("BRandomAbsolute")); }
    QPushButton* save() { return w_->find<QPushButton>(QStringLiteral("ButtonAbsoluteSave")); }
    QString labelA() { return w_->find<QLabel>(QStringLiteral("LabelA"))->text(); }

    std::unique_ptr<StartedWindow> w_;
};

void BookPageTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
}

void BookPageTest::cleanup() {
    w_.reset();
}

void BookPageTest::typedCountSettlesAtFiftyMinusTheOthers() {
    SpinEdit* creatures = count(1);
    creatures->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(creatures, QStringLiteral("60"));
    QTest::keyClick(creatures, Qt::Key_Return);
    QCOMPARE(creatures->value(), 20);
    QVERIFY(ok()->isEnabled());
    QVERIFY(save()->isEnabled());
    QCOMPARE(labelA(), QStringLiteral("抽出準備が整いました"));
    QCOMPARE(w_->find<QLabel>(QStringLiteral("LabelB"))->text(),
             QStringLiteral("下のＯＫボタンを押して下さい"));
}

void BookPageTest::settingTooLargeAValueFromCode() {
    count(3)->setValue(45);
    QCOMPARE(count(3)->value(), 15);
    count(2)->setValue(0);
    count(3)->setValue(45);
    QCOMPARE(count(3)->value(), 30);
}

void BookPageTest::totalBelowFiftyDisablesDraw() {
    count(2)->setValue(10);
    QVERIFY(!ok()->isEnabled());
    QVERIFY(!save()->isEnabled());
    QCOMPARE(labelA(), QStringLiteral("それぞれの合計枚数が50以内になるように"));
    QVERIFY(!w_->settingsLocked()); // counts are saved only by the button
}

void BookPageTest::fullyRandomKeepsButtonsEnabled() {
    count(1)->setValue(19); // labels now say "not ready"
    option(4)->setChecked(true);
    QVERIFY(ok()->isEnabled());
    count(1)->setValue(10);
    QVERIFY(ok()->isEnabled());
    QVERIFY(save()->isEnabled());
    QCOMPARE(labelA(), QStringLiteral("それぞれの合計枚数が50以内になるように"));
}

void BookPageTest::untickingFullyRandomLeavesSaveAlone() {
    option(4)->setChecked(true);
    count(1)->setValue(10);
    option(4)->setChecked(false);
    QVERIFY(!ok()->isEnabled());
    QVERIFY(save()->isEnabled());
    count(1)->setValue(20);
    QVERIFY(ok()->isEnabled());
}

void BookPageTest::eOptionRecountsBookCards() {
    QCOMPARE(w_->window().context().bookCardCount(), 24);
    option(1)->setChecked(false);
    QCOMPARE(w_->window().context().bookCardCount(), 32);
    QVERIFY(!w_->settingsLocked());
}

void BookPageTest::saveCancelledWritesNothing() {
    // Below 50 only fully random mode keeps the save button enabled.
    option(4)->setChecked(true);
    count(1)->setValue(10);
    w_->dialogs.answers = {false};
    const std::string before = w_->settingsBytes();
    save()->click();
    QCOMPARE(w_->dialogs.texts(), QStringList{QStringLiteral("現在の設定を保存しますか？")});
    QCOMPARE(w_->dialogs.calls.front().caption, QStringLiteral("TAVU"));
    QCOMPARE(w_->settingsBytes(), before);
    QCOMPARE(w_->window().context().settings()[entry::BookCountFirst], 20);
}

void BookPageTest::saveWritesItsEntries() {
    count(1)->setValue(10);
    count(2)->setValue(25);
    option(2)->setChecked(true);
    option(3)->setChecked(true);
    save()->click();
    QCOMPARE(w_->dialogs.texts().last(), QStringLiteral("保存は正常に行われました"));
    QVERIFY(w_->settingsLocked());
    const SettingsArray stored = w_->storedSettings();
    QCOMPARE(stored[entry::BookCountFirst], 10);
    QCOMPARE(stored[entry::BookCountFirst + 1], 25);
    QCOMPARE(stored[entry::BookCountFirst + 2], 15);
    QCOMPARE(stored[entry::BookCheckFirst], 1);
    QCOMPARE(stored[entry::BookCheckFirst + 1], 1);
    QCOMPARE(stored[entry::BookCheckFirst + 2], 1);
    QCOMPARE(stored[entry::BookCheckFirst + 3], 0);
    // Entries that come with the file survive the save.
    QCOMPARE(stored[entry::NoticeFirstYear], 2004);
    QCOMPARE(stored[entry::CardListCount], 32);
}

void BookPageTest::cautionTextReplacesTheList() {
    auto* list = w_->find<ResultBox>(QStringLiteral("AbsoluteRE"));
    list->setPlainText(QStringLiteral("old"));
    w_->find<QPushButton>(QStringLiteral("AbsoluteBCaution"))->click();
    const QStringList lines = list->lines();
    QCOMPARE(lines.size(), 9);
    QVERIFY(lines.front().startsWith(QStringLiteral("この機能は、")));
    QCOMPARE(lines[5], QString());
    QCOMPARE(lines[6], QString());
    QCOMPARE(lines[7], QStringLiteral("―― ヒント ――"));
}

QTEST_MAIN(BookPageTest)
#include "test_book_page.moc"
