// Stored settings put into the controls: handlers run as on a user's change, one control at
// a time, so controls tied together see the earlier ones already restored.
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class ApplySettingsTest : public QObject {
    Q_OBJECT
private slots:
    void bookCountsRestoreInOrder();
    void bookOutputPair();
    void mapRangesRestoreAgainstInitialMaximum();
    void mapConditionSurvivesSetU1Reset();
    void mapOkNeedsOneOfFirstFiveRules();
    void outputPairsAndClearAfterBoxes();
    void randomCountBoxGreysItsSpinEdit();
    void storedPositionsAndValuesOutOfRange();
    void cpuPageRestore();
};

void ApplySettingsTest::bookCountsRestoreInOrder() {
    SettingsArray s = fixtureSettings();
    s[entry::BookCountFirst] = 40;
    s[entry::BookCountFirst + 1] = 5;
    s[entry::BookCountFirst + 2] = 5;
    StartedWindow w(s);
    w.start();
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("AbsoluteSE1"))->value(), 20);
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("AbsoluteSE2"))->value(), 5);
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("AbsoluteSE3"))->value(), 5);
    QVERIFY(!w.find<QPushButton>(QStringLiteral("BRandomAbsolute"))->isEnabled());
    QVERIFY(!w.find<QPushButton>(QStringLiteral("ButtonAbsoluteSave"))->isEnabled());
    QCOMPARE(w.find<QLabel>(QStringLiteral("LabelA"))->text(),
             QStringLiteral("それぞれの合計枚数が50以内になるように"));
    QCOMPARE(w.find<QLabel>(QStringLiteral("LabelB"))->text(), QStringLiteral("枚数を設定して下さい"));
    // The complete book saves only through its own button.
    QVERIFY(!w.settingsLocked());
    QCOMPARE(w.window().context().settings()[entry::BookCountFirst], 40);
}

void ApplySettingsTest::bookOutputPair() {
    SettingsArray s = fixtureSettings();
    s[entry::BookCheckFirst + 1] = 1;
    s[entry::BookCheckFirst + 2] = 1;
    StartedWindow on(s);
    on.start();
    QVERIFY(on.find<QCheckBox>(QStringLiteral("AbsoluteCB2"))->isChecked());
    QVERIFY(on.find<QCheckBox>(QStringLiteral("AbsoluteCB3"))->isEnabled());
    QVERIFY(on.find<QCheckBox>(QStringLiteral("AbsoluteCB3"))->isChecked());

    s[entry::BookCheckFirst + 1] = 0;
    StartedWindow off(s);
    off.start();
    QVERIFY(!off.find<QCheckBox>(QStringLiteral("AbsoluteCB3"))->isEnabled());
    QVERIFY(!off.find<QCheckBox>(QStringLiteral("AbsoluteCB3"))->isChecked());
}

void ApplySettingsTest::mapRangesRestoreAgainstInitialMaximum() {
    SettingsArray s = fixtureSettings();
    s[entry::MapSpinFirst] = 20000;
    s[entry::MapSpinFirst + 1] = 30000;
    s[entry::MapSpinFirst + 4] = 65;
    s[entry::MapSpinFirst + 5] = 90;
    StartedWindow w(s);
    w.start();
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("SESet1"))->value(), 8000);
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("SESet2"))->value(), 30000);
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("SESet5"))->value(), 55);
    QCOMPARE(w.window().context().settings()[entry::MapSpinFirst], 20000);
}

void ApplySettingsTest::mapConditionSurvivesSetU1Reset() {
    SettingsArray s = fixtureSettings();
    s[entry::MapRuleFirst] = 1;
    s[entry::MapCondition] = 3;
    StartedWindow w(s);
    w.start();
    QCOMPARE(w.find<QComboBox>(QStringLiteral("CBSet1"))->currentIndex(), 3);
    // Ticking the map box by hand resets the condition to " 条件指定なし".
    auto* map = w.find<QCheckBox>(QStringLiteral("SetU1"));
    map->setChecked(false);
    map->setChecked(true);
    QCOMPARE(w.find<QComboBox>(QStringLiteral("CBSet1"))->currentIndex(), 0);
}

void ApplySettingsTest::mapOkNeedsOneOfFirstFiveRules() {
    SettingsArray s = fixtureSettings();
    s[entry::MapRuleFirst + 5] = 1; // only the period
    StartedWindow w(s);
    w.start();
    auto* ok = w.find<QPushButton>(QStringLiteral("ButtonMapSetUp"));
    QVERIFY(!ok->isEnabled());
    w.find<QCheckBox>(QStringLiteral("SetU3"))->setChecked(true);
    QVERIFY(ok->isEnabled());
}

void ApplySettingsTest::outputPairsAndClearAfterBoxes() {
    SettingsArray s = fixtureSettings();
    s[entry::ItemSingleOutput] = entry::ItemSingleOutput;
    s[entry::ItemSingleClear] = entry::ItemSingleClear;
    s[entry::SpellMultipleOutput] = 0;
    s[entry::SpellMultipleClear] = entry::SpellMultipleClear;
    StartedWindow w(s);
    w.start();
    QVERIFY(w.find<QCheckBox>(QStringLiteral("ICB1"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("ICB2"))->isEnabled());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("ICB2"))->isChecked());
    // Without its output box a stored clear-after tick is left alone: unticked, disabled.
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("SCB3B"))->isChecked());
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("SCB3B"))->isEnabled());
    // Ticking the output box saved the array.
    QVERIFY(w.settingsLocked());
}

void ApplySettingsTest::randomCountBoxGreysItsSpinEdit() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureRandomCount] = entry::CreatureRandomCount;
    s[entry::ItemRandomCount] = 1; // not its own index: stays unticked
    StartedWindow w(s);
    w.start();
    auto* count = w.find<SpinEdit>(QStringLiteral("CSE4B"));
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB1B"))->isChecked());
    QVERIFY(!count->isEnabled());
    QCOMPARE(count->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("ICB4B"))->isChecked());
    QVERIFY(w.find<SpinEdit>(QStringLiteral("ISE4B"))->isEnabled());
}

void ApplySettingsTest::storedPositionsAndValuesOutOfRange() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureSingleCopies] = 9;
    s[entry::ItemSingleCopies] = 3;
    s[entry::CreatureMultipleCount] = 80;
    StartedWindow w(s);
    w.start();
    QCOMPARE(w.find<QComboBox>(QStringLiteral("CCB1A"))->currentIndex(), -1);
    QCOMPARE(w.find<QComboBox>(QStringLiteral("ICB4"))->currentIndex(), 3);
    QCOMPARE(w.find<SpinEdit>(QStringLiteral("CSE4B"))->value(), 50);
    // Its change handler ran and wrote the clamped value.
    QCOMPARE(w.storedSettings()[entry::CreatureMultipleCount], 50);
}

void ApplySettingsTest::cpuPageRestore() {
    SettingsArray s = fixtureSettings();
    for (int i = 0; i < 5; ++i)
        s[static_cast<std::size_t>(entry::CpuElementFirst + i)] = 0;
    s[entry::CpuOutput] = 1;
    s[entry::CpuClear] = 1;
    s[entry::CpuCount] = 1;
    s[entry::CpuAllies] = 3;
    StartedWindow w(s);
    w.start();
    QVERIFY(!w.find<QPushButton>(QStringLiteral("ButtonVSSetUp"))->isEnabled());
    // Setting the combos runs no handler, so the save button stays enabled.
    QVERIFY(w.find<QPushButton>(QStringLiteral("ButtonCPUSave"))->isEnabled());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("VS_CBFile2"))->isEnabled());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("VS_CBFile2"))->isChecked());
    QCOMPARE(w.find<QComboBox>(QStringLiteral("VS_CBox2"))->currentIndex(), 3);
    QVERIFY(!w.settingsLocked());
}

QTEST_MAIN(ApplySettingsTest)
#include "test_apply_settings.moc"
