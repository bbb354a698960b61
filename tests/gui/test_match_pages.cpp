// The battle-map and CPU-opponent pages: their control rules and their own save buttons.
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class MatchPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void minimumStaysBelowMaximum();
    void mapSaveCancelledChangesNothing();
    void mapSaveWritesItsEntries();
    void oneCpuPlayerWithAlliesDisablesButtons();
    void checkAllTicksEveryElement();

private:
    SpinEdit* spin(const char* name) { return w_->find<SpinEdit>(QString::fromUtf8(name)); }
    QComboBox* combo(const char* name) { return w_->find<QComboBox>(QString::fromUtf8(name)); }
    QPushButton* button(const char* name) { return w_->find<QPushButton>(QString::fromUtf8(name)); }
    std::unique_ptr<StartedWindow> w_;
};

void MatchPagesTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
}

void MatchPagesTest::cleanup() {
    w_.reset();
}

void MatchPagesTest::minimumStaysBelowMaximum() {
    spin("SESet1")->setValue(8000);
    spin("SESet2")->setValue(7000);
    QCOMPARE(spin("SESet1")->value(), 6000);
    spin("SESet1")->setValue(7000);
    QCOMPARE(spin("SESet1")->value(), 7000); // equal is allowed
    spin("SESet4")->setValue(40);
    spin("SESet3")->setValue(45);
    QCOMPARE(spin("SESet3")->value(), 35);
}

void MatchPagesTest::mapSaveCancelledChangesNothing() {
    w_->find<QCheckBox>(QStringLiteral("SetU2"))->setChecked(true);
    w_->dialogs.answers = {false};
    const std::string before = w_->settingsBytes();
    button("ButtonMapSave")->click();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].text, QStringLiteral("現在の設定を保存しますか？   "));
    QCOMPARE(w_->dialogs.calls[0].caption, QStringLiteral("TAVU for DS Warning !"));
    QCOMPARE(w_->settingsBytes(), before);
    QCOMPARE(w_->window().context().settings()[entry::MapRuleFirst + 1], 0);
}

void MatchPagesTest::mapSaveWritesItsEntries() {
    w_->find<QCheckBox>(QStringLiteral("SetU3"))->setChecked(true);
    combo("CBSet1")->setCurrentIndex(5);
    combo("CBset3")->setCurrentIndex(2);
    combo("CBSet4")->setCurrentIndex(1);
    spin("SESet6")->setValue(75);
    button("ButtonMapSave")->click();
    QCOMPARE(w_->dialogs.texts().last(), QStringLiteral("保存は正常に行われました"));
    const SettingsArray stored = w_->storedSettings();
    QCOMPARE(stored[entry::MapRuleFirst + 2], 1);
    QCOMPARE(stored[entry::MapRuleFirst], 0);
    QCOMPARE(stored[entry::MapCondition], 5);
    QCOMPARE(stored[entry::MapSpinFirst + 5], 75);
    QCOMPARE(stored[entry::LandLevel], 2);
    QCOMPARE(stored[entry::SuddenDeath], 1);
}

void MatchPagesTest::oneCpuPlayerWithAlliesDisablesButtons() {
    combo("VS_ComboBox")->setCurrentIndex(1);
    combo("VS_CBox2")->setCurrentIndex(3);
    emit combo("VS_CBox2")->activated(3);
    QVERIFY(!button("ButtonVSSetUp")->isEnabled());
    QVERIFY(!button("ButtonCPUSave")->isEnabled());
    // An element box enables OK again, but not the save button.
    w_->find<QCheckBox>(QStringLiteral("VS_CB2"))->setChecked(false);
    QVERIFY(button("ButtonVSSetUp")->isEnabled());
    QVERIFY(!button("ButtonCPUSave")->isEnabled());
}

void MatchPagesTest::checkAllTicksEveryElement() {
    for (int n = 1; n <= 5; ++n)
        w_->find<QCheckBox>(QStringLiteral("VS_CB") + QString::number(n))->setChecked(false);
    QVERIFY(!button("ButtonVSSetUp")->isEnabled());
    w_->find<QAction>(QStringLiteral("N3"))->trigger();
    for (int n = 1; n <= 5; ++n)
        QVERIFY(w_->find<QCheckBox>(QStringLiteral("VS_CB") + QString::number(n))->isChecked());
    QVERIFY(button("ButtonVSSetUp")->isEnabled());
    QVERIFY(!w_->settingsLocked()); // this page saves only through its button
}

QTEST_MAIN(MatchPagesTest)
#include "test_match_pages.moc"
