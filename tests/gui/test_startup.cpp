// Start-up: the data-folder check, the settings read and the state the window opens in.
#include "app/startup_tools.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <fstream>

using namespace tavu;
using namespace tavu::test;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void missingFileEndsAfterOneMessage_data();
    void missingFileEndsAfterOneMessage();
    void shortSettingsFileStopsStartUpButOpensWindow();
    void badNumberInSettingsIsReported();
    void captionAndCreditNotice();
    void startWithoutChangeLeavesSettingsPlain();
    void oneToggleLocksSettingsAgain();
    void boxesNeedTheirExactCheckedValue();
    void stayOnTopEntryKeepsItsValue();
    void tablesAreLoadedFromTheStoredCounts();
    void laterPagesFollowTheFirstPaint();
    void choosingATabBuildsTheWaitingPagesAtOnce();
    void laterPagesKeepWhatStartUpReached();
    void bundledDataStartsCleanly();
    void secondInstanceEndsSilently();
    void dataFolderIsAbsoluteHoweverItIsNamed();
    void dataFolderPathKeepsItsBytes();
};

void StartupTest::missingFileEndsAfterOneMessage_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("last explanation page") << "Explanation_8.tri";
    QTest::newRow("settings file") << "system.tri";
    QTest::newRow("card list") << "RM_08.tri";
}

void StartupTest::missingFileEndsAfterOneMessage() {
    QFETCH(QString, file);
    StartedWindow w;
    const bool settingsPresent = file != QLatin1String("system.tri");
    const std::string before = settingsPresent ? w.settingsBytes() : std::string();
    std::filesystem::remove(w.systemDir() / file.toStdString());
    w.start();

    QCOMPARE(w.dialogs.texts().size(), 1);
    const QStringList lines = w.dialogs.texts().front().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.front(), QStringLiteral("システムファイルが足りません"));
    QVERIFY2(lines.back().contains(QString::fromStdString((w.systemDir() / file.toStdString()).string())),
             qPrintable(lines.back()));                   // the user learns which file to put back
    QCOMPARE(w.dialogs.calls.front().caption, QString()); // the application title
    QVERIFY(w.window().startupAborted());
    QVERIFY(w.window().timer1()->isActive());
    QCOMPARE(w.window().context().tables().creatures[0].size(), 0);
    QCOMPARE(w.window().context().tables().spells.size(), 0);
    if (settingsPresent)
        QCOMPARE(w.settingsBytes(), before);
}

void StartupTest::shortSettingsFileStopsStartUpButOpensWindow() {
    StartedWindow w;
    writePlainSettings(w.systemDir(), fixtureSettings(), 99);
    w.start();

    QCOMPARE(w.dialogs.calls.size(), 1);
    QCOMPARE(w.dialogs.calls.front().kind, QStringLiteral("error"));
    QVERIFY(!w.dialogs.calls.front().text.isEmpty());
    QVERIFY(!w.window().startupAborted());
    QCOMPARE(w.window().context().tables().creatures[0].size(), 0);
    // Start-up stopped before the notice and caption step.
    QCOMPARE(w.window().noticeText(), QString());
}

void StartupTest::badNumberInSettingsIsReported() {
    StartedWindow w;
    std::string text = w.settingsBytes();
    text[0] = 'x';
    std::ofstream(w.settingsFile(), std::ios::binary) << text;
    w.start();

    QCOMPARE(w.dialogs.calls.size(), 1);
    QCOMPARE(w.dialogs.calls.front().kind, QStringLiteral("error"));
    QVERIFY(!w.window().startupAborted());
}

void StartupTest::captionAndCreditNotice() {
    StartedWindow w;
    w.start();
    QVERIFY(w.dialogs.calls.isEmpty());
    QCOMPARE(w.window().windowTitle(), QStringLiteral("TAVU for DS   Version 1.00"));
    QVERIFY(w.window().noticeText().endsWith(QStringLiteral("2004 - 2006")));
    QCOMPARE(w.window().creditNotice(), w.window().noticeText());
    QCOMPARE(w.window().context().drawWarningText(), QStringLiteral("抽出条件を正しく設定して下さい"));
    QCOMPARE(w.window().context().drawWarningCaption(), QStringLiteral("TAVU for DS Warning !"));
}

void StartupTest::startWithoutChangeLeavesSettingsPlain() {
    StartedWindow w;
    const std::string before = w.settingsBytes();
    w.start();
    QCOMPARE(w.settingsBytes(), before);
    QVERIFY(!w.settingsLocked());
}

void StartupTest::oneToggleLocksSettingsAgain() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureSingleOutput] = entry::CreatureSingleOutput;
    StartedWindow w(s);
    w.start();
    auto* output = w.find<QCheckBox>(QStringLiteral("CCB2A"));
    QVERIFY(output->isChecked());
    // Ticking from the stored file saved it once already; start from a plain file again.
    writePlainSettings(w.systemDir(), s);
    output->setChecked(false);
    output->setChecked(true);
    QVERIFY(w.settingsLocked());
    QCOMPARE(w.storedSettings()[entry::CreatureSingleOutput], entry::CreatureSingleOutput);
}

void StartupTest::boxesNeedTheirExactCheckedValue() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureSingleOutput] = 1;
    s[entry::CreatureSingleRarityE] = 1;
    s[entry::CreatureMultipleOutput] = entry::CreatureMultipleOutput;
    s[entry::CreatureMultipleRarityE] = entry::RarityEChecked;
    StartedWindow w(s);
    w.start();
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("CCB2A"))->isChecked());
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("CRCB4A"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB2B"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB3B"))->isEnabled());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CRCB4B"))->isChecked());
}

void StartupTest::stayOnTopEntryKeepsItsValue() {
    SettingsArray s = fixtureSettings();
    s[entry::StayOnTop] = 7;
    StartedWindow w(s);
    w.start();
    QVERIFY(w.find<QAction>(QStringLiteral("mnuWindowPos"))->isChecked());
    QVERIFY(staysOnTop(&w.window()));
    QCOMPARE(w.window().context().settings()[entry::StayOnTop], 7);
    QCOMPARE(w.storedSettings()[entry::StayOnTop], 7);
    QVERIFY(!w.settingsLocked());
}

void StartupTest::tablesAreLoadedFromTheStoredCounts() {
    StartedWindow w;
    w.start();
    const AppContext& ctx = w.window().context();
    QCOMPARE(ctx.tables().creatures[4].size(), 4);
    QCOMPARE(ctx.tables().itemKinds[3].size(), 2);
    QCOMPARE(ctx.tables().opponents.size(), 3);
    // One E creature per element; "E カードを含まない" is ticked, so E cards are left out.
    QCOMPARE(ctx.creatureRarityCount()[3], 1);
    QCOMPARE(ctx.bookCardCount(), 24);
    QCOMPARE(ctx.bookSpellCount(), 3);
}

// Only the page in view is built for the first paint; the others arrive right after it,
// with their stored settings applied and the start-up counts already in place.
void StartupTest::laterPagesFollowTheFirstPaint() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureSingleOutput] = entry::CreatureSingleOutput;
    s[entry::CreatureMultipleOutput] = entry::CreatureMultipleOutput;
    s[entry::BookCheckFirst] = 0;
    StartedWindow w(s);
    w.start(StartedWindow::Pages::FirstOnly);
    QVERIFY(!w.window().pagesComplete());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB2A"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB3A"))->isEnabled());
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("CCB2B")));
    const AppContext& ctx = w.window().context();
    const std::int32_t withE = CountBookCards(ctx.tables(), false);
    QVERIFY(withE != CountBookCards(ctx.tables(), true));
    QCOMPARE(ctx.bookCardCount(), withE); // counted as stored, before the book page exists
    w.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window()));
    QTRY_VERIFY(w.window().pagesComplete());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB2B"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("CCB3B"))->isEnabled());
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("AbsoluteCB1"))->isChecked());
    QCOMPARE(ctx.bookCardCount(), withE);
    QVERIFY(w.dialogs.calls.isEmpty());
}

void StartupTest::choosingATabBuildsTheWaitingPagesAtOnce() {
    StartedWindow w;
    w.start(StartedWindow::Pages::FirstOnly);
    w.window().show();
    auto* pages = w.find<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(4); // the book, before the first paint had its turn
    QVERIFY(w.window().pagesComplete());
    auto* result = w.find<QWidget>(QStringLiteral("AbsoluteRE"));
    QVERIFY(result && result->isVisible());
    w.window().completePages(); // the posted call after the paint finds nothing left to do
    QCOMPARE(w.window().findChildren<QWidget*>(QStringLiteral("AbsoluteRE")).size(), 1);
}

// A start-up that stopped at the settings leaves the later pages as built, like the first.
void StartupTest::laterPagesKeepWhatStartUpReached() {
    SettingsArray s = fixtureSettings();
    s[entry::CreatureMultipleOutput] = entry::CreatureMultipleOutput;
    StartedWindow w;
    writePlainSettings(w.systemDir(), s, 99);
    w.start(StartedWindow::Pages::FirstOnly);
    QCOMPARE(w.dialogs.calls.size(), 1);
    w.window().completePages();
    QCOMPARE(w.dialogs.calls.size(), 1);
    QVERIFY(!w.find<QCheckBox>(QStringLiteral("CCB2B"))->isChecked());
    QVERIFY(w.find<QCheckBox>(QStringLiteral("AbsoluteCB1"))->isChecked());
    QVERIFY(!w.settingsLocked());
}

void StartupTest::bundledDataStartsCleanly() {
    const std::filesystem::path bundled = TAVU_SYSTEM_DIR;
    if (!std::filesystem::exists(bundled / "system.tri"))
        QSKIP("the bundled data folder has not been built");
    StartedWindow w(bundled);
    const SettingsArray shipped = readSettingsReadOnly(bundled / "system.tri");
    w.start();
    QVERIFY2(w.dialogs.calls.isEmpty(), qPrintable(w.dialogs.texts().join(QLatin1Char('\n'))));
    const AppContext& ctx = w.window().context();
    QCOMPARE(ctx.tables().cardList.size(), ctx.settings()[entry::CardListCount]);
    QVERIFY(ctx.tables().cardList.size() > 0);
    QVERIFY(ctx.bookCardCount() > 0);
    QVERIFY(w.window().noticeText().contains(QString::number(ctx.settings()[entry::NoticeLastYear])));
    // Start-up leaves the file deciphered or, after a handler saved, locked again; either
    // way it holds the shipped entries.
    QVERIFY(w.storedSettings() == shipped);
}

void StartupTest::secondInstanceEndsSilently() {
    StartedWindow w;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QStringList args = {QStringLiteral("--system"), QString::fromStdString(w.systemDir().string())};
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(TAVU_EXECUTABLE), args);
    QVERIFY(first.waitForStarted());
    QTest::qWait(1500);
    if (first.state() != QProcess::Running)
        QSKIP("another copy of the program is already running on this machine");

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(TAVU_EXECUTABLE), args);
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}

// The window derives its update's working folders from the data folder's parent and name,
// so `tavu --system .` must name the folder itself, not a "." inside it.
void StartupTest::dataFolderIsAbsoluteHoweverItIsNamed() {
    QTemporaryDir dir;
    const std::filesystem::path system = std::filesystem::path(dir.path().toStdString()) / "system";
    std::filesystem::create_directories(system);
    const std::filesystem::path real = std::filesystem::canonical(system);
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(system.string())));
    for (const char* given : {".", "./", "../system/"}) {
        char program[] = "tavu";
        char option[] = "--system";
        std::string value = given;
        char* argv[] = {program, option, value.data(), nullptr};
        QCOMPARE(dataFolder(parseToolOptions(3, argv)).systemDir, real);
    }
    QVERIFY(QDir::setCurrent(before));
}

// A folder whose name is not UTF-8 (made under another locale, say) must be opened as named,
// not as a look-alike with replacement characters that does not exist.
void StartupTest::dataFolderPathKeepsItsBytes() {
    std::string program = "tavu";
    std::string option = "--system";
    std::string path = "/data/\xff\xfe\x82\xa0/system";
    char* argv[] = {program.data(), option.data(), path.data(), nullptr};
    QCOMPARE(parseToolOptions(3, argv).systemDir.native(), path);
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
