// The OK buttons of the six card pages: what they show, what they write, how they fail.
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/field_reader.h"
#include "store/random_source.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

using namespace tavu;
using namespace tavu::test;

namespace {
const QString DrawWarning = QStringLiteral("抽出条件を正しく設定して下さい");

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

class DrawPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void creatureSingleFollowsTheSeed();
    void multipleDrawWritesLinesSentenceAndFooter();
    void cancelStillClearsAndTheNameIsOfferedAgain();
    void itemClearAfterKeepsTheRarity();
    void randomCountIsWrittenIntoTheSpinEditAndStored();
    void eOnlyShortageShowsDrawWarning();
    void fiftySpellsGiveFiftyFourLines();
    void spellWithoutMatchingCardSaysSo();
    void missingFooterEndsCreatureAndSpellDrawsTheirOwnWay();
    void fileThatCannotBeWrittenIsReportedAndTheListKept();

private:
    // Start-up seeds the random source from the clock; the tests then pin it.
    void start() {
        w_->start();
        processRandom().setSeed(45296789);
    }
    QCheckBox* box(const char* name) { return w_->find<QCheckBox>(QString::fromUtf8(name)); }
    QLineEdit* field(const char* name) { return w_->find<QLineEdit>(QString::fromUtf8(name)); }
    ResultBox* list(const char* name) { return w_->find<ResultBox>(QString::fromUtf8(name)); }
    SpinEdit* spin(const char* name) { return w_->find<SpinEdit>(QString::fromUtf8(name)); }
    void press(const char* name) { w_->find<QPushButton>(QString::fromUtf8(name))->click(); }
    QString outFile(const char* name) const { return QString::fromStdString((out_ / name).string()); }

    std::unique_ptr<StartedWindow> w_;
    std::filesystem::path out_;
};

void DrawPagesTest::init() {
    w_ = std::make_unique<StartedWindow>();
    out_ = w_->systemDir().parent_path();
}

void DrawPagesTest::cleanup() {
    w_.reset();
}

// Candidates with N, S and R ticked: 無N 無S 無R 火N 火S … (15). From 45296789 the first
// state lies in [0.48, 0.5) of 2^32, so Random(15) = 7: 水S, the water beast 2; the second in
// [0.26, 0.28), so Random(4) = 1: two copies.
void DrawPagesTest::creatureSingleFollowsTheSeed() {
    start();
    press("BRandom1");
    QCOMPARE(field("CEdit1")->text().trimmed(), QStringLiteral("水の獣2"));
    QCOMPARE(field("CEdit6")->text(), QStringLiteral("  有り"));
    QCOMPARE(field("CEdit7")->text(), QStringLiteral("  S"));
    QCOMPARE(field("CEdit9")->text(), QStringLiteral("  2"));
    QVERIFY(w_->dialogs.calls.isEmpty());
}

void DrawPagesTest::multipleDrawWritesLinesSentenceAndFooter() {
    start();
    box("ICB5B")->setChecked(true);
    spin("ISE4B")->setValue(12);
    w_->dialogs.fileNames << outFile("items.txt");
    press("BRandom4");

    const QStringList shown = list("ItemRE")->lines();
    QCOMPARE(shown.size(), 13);
    QCOMPARE(shown[10], QString());
    std::string expected;
    for (const QString& line : shown)
        expected += sjis::fromUtf8OrThrow(line.toStdString()) + "\r\n";
    expected += "\r\n" + sjis::fromUtf8OrThrow("の 12枚を組み込んでブックを作成して下さい。") + "\r\n";
    for (const auto& line : splitLines(fileBytes(w_->systemDir() / CommentFileName)))
        expected += line + "\r\n";
    // The draw's code ends the file.
    const QString code = w_->window().context().drawCode();
    QVERIFY(code.startsWith(QStringLiteral("tavu1.item-multiple.k=all.r=NSR.n=12.")));
    expected += sjis::fromUtf8OrThrow("抽出コード: ") + code.toStdString() + "\r\n";
    QCOMPARE(fileBytes(out_ / "items.txt"), expected);

    QCOMPARE(w_->dialogs.saveRequests.size(), 1);
    const SaveDialogRequest& request = w_->dialogs.saveRequests[0];
    QCOMPARE(request.title, QStringLiteral("TAVU ファイルの保存"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
    QVERIFY(request.filter.startsWith(QStringLiteral("テキストファイル(*.txt)")));
    QVERIFY(request.initialName.isEmpty());
    // The clear-after box is not ticked: the list stays.
    QCOMPARE(list("ItemRE")->lines().size(), 13);
}

void DrawPagesTest::cancelStillClearsAndTheNameIsOfferedAgain() {
    start();
    box("CCB2A")->setChecked(true);
    box("CCB3A")->setChecked(true);
    w_->dialogs.fileNames << outFile("first.txt");
    press("BRandom1");
    QVERIFY(std::filesystem::exists(out_ / "first.txt"));
    QVERIFY(field("CEdit1")->text().isEmpty());

    press("BRandom1"); // no name scripted: the dialog is cancelled
    QCOMPARE(w_->dialogs.saveRequests.size(), 2);
    QCOMPARE(w_->dialogs.saveRequests[1].initialName, outFile("first.txt"));
    for (int i = 1; i <= 9; ++i)
        QVERIFY2(field(("CEdit" + std::to_string(i)).c_str())->text().isEmpty(), "cleared after cancel");

    // Unticking the output box disables the clear-after box: the fields stay.
    box("CCB2A")->setChecked(false);
    press("BRandom1");
    QVERIFY(!field("CEdit1")->text().isEmpty());
}

void DrawPagesTest::itemClearAfterKeepsTheRarity() {
    start();
    box("ICB1")->setChecked(true);
    box("ICB2")->setChecked(true);
    w_->dialogs.fileNames << outFile("item.txt");
    press("BRandom3");
    QVERIFY(!field("IEdit6")->text().isEmpty());
    for (const char* name : {"IEdit1", "IEdit2", "IEdit3", "IEdit4", "IEdit5", "IEdit7", "IEdit8"})
        QVERIFY2(field(name)->text().isEmpty(), name);
    const std::string written = fileBytes(out_ / "item.txt");
    QVERIFY(written.find(sjis::fromUtf8OrThrow("枚 組み込んでブックを作成して下さい。\r\n")) !=
            std::string::npos);
}

// From seed 0 the first call returns 0: the spin edit's clamp makes the count 1.
void DrawPagesTest::randomCountIsWrittenIntoTheSpinEditAndStored() {
    start();
    box("CCB1B")->setChecked(true);
    processRandom().setSeed(0);
    press("BRandom2");
    QCOMPARE(spin("CSE4B")->value(), 1);
    QCOMPARE(list("CRE")->lines().size(), 1);
    QCOMPARE(w_->storedSettings()[entry::CreatureMultipleCount], 1);
}

void DrawPagesTest::eOnlyShortageShowsDrawWarning() {
    start();
    for (const char* name : {"CRCB1B", "CRCB2B", "CRCB3B"})
        box(name)->setChecked(false);
    box("CRCB4B")->setChecked(true);
    const std::uint32_t before = processRandom().seed();
    press("BRandom2"); // 20 asked, 5 E creatures in the tables
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("warn"));
    QCOMPARE(w_->dialogs.calls[0].text, DrawWarning);
    QCOMPARE(w_->dialogs.calls[0].caption, QStringLiteral("TAVU for DS Warning !"));
    QVERIFY(list("CRE")->lines().isEmpty());
    QCOMPARE(processRandom().seed(), before);
}

void DrawPagesTest::fiftySpellsGiveFiftyFourLines() {
    start();
    spin("SSE1B")->setValue(50);
    press("BRandom6");
    const QStringList shown = list("SpellRE")->lines();
    QCOMPARE(shown.size(), 54);
    QVERIFY(shown.last().startsWith(QStringLiteral("50 ")));
}

void DrawPagesTest::spellWithoutMatchingCardSaysSo() {
    start();
    for (const char* name : {"SCB1N", "SCB1S", "SCB1R"})
        box(name)->setChecked(false);
    box("SCB1E")->setChecked(true);
    press("BRandom5"); // the fixture's one E spell
    QCOMPARE(field("SEdit8")->text(), QStringLiteral("  1"));

    // Replace the tables' spells by N spells only: nothing matches E.
    Tables tables = w_->window().context().tables();
    Table<SpellRecord> onlyN(1);
    SpellRecord n;
    n.rarity = "  N";
    onlyN.append(n);
    tables.spells = onlyN;
    w_->window().context().takeTables(std::move(tables));
    field("SEdit1")->setText(QStringLiteral("before"));
    press("BRandom5");
    QCOMPARE(w_->dialogs.texts(), QStringList{QStringLiteral("該当カードなし")});
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("inform"));
    QCOMPARE(field("SEdit1")->text(), QStringLiteral("before"));
}

void DrawPagesTest::missingFooterEndsCreatureAndSpellDrawsTheirOwnWay() {
    start();
    std::filesystem::remove(w_->systemDir() / CommentFileName);
    box("CCB2B")->setChecked(true);
    box("SCB2B")->setChecked(true);
    w_->dialogs.fileNames << outFile("never.txt") << outFile("never.txt");
    press("BRandom2");
    press("BRandom6");
    QCOMPARE(w_->dialogs.calls.size(), 2);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("warn"));
    QCOMPARE(w_->dialogs.calls[0].text, DrawWarning);
    QCOMPARE(w_->dialogs.calls[1].kind, QStringLiteral("error"));
    QVERIFY(w_->dialogs.calls[1].text.contains(QStringLiteral("Comment.tri")));
    QVERIFY(!std::filesystem::exists(out_ / "never.txt"));
    // What was listed before the failure stays.
    QCOMPARE(list("CRE")->lines().size(), 20);
}

void DrawPagesTest::fileThatCannotBeWrittenIsReportedAndTheListKept() {
    start();
    box("SCB2B")->setChecked(true);
    box("SCB3B")->setChecked(true);
    w_->dialogs.fileNames << outFile("gone/spells.txt");
    press("BRandom6");
    QCOMPARE(w_->dialogs.calls.last().kind, QStringLiteral("error"));
    QVERIFY(w_->dialogs.calls.last().text.contains(QStringLiteral("spells.txt")));
    QCOMPARE(list("SpellRE")->lines().size(), 16);
    QVERIFY(!std::filesystem::exists(out_ / "gone"));
}

QTEST_MAIN(DrawPagesTest)
#include "test_draw_pages.moc"
