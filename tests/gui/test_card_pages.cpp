// The filter, output and clear-after rules the six card pages share.
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class CardPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void okNeedsAnElementAndARarity();
    void spellOkNeedsARarity();
    void itemPagesRefuseEOnlyArmourAndScrolls();
    void outputBoxGovernsClearAfterBox();
    void everyFilterClickSavesTheEBox();
    void countControlsWriteTheirEntries();
    void randomCountBoxTogglesSpinEdit();
    void clearButtonsEmptyTheirResults();

private:
    std::unique_ptr<StartedWindow> w_;
    QCheckBox* box(const char* name) { return w_->find<QCheckBox>(QString::fromUtf8(name)); }
    QPushButton* button(const char* name) { return w_->find<QPushButton>(QString::fromUtf8(name)); }
};

void CardPagesTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
}

void CardPagesTest::cleanup() {
    w_.reset();
}

void CardPagesTest::okNeedsAnElementAndARarity() {
    for (const char* name : {"CB1", "CB2", "CB3", "CB4", "CB5"})
        box(name)->setChecked(false);
    QVERIFY(!button("BRandom1")->isEnabled());
    box("CB3")->setChecked(true);
    QVERIFY(button("BRandom1")->isEnabled());
    for (const char* name : {"CRCB1A", "CRCB2A", "CRCB3A"})
        box(name)->setChecked(false);
    QVERIFY(!button("BRandom1")->isEnabled());
    box("CRCB4A")->setChecked(true);
    QVERIFY(button("BRandom1")->isEnabled());
    // The other page keeps its own state.
    QVERIFY(button("BRandom2")->isEnabled());
}

void CardPagesTest::spellOkNeedsARarity() {
    for (const char* name : {"SCB2N", "SCB2S", "SCB2R"})
        box(name)->setChecked(false);
    QVERIFY(!button("BRandom6")->isEnabled());
    box("SCB2S")->setChecked(true);
    QVERIFY(button("BRandom6")->isEnabled());
}

void CardPagesTest::itemPagesRefuseEOnlyArmourAndScrolls() {
    box("ItemReaCBox1E")->setChecked(true);
    for (const char* name : {"ItemReaCBox1N", "ItemReaCBox1S", "ItemReaCBox1R"})
        box(name)->setChecked(false);
    QVERIFY(button("BRandom3")->isEnabled()); // every kind still ticked
    box("ICB1A")->setChecked(false);
    box("ICB3A")->setChecked(false);
    QVERIFY(!button("BRandom3")->isEnabled()); // armour and scrolls
    box("ICB4A")->setChecked(false);
    QVERIFY(!button("BRandom3")->isEnabled()); // armour alone
    box("ICB2A")->setChecked(false);
    box("ICB4A")->setChecked(true);
    QVERIFY(!button("BRandom3")->isEnabled()); // scrolls alone
    box("ICB1A")->setChecked(true);
    QVERIFY(button("BRandom3")->isEnabled());
    box("ItemReaCBox1N")->setChecked(true);
    box("ICB1A")->setChecked(false);
    QVERIFY(button("BRandom3")->isEnabled()); // not E alone any more
}

void CardPagesTest::outputBoxGovernsClearAfterBox() {
    auto* output = box("ICB5B");
    auto* clearAfter = box("ICB6B");
    QVERIFY(!clearAfter->isEnabled());
    output->setChecked(true);
    QVERIFY(clearAfter->isEnabled());
    clearAfter->setChecked(true);
    output->setChecked(false);
    QVERIFY(!clearAfter->isEnabled());
    QVERIFY(clearAfter->isChecked());
    const SettingsArray stored = w_->storedSettings();
    QCOMPARE(stored[entry::ItemMultipleOutput], 0);
    QCOMPARE(stored[entry::ItemMultipleClear], entry::ItemMultipleClear);
    output->setChecked(true);
    QVERIFY(clearAfter->isEnabled() && clearAfter->isChecked());
    QCOMPARE(w_->storedSettings()[entry::ItemMultipleOutput], entry::ItemMultipleOutput);
}

void CardPagesTest::everyFilterClickSavesTheEBox() {
    QVERIFY(!w_->settingsLocked());
    box("FCB")->setChecked(false);
    QVERIFY(w_->settingsLocked());
    QCOMPARE(w_->storedSettings()[entry::CreatureMultipleRarityE], 0);
    box("SCB1E")->setChecked(true);
    QCOMPARE(w_->storedSettings()[entry::SpellSingleRarityE], entry::RarityEChecked);
}

void CardPagesTest::countControlsWriteTheirEntries() {
    auto* copies = w_->find<QComboBox>(QStringLiteral("SpellCB1A"));
    // Choosing from the list runs the handler; setting the selection from code does not.
    copies->setCurrentIndex(2);
    QVERIFY(!w_->settingsLocked());
    emit copies->activated(2);
    QCOMPARE(w_->storedSettings()[entry::SpellSingleCopies], 2);
    w_->find<SpinEdit>(QStringLiteral("ISE4B"))->setValue(33);
    QCOMPARE(w_->storedSettings()[entry::ItemMultipleCount], 33);
}

void CardPagesTest::randomCountBoxTogglesSpinEdit() {
    auto* spin = w_->find<SpinEdit>(QStringLiteral("SSE1B"));
    box("SCB1B")->setChecked(true);
    QVERIFY(!spin->isEnabled());
    QCOMPARE(w_->storedSettings()[entry::SpellRandomCount], entry::SpellRandomCount);
    box("SCB1B")->setChecked(false);
    QVERIFY(spin->isEnabled());
    QCOMPARE(spin->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(w_->storedSettings()[entry::SpellRandomCount], 0);
}

void CardPagesTest::clearButtonsEmptyTheirResults() {
    for (int n = 1; n <= 8; ++n)
        w_->find<QLineEdit>(QStringLiteral("IEdit") + QString::number(n))->setText(QStringLiteral("x"));
    w_->find<ResultBox>(QStringLiteral("CRE"))->setPlainText(QStringLiteral("火　name"));
    const std::string before = w_->settingsBytes();
    button("ButtonC5")->click();
    button("ButtonC1")->click();
    for (int n = 1; n <= 8; ++n)
        QVERIFY(w_->find<QLineEdit>(QStringLiteral("IEdit") + QString::number(n))->text().isEmpty());
    QVERIFY(w_->find<ResultBox>(QStringLiteral("CRE"))->lines().isEmpty());
    QCOMPARE(w_->settingsBytes(), before);
}

QTEST_MAIN(CardPagesTest)
#include "test_card_pages.moc"
