// What the window tells the user about their data folder, and the preferences that keep a
// failure from being told at every start.
#include "app/data_folder_start.h"
#include "app/preferences.h"
#include "fake_dialogs.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

class DataFolderNoticeTest : public QObject {
    Q_OBJECT
private slots:
    void anUpgradeIsToldAsItHappens();
    void aFailedUpgradeIsToldOncePerInstalledVersion();
    void preferencesLiveInTheirOwnFileAcrossRuns();
    void aFolderThatCouldNotBeMadeStopsTheStartWithItsReason();
};

void DataFolderNoticeTest::anUpgradeIsToldAsItHappens() {
    QTemporaryDir dir;
    Preferences preferences(fs::path(dir.path().toStdString()) / "tavu.conf");
    FakeDialogs dialogs;
    DataFolderPreparation nothing;
    tellDataFolderChanges(nothing, "/data/system", dialogs, preferences);
    QVERIFY(dialogs.calls.isEmpty());

    DataFolderPreparation upgraded;
    upgraded.upgraded = true;
    upgraded.fromVersion = 100;
    upgraded.toVersion = 101;
    tellDataFolderChanges(upgraded, "/data/system", dialogs, preferences);
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls[0].kind, QStringLiteral("inform"));
    QVERIFY(dialogs.calls[0].text.contains(QStringLiteral("100 → 101")));
    QVERIFY(dialogs.calls[0].text.contains(QStringLiteral("/data/system")));
}

void DataFolderNoticeTest::aFailedUpgradeIsToldOncePerInstalledVersion() {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "config" / "tavu" / "tavu.conf";
    DataFolderPreparation failed;
    failed.fromVersion = 100;
    failed.toVersion = 101;
    failed.problem = "RM_Map.tri: 読み取れません";
    FakeDialogs dialogs;
    for (int start = 0; start < 3; ++start) {
        Preferences preferences(file); // a new run each time
        tellDataFolderChanges(failed, "/data/system", dialogs, preferences);
    }
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls[0].kind, QStringLiteral("warn"));
    QVERIFY(dialogs.calls[0].text.contains(QStringLiteral("RM_Map.tri: 読み取れません")));

    failed.toVersion = 102; // the next package brings another set, which fails as well
    Preferences preferences(file);
    tellDataFolderChanges(failed, "/data/system", dialogs, preferences);
    QCOMPARE(dialogs.calls.size(), 2);
}

void DataFolderNoticeTest::preferencesLiveInTheirOwnFileAcrossRuns() {
    QTemporaryDir dir;
    const fs::path file = fs::path(dir.path().toStdString()) / "nested" / "tavu.conf";
    {
        Preferences preferences(file);
        QCOMPARE(preferences.upgradeFailureTold(), 0);
        preferences.setUpgradeFailureTold(42);
    }
    QVERIFY(fs::is_regular_file(file));
    QCOMPARE(Preferences(file).upgradeFailureTold(), 42);

    Preferences nowhere{fs::path()}; // no home folder: nothing kept, nothing written
    nowhere.setUpgradeFailureTold(5);
    QCOMPARE(nowhere.upgradeFailureTold(), 0);
}

void DataFolderNoticeTest::aFolderThatCouldNotBeMadeStopsTheStartWithItsReason() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    DataFolderChoice choice{DataFolderChoice::Kind::User, root / "data" / "tavu" / "system",
                            root / "nothing"};
    PreparedStartup startup = prepareAndReadDataFolder(choice);
    QVERIFY(dataFolderUnavailable(startup));
    QVERIFY(QString::fromStdString(startup.preparation.problem).contains(QStringLiteral("nothing")));

    DataFolderChoice nowhere{DataFolderChoice::Kind::User, {}, root / "nothing"};
    QVERIFY(dataFolderUnavailable(prepareAndReadDataFolder(nowhere)));
}

QTEST_MAIN(DataFolderNoticeTest)
#include "test_data_folder_notice.moc"
