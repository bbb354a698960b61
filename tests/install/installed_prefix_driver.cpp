// Run from inside an installed, read-only prefix (installed_prefix_test.sh copies it into
// the prefix's bin/ beside tavu and tavu-cli) with HOME and every XDG variable pointing into
// a temporary folder. It starts the installed window and command line, and a window of its
// own made the way the program makes it, and checks that everything they write lands in the
// user's folders. The script checks the prefix itself, byte for byte, before and after.
#include "app/data_folder_start.h"
#include "app/download_page.h"
#include "app/main_window.h"
#include "app/result_box.h"
#include "app/spin_edit.h"
#include "fake_dialogs.h"
#include "folders/data_set_copy.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"
#include "update_test_site.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

fs::path envPath(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runInstalled(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, args);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class InstalledPrefixTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void firstStartMakesTheUsersDataFolder();
    void commandLineFindsTheSameFolderAndDraws();
    void windowDrawsAndSavesItsSettingsThere();
    void windowUpdatesFromALoopbackSite();
    void commandLineUpdatesFromALoopbackSite();
    void nothingWasWrittenOutsideTheUsersFolders();

private:
    std::int32_t userVersion() const { return dataVersion(userDir_).value_or(-1); }
    fs::path publish(std::int32_t version, const char* name);

    fs::path work_;    // the test's own files: sites, a saved result
    fs::path userDir_; // $XDG_DATA_HOME/tavu/system
    fs::path installed_;
};

void InstalledPrefixTest::initTestCase() {
    work_ = envPath("TAVU_TEST_WORK");
    QVERIFY(!work_.empty());
    userDir_ = envPath("XDG_DATA_HOME") / "tavu" / "system";
    installed_ =
        fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "share/tavu/system";
    QVERIFY(fs::is_directory(installed_));
    QVERIFY(!fs::exists(userDir_));
}

void InstalledPrefixTest::firstStartMakesTheUsersDataFolder() {
    Run run = runInstalled(QStringLiteral("tavu"), {QStringLiteral("--quit-after-paint")});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(QStringLiteral("first-paint-ns")), qPrintable(run.err));
    for (const auto& name : requiredSystemFiles())
        QVERIFY2(fs::is_regular_file(userDir_ / name), name.c_str());
    QVERIFY(readSettingsReadOnly(userDir_ / SettingsFileName) ==
            readSettingsReadOnly(installed_ / SettingsFileName));
}

void InstalledPrefixTest::commandLineFindsTheSameFolderAndDraws() {
    Run where = runInstalled(QStringLiteral("tavu-cli"), {QStringLiteral("where")});
    QCOMPARE(where.exitCode, 0);
    QCOMPARE(where.out.section(QLatin1Char('\n'), 0, 0), QString::fromStdString(userDir_.string()));
    const QStringList draw{QStringLiteral("--seed"), QStringLiteral("777"), QStringLiteral("book")};
    Run book = runInstalled(QStringLiteral("tavu-cli"), draw);
    QCOMPARE(book.exitCode, 0);
    QVERIFY(book.out.count(QLatin1Char('\n')) >= 50);
}

void InstalledPrefixTest::windowDrawsAndSavesItsSettingsThere() {
    const DataFolderChoice folder = chooseDataFolder(
        {}, QCoreApplication::applicationFilePath().toStdString(), UserFolders::fromProcess());
    QCOMPARE(folder.systemDir, userDir_);
    FakeDialogs dialogs;
    FakeUrlOpener urls;
    TMainForm window(prepareAndReadDataFolder(folder).files, dialogs, urls);
    window.completePages();

    const fs::path result = work_ / "items.txt";
    window.findChild<QCheckBox*>(QStringLiteral("ICB5B"))->setChecked(true); // write a result file
    dialogs.fileNames << QString::fromStdString(result.string());
    window.findChild<QPushButton*>(QStringLiteral("BRandom4"))->click();
    QVERIFY(!window.findChild<ResultBox*>(QStringLiteral("ItemRE"))->lines().isEmpty());
    QVERIFY(fs::is_regular_file(result));
    QVERIFY(!readWholeFile(result).empty());

    window.findChild<SpinEdit*>(QStringLiteral("AbsoluteSE1"))->setValue(10);
    window.findChild<SpinEdit*>(QStringLiteral("AbsoluteSE2"))->setValue(25);
    window.findChild<QPushButton*>(QStringLiteral("ButtonAbsoluteSave"))->click();
    QCOMPARE(dialogs.texts().last(), QStringLiteral("保存は正常に行われました"));
    QCOMPARE(readSettingsReadOnly(userDir_ / SettingsFileName)[entry::BookCountFirst + 1], 25);
}

fs::path InstalledPrefixTest::publish(std::int32_t version, const char* name) {
    // The site serves the user's set as it is, under the next version.
    const fs::path set = work_ / name / "set";
    fs::create_directories(set.parent_path());
    fs::copy(userDir_, set, fs::copy_options::recursive);
    SettingsArray settings = readSettingsReadOnly(set / SettingsFileName);
    settings[entry::DataVersion] = version;
    SaveSettings(set / SettingsFileName, settings);
    const fs::path out = work_ / name / "site";
    Run run = runInstalled(QStringLiteral("tavu-cli"),
                           {QStringLiteral("publish"), QStringLiteral("--system"),
                            QString::fromStdString(set.string()), QStringLiteral("--out"),
                            QString::fromStdString(out.string())});
    if (run.exitCode != 0)
        qWarning("%s", qPrintable(run.err));
    return out / "tavuds" / "system_file";
}

void InstalledPrefixTest::windowUpdatesFromALoopbackSite() {
    const std::int32_t next = userVersion() + 1;
    LoopbackSite site(publish(next, "site-window"));
    FakeDialogs dialogs;
    FakeUrlOpener urls;
    const DataFolderChoice folder = chooseDataFolder(
        {}, QCoreApplication::applicationFilePath().toStdString(), UserFolders::fromProcess());
    TMainForm window(prepareAndReadDataFolder(folder).files, dialogs, urls);
    window.completePages();
    auto* page = window.findChild<DownloadPage*>(QStringLiteral("TabSheet5"));
    UpdateOptions options;
    options.baseUrl = site.baseUrl();
    options.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
    };
    options.startDelayMs = 0;
    page->setUpdateOptions(options);
    page->downloadButton()->click(); // the module is loaded from the prefix here
    QTRY_VERIFY_WITH_TIMEOUT(page->downloadButton()->isEnabled() && !page->progressForm(), 60000);
    QCOMPARE(userVersion(), next);
    QCOMPARE(window.context().settings()[entry::DataVersion], next);
}

void InstalledPrefixTest::commandLineUpdatesFromALoopbackSite() {
    const std::int32_t next = userVersion() + 1;
    LoopbackSite site(publish(next, "site-cli"));
    Run update =
        runInstalled(QStringLiteral("tavu-cli"), {QStringLiteral("update"), QStringLiteral("--url"),
                                                  QString::fromStdString(site.baseUrl()),
                                                  QStringLiteral("--yes"), QStringLiteral("--no-wait")});
    QVERIFY2(update.exitCode == 0, qPrintable(update.err));
    QCOMPARE(userVersion(), next);
}

// Whatever the runs wrote lies in the user's data, configuration, cache or runtime folder;
// beside the data folder only its download and window locks may stay.
void InstalledPrefixTest::nothingWasWrittenOutsideTheUsersFolders() {
    const fs::path home = envPath("HOME");
    const std::vector<fs::path> allowed{envPath("XDG_DATA_HOME") / "tavu", envPath("XDG_CONFIG_HOME"),
                                        envPath("XDG_CACHE_HOME"), envPath("XDG_STATE_HOME")};
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        if (entry.is_directory())
            continue;
        bool inside = false;
        for (const auto& dir : allowed)
            inside = inside || entry.path().string().starts_with(dir.string() + "/");
        QVERIFY2(inside, entry.path().c_str());
    }
    for (const auto& entry : fs::directory_iterator(userDir_.parent_path())) {
        const std::string name = entry.path().filename().string();
        QVERIFY2(name == "system" || name == "system.staging.lock" || name == "system.window.lock",
                 name.c_str());
    }
}

QTEST_MAIN(InstalledPrefixTest)
#include "installed_prefix_driver.moc"
