// Draw codes in the window: each draw's code, the result file that ends with it, and the two
// menu items that replay a code and check a file, against what tavu-cli makes of the same code.
#include "app/preferences.h"
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/random_source.h"
#include "store/sjis_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class DrawCodesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyResultFileIsWhatTheCommandLineReplays_data();
    void everyResultFileIsWhatTheCommandLineReplays();
    void theStatusBarShowsTheLastCode();
    void checkingAFileNamesTheOutcome();
    void replayingACodeSetsThePageAndDrawsAgain();
    void aCodeFromOtherDataIsDrawnOnlyWhenConfirmed();
    void theCodeLineCanBeLeftOutAndStaysOut();

private:
    template <class T>
    T* find(const QString& name) {
        return w_->find<T>(name);
    }
    void press(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    void trigger(const QString& name) { find<QAction>(name)->trigger(); }
    QString code() { return w_->window().context().drawCode(); }
    // What `tavu-cli --sjis --footer replay CODE` prints over the window's data folder.
    QByteArray replayed(const QString& drawCode) {
        QProcess cli;
        cli.start(QStringLiteral(TAVU_CLI),
                  {QStringLiteral("--system"), QString::fromStdString(w_->systemDir().string()),
                   QStringLiteral("--sjis"), QStringLiteral("--footer"), QStringLiteral("replay"), drawCode});
        cli.waitForFinished(60000);
        return cli.readAllStandardOutput();
    }

    std::unique_ptr<StartedWindow> w_;
    QTemporaryDir out_;
};

void DrawCodesTest::init() {
    w_ = std::make_unique<StartedWindow>(std::filesystem::path(TAVU_SYSTEM_DIR));
    w_->start();
}

void DrawCodesTest::cleanup() {
    w_.reset();
}

void DrawCodesTest::everyResultFileIsWhatTheCommandLineReplays_data() {
    QTest::addColumn<QStringList>("ticks"); // boxes ticked before the draw, the output box first
    QTest::addColumn<QString>("ok");
    QTest::newRow("creature list") << QStringList{"CCB2B", "CRCB4B"} << "BRandom2";
    QTest::newRow("creature single") << QStringList{"CCB2A"} << "BRandom1";
    QTest::newRow("item list") << QStringList{"ICB5B", "ICB4B"} << "BRandom4";
    QTest::newRow("spell single") << QStringList{"SCB1A"} << "BRandom5";
    QTest::newRow("spell list") << QStringList{"SCB2B"} << "BRandom6";
    QTest::newRow("book") << QStringList{"AbsoluteCB2", "AbsoluteCB4"} << "BRandomAbsolute";
    QTest::newRow("cpu") << QStringList{"VS_CBFile1"} << "ButtonVSSetUp";
}

// The window's file and the command line's replay of its code are the same bytes.
void DrawCodesTest::everyResultFileIsWhatTheCommandLineReplays() {
    QFETCH(QStringList, ticks);
    QFETCH(QString, ok);
    for (const QString& name : ticks)
        find<QCheckBox>(name)->setChecked(true);
    for (std::uint32_t seed : {1u, 45296789u, 4000000000u}) {
        const QString file = out_.filePath(QStringLiteral("result%1.txt").arg(seed));
        w_->dialogs.fileNames << file;
        processRandom().setSeed(seed);
        press(ok);
        QVERIFY2(!code().isEmpty(), qPrintable(ok));
        const std::string written = readWholeFile(file.toStdString());
        QVERIFY(written.ends_with(sjis::fromUtf8OrThrow("抽出コード: ") + code().toStdString() + "\r\n"));
        QCOMPARE(replayed(code()), QByteArray::fromStdString(written));
    }
}

void DrawCodesTest::theStatusBarShowsTheLastCode() {
    auto* panel = find<QLabel>(QStringLiteral("StatusPanelCode"));
    QVERIFY(panel->isHidden());
    press(QStringLiteral("ButtonMapSetUp"));
    QVERIFY(!panel->isHidden());
    QCOMPARE(panel->text(), code());
    QVERIFY(code().startsWith(QStringLiteral("tavu1.map.")));
}

void DrawCodesTest::checkingAFileNamesTheOutcome() {
    find<QCheckBox>(QStringLiteral("AbsoluteCB2"))->setChecked(true);
    const QString file = out_.filePath(QStringLiteral("book.txt"));
    w_->dialogs.fileNames << file;
    press(QStringLiteral("BRandomAbsolute"));
    w_->dialogs.fileNames << file;
    trigger(QStringLiteral("mnuCheckFile"));
    QCOMPARE(w_->dialogs.calls.last().kind, QStringLiteral("inform"));
    QCOMPARE(w_->dialogs.calls.last().text, QStringLiteral("一致しました"));

    std::string bytes = readWholeFile(file.toStdString());
    bytes.insert(bytes.find("\r\n", bytes.find("\r\n") + 2), "x"); // line 2
    writeFileAtomically(file.toStdString(), bytes);
    w_->dialogs.fileNames << file;
    trigger(QStringLiteral("mnuCheckFile"));
    QCOMPARE(w_->dialogs.calls.last().kind, QStringLiteral("warn"));
    QVERIFY(w_->dialogs.calls.last().text.startsWith(QStringLiteral("2 行目が違います")));
}

void DrawCodesTest::replayingACodeSetsThePageAndDrawsAgain() {
    find<QCheckBox>(QStringLiteral("FCB"))->setChecked(false);
    find<QCheckBox>(QStringLiteral("CRCB4B"))->setChecked(true);
    find<SpinEdit>(QStringLiteral("CSE4B"))->setValue(7);
    press(QStringLiteral("BRandom2"));
    const QString drawn = code();
    const QStringList lines = find<ResultBox>(QStringLiteral("CRE"))->lines();

    // Another state of the page, another random state, another page in view.
    find<QCheckBox>(QStringLiteral("FCB"))->setChecked(true);
    find<SpinEdit>(QStringLiteral("CSE4B"))->setValue(30);
    press(QStringLiteral("BRandom2"));
    press(QStringLiteral("BRandomAbsolute"));
    w_->dialogs.typed << drawn;
    trigger(QStringLiteral("mnuReplayCode"));
    QCOMPARE(code(), drawn);
    QCOMPARE(find<ResultBox>(QStringLiteral("CRE"))->lines(), lines);
    QVERIFY(!find<QCheckBox>(QStringLiteral("FCB"))->isChecked());
    QCOMPARE(find<SpinEdit>(QStringLiteral("CSE4B"))->value(), 7);
    QVERIFY(find<ResultBox>(QStringLiteral("CRE"))->isVisibleTo(&w_->window()));

    w_->dialogs.typed << QStringLiteral("tavu1.creature-multiple.e=all");
    trigger(QStringLiteral("mnuReplayCode"));
    QCOMPARE(w_->dialogs.calls.last().kind, QStringLiteral("warn"));
}

void DrawCodesTest::aCodeFromOtherDataIsDrawnOnlyWhenConfirmed() {
    const QString other = QStringLiteral("tavu1.spell-single.r=NSR.c=3.v=99.s=7.d=0123456789abcdef");
    w_->dialogs.typed << other;
    w_->dialogs.answers << false;
    trigger(QStringLiteral("mnuReplayCode"));
    QCOMPARE(w_->dialogs.calls.last().kind, QStringLiteral("question"));
    QVERIFY(w_->dialogs.calls.last().text.contains(QStringLiteral("版 99")));
    QVERIFY(code().isEmpty());
    w_->dialogs.typed << other;
    w_->dialogs.answers << true;
    trigger(QStringLiteral("mnuReplayCode"));
    QVERIFY(code().startsWith(QStringLiteral("tavu1.spell-single.r=NSR.c=3.v=100.s=7.")));
}

// Without the line the file is exactly what it was before codes, the command line's footer
// less its last line; the choice outlives the run.
void DrawCodesTest::theCodeLineCanBeLeftOutAndStaysOut() {
    const auto file = std::filesystem::path(out_.filePath(QStringLiteral("tavu.conf")).toStdString());
    Preferences preferences(file);
    w_->window().usePreferences(preferences);
    auto* item = find<QAction>(QStringLiteral("mnuCodeLine"));
    QVERIFY(item->isChecked());
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!Preferences(file).codeLineInResultFile());

    find<QCheckBox>(QStringLiteral("SCB1A"))->setChecked(true);
    const QString result = out_.filePath(QStringLiteral("spell.txt"));
    w_->dialogs.fileNames << result;
    press(QStringLiteral("BRandom5"));
    QByteArray replay = replayed(code());
    QVERIFY(replay.endsWith(QByteArray::fromStdString(code().toStdString() + "\r\n")));
    replay.truncate(replay.lastIndexOf("\r\n", replay.size() - 3) + 2);
    QCOMPARE(QByteArray::fromStdString(readWholeFile(result.toStdString())), replay);

    Preferences nextRun(file);
    w_->window().usePreferences(nextRun);
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(Preferences(file).codeLineInResultFile());
}

QTEST_MAIN(DrawCodesTest)
#include "test_draw_codes.moc"
