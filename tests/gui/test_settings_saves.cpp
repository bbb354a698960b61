// When the window writes system.tri and when it must not: failed saves, settings that did not
// load, a folder it cannot write, and a folder replaced while it runs.
#include "gui_test_support.h"
#include "startup/data_folder_use.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

const QString SaveDone = QStringLiteral("保存は正常に行われました");
constexpr const char* DiskFull = "ディスクに空きがありません";

// Every write in the process fails after its first bytes, as on a full disk. Root in a
// container writes through any mode bits, so this is the one way to refuse writes there.
class FailingWrites {
public:
    FailingWrites() { setFileFaultHook(&fail); }
    ~FailingWrites() { setFileFaultHook(nullptr); }

private:
    static void fail(const char* step) {
        if (std::string_view(step) == "write")
            throw DataError("written file", 0, DiskFull);
    }
};

// Entries whose boxes differ from a fresh start, so that many handlers save while start-up
// sets the controls.
SettingsArray settingsThatRunHandlers() {
    SettingsArray s = fixtureSettings();
    for (int e : {entry::CreatureSingleOutput, entry::CreatureMultipleOutput, entry::ItemSingleOutput,
                  entry::ItemMultipleOutput, entry::SpellSingleOutput, entry::SpellMultipleOutput,
                  entry::CreatureRandomCount, entry::ItemRandomCount, entry::SpellRandomCount})
        s[static_cast<std::size_t>(e)] = e;
    return s;
}

int countOf(const FakeDialogs& dialogs, const QString& kind) {
    int n = 0;
    for (const DialogCall& call : dialogs.calls)
        n += call.kind == kind ? 1 : 0;
    return n;
}

} // namespace

class SettingsSavesTest : public QObject {
    Q_OBJECT
private slots:
    void failedSaveIsNeverReportedAsDone_data();
    void failedSaveIsNeverReportedAsDone();
    void settingsThatDidNotLoadAreNeverWritten_data();
    void settingsThatDidNotLoadAreNeverWritten();
    void unwritableFileFailsOncePerRun();
    void lockedSettingsInAnUnwritableFolderLoadWithoutWriting();
    void replacedSettingsAreNotWrittenOver();
    void commandLineUpdateRefusesWhileTheWindowRuns();

private:
    QCheckBox* box(StartedWindow& w, const char* name) { return w.find<QCheckBox>(QString::fromUtf8(name)); }
    void press(StartedWindow& w, const QString& name) { w.find<QPushButton>(name)->click(); }
};

void SettingsSavesTest::failedSaveIsNeverReportedAsDone_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("book") << "ButtonAbsoluteSave";
    QTest::newRow("map") << "ButtonMapSave";
    QTest::newRow("cpu") << "ButtonCPUSave";
}

void SettingsSavesTest::failedSaveIsNeverReportedAsDone() {
    QFETCH(QString, button);
    StartedWindow w;
    w.start();
    fs::remove(w.settingsFile());
    fs::create_directory(w.settingsFile());
    press(w, button);
    QCOMPARE(w.dialogs.calls.size(), 2);
    QCOMPARE(w.dialogs.calls[0].kind, QStringLiteral("question"));
    QCOMPARE(w.dialogs.calls[1].kind, QStringLiteral("error"));
    QVERIFY(!w.dialogs.calls[1].text.isEmpty());

    // Once the file is back, the same button saves and says so.
    fs::remove(w.settingsFile());
    writePlainSettings(w.systemDir(), fixtureSettings());
    press(w, button);
    QCOMPARE(w.dialogs.texts().last(), SaveDone);
    QVERIFY(w.settingsLocked());
}

void SettingsSavesTest::settingsThatDidNotLoadAreNeverWritten_data() {
    QTest::addColumn<bool>("foreignKey");
    QTest::newRow("bad number on line 60") << false;
    QTest::newRow("locked with another key") << true;
}

void SettingsSavesTest::settingsThatDidNotLoadAreNeverWritten() {
    QFETCH(bool, foreignKey);
    StartedWindow w;
    if (foreignKey) {
        QVERIFY(LockDataFile(w.settingsFile(), "ABCD", false));
    } else {
        std::string text = formatSettings(fixtureSettings());
        std::size_t at = 0;
        for (int line = 0; line < 59; ++line)
            at = text.find('\n', at) + 1;
        text.insert(at, "x");
        writeFileAtomically(w.settingsFile(), text);
    }
    const std::string before = w.settingsBytes();
    w.start();
    QCOMPARE(w.dialogs.calls.size(), 1); // the load error
    QCOMPARE(w.dialogs.calls[0].kind, QStringLiteral("error"));

    // The controls work; the first save says once why nothing is written.
    box(w, "CCB2A")->setChecked(true);
    QVERIFY(box(w, "CCB3A")->isEnabled());
    box(w, "CCB2B")->setChecked(true);
    box(w, "CCB2A")->setChecked(false);
    QCOMPARE(w.dialogs.calls.size(), 2);
    QCOMPARE(w.dialogs.calls[1].kind, QStringLiteral("warn"));
    QVERIFY(w.dialogs.calls[1].text.contains(QStringLiteral("設定を保存しません")));
    QVERIFY(!w.dialogs.calls[1].text.isEmpty());

    // A save asked for is answered, and never with the success message.
    press(w, QStringLiteral("ButtonAbsoluteSave"));
    QCOMPARE(w.dialogs.calls.size(), 4);
    QCOMPARE(w.dialogs.calls[3].kind, QStringLiteral("warn"));
    QVERIFY(!w.dialogs.texts().contains(SaveDone));
    QCOMPARE(w.settingsBytes(), before);
}

void SettingsSavesTest::unwritableFileFailsOncePerRun() {
    StartedWindow w(settingsThatRunHandlers());
    const std::string before = w.settingsBytes();
    {
        FailingWrites failing;
        w.start();
        QCOMPARE(w.dialogs.texts(),
                 QStringList{QStringLiteral("written file: ") + QString::fromUtf8(DiskFull)});
        QCOMPARE(w.dialogs.calls[0].kind, QStringLiteral("error"));
        box(w, "CCB2A")->setChecked(false);
        QCOMPARE(w.dialogs.calls.size(), 1);
        // The user asking gets the failure every time.
        press(w, QStringLiteral("ButtonCPUSave"));
        QCOMPARE(countOf(w.dialogs, QStringLiteral("error")), 2);
        QVERIFY(!w.dialogs.texts().contains(SaveDone));
        QCOMPARE(w.settingsBytes(), before);
    }
    // Writes that work again are used again.
    box(w, "CCB2A")->setChecked(true);
    QCOMPARE(w.storedSettings(), w.window().context().settings());
}

void SettingsSavesTest::lockedSettingsInAnUnwritableFolderLoadWithoutWriting() {
    StartedWindow w;
    QVERIFY(LockDataFile(w.settingsFile(), SettingsKey, false));
    const std::string before = w.settingsBytes();
    FailingWrites failing;
    w.start();
    // The settings were read, not mistaken for a bad first line, and the tables with them.
    QVERIFY(w.dialogs.calls.isEmpty());
    QVERIFY(w.window().context().settings() == fixtureSettings());
    QVERIFY(w.window().context().tables().spells.size() > 0);
    QVERIFY(!w.window().noticeText().isEmpty());
    QCOMPARE(w.settingsBytes(), before);
    QVERIFY(!fs::exists(w.systemDir() / "system.$$$"));

    box(w, "CCB2A")->setChecked(true);
    box(w, "CCB2A")->setChecked(false);
    QCOMPARE(w.dialogs.calls.size(), 1);
    QCOMPARE(w.dialogs.calls[0].kind, QStringLiteral("warn"));
    QVERIFY(w.dialogs.calls[0].text.contains(QStringLiteral("このフォルダには設定を保存できない")));
    QVERIFY(w.dialogs.calls[0].text.contains(QString::fromUtf8(DiskFull)));
    QCOMPARE(w.settingsBytes(), before);
}

void SettingsSavesTest::replacedSettingsAreNotWrittenOver() {
    StartedWindow w;
    w.start();
    box(w, "CCB2A")->setChecked(true); // the window's own saves are no replacement
    QVERIFY(w.dialogs.calls.isEmpty());

    // An update from elsewhere brings a new data version and other record counts.
    SettingsArray replaced = fixtureSettings();
    replaced[entry::DataVersion] += 1;
    replaced[entry::SpellCount] -= 1;
    SaveSettings(w.settingsFile(), replaced);
    const std::string before = w.settingsBytes();

    box(w, "CCB2A")->setChecked(false);
    box(w, "CCB2B")->setChecked(true);
    QCOMPARE(w.dialogs.calls.size(), 1);
    QCOMPARE(w.dialogs.calls[0].kind, QStringLiteral("warn"));
    QVERIFY(w.dialogs.calls[0].text.contains(QStringLiteral("再起動")));
    press(w, QStringLiteral("ButtonMapSave"));
    QCOMPARE(countOf(w.dialogs, QStringLiteral("warn")), 2);
    QVERIFY(!w.dialogs.texts().contains(SaveDone));
    QCOMPARE(w.settingsBytes(), before);
}

// The real program holds its folder; tavu-cli update refuses until it ends.
void SettingsSavesTest::commandLineUpdateRefusesWhileTheWindowRuns() {
    StartedWindow w;
    QTemporaryDir runtime; // the program's single-instance lock, apart from any other copy
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(TAVU_EXECUTABLE),
                 {QStringLiteral("--system"), QString::fromStdString(w.systemDir().string())});
    QVERIFY(window.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(dataFolderInUse(w.systemDir()), 10000);

    // Named another way (a path through ".."), it is still the same folder.
    const fs::path other = w.systemDir() / ".." / "system";
    QProcess update;
    update.setProcessEnvironment(env);
    update.start(QStringLiteral(TAVU_CLI),
                 {QStringLiteral("--system"), QString::fromStdString(other.string()),
                  QStringLiteral("update"), QStringLiteral("--yes"), QStringLiteral("--no-wait"),
                  QStringLiteral("--url"), QStringLiteral("http://127.0.0.1:9/")});
    QVERIFY(update.waitForFinished(10000));
    QCOMPARE(update.exitCode(), 7);
    QVERIFY(QString::fromUtf8(update.readAllStandardError()).contains(QStringLiteral("使用中")));

    window.kill();
    QVERIFY(window.waitForFinished());
    QVERIFY(!dataFolderInUse(w.systemDir()));
}

QTEST_MAIN(SettingsSavesTest)
#include "test_settings_saves.moc"
