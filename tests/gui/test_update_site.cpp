// The update site: the download tab without one, the settings dialog and its connection test,
// and the entry tavu-cli and the window share.
#include "app/download_page.h"
#include "app/preferences.h"
#include "app/result_box.h"
#include "app/update_site_dialog.h"
#include "dataset/site_publish.h"
#include "gui_test_support.h"
#include "loopback_site.h"
#include "store/settings_entries.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

// A published site with the installed version, on 127.0.0.1.
class Site {
public:
    explicit Site(const fs::path& root)
        : server_(published(root)) {}
    QString baseUrl() const { return QString::fromStdString(server_.baseUrl()); }

private:
    static const fs::path& published(const fs::path& root) {
        publishSite(readSystemFolder(TAVU_SYSTEM_DIR), root);
        return root;
    }
    LoopbackSite server_;
};

// Nothing listens on port 1 of loopback: the connection is refused at once.
const QString Unreachable = QStringLiteral("http://127.0.0.1:1/tavuds/system_file/");

} // namespace

class UpdateSiteTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void withoutASiteTheTabSaysSoAndConnectsNowhere();
    void dialogTestsTheAddressAndKeepsIt();
    void downloadUsesTheSiteTheUserSet();
    void cliSavesTheSiteTheWindowReadsAndFollowsTheWindows();

private:
    QString confFile() const { return dir_->filePath(QStringLiteral("tavu/tavu.conf")); }
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Preferences> preferences_;
};

void UpdateSiteTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    preferences_ = std::make_unique<Preferences>(confFile().toStdString());
}

void UpdateSiteTest::withoutASiteTheTabSaysSoAndConnectsNowhere() {
    StartedWindow w;
    w.start();
    w.window().usePreferences(*preferences_);
    auto* page = w.find<DownloadPage>(QStringLiteral("TabSheet5"));
    page->downloadButton()->click();
    QVERIFY(page->memo()->toPlainText().startsWith(QStringLiteral("更新サイトが設定されていません")));
    QVERIFY(page->memo()->toPlainText().contains(QStringLiteral("--save-url")));
    QVERIFY(w.dialogs.calls.isEmpty()); // no "connection failed" box
    QVERIFY(page->downloadButton()->isEnabled());
}

void UpdateSiteTest::dialogTestsTheAddressAndKeepsIt() {
    Site site(fs::path(dir_->path().toStdString()) / "site");
    FetchLimits limits;
    limits.connectTimeoutMs = 2000;
    limits.stallTimeoutMs = 2000;
    UpdateSiteDialog dialog(*preferences_, limits);
    QVERIFY(dialog.addressEdit()->text().isEmpty());
    QCOMPARE(dialog.testButton()->text(), QStringLiteral("接続テスト"));

    const auto test = [&dialog](const QString& address) -> QString {
        dialog.addressEdit()->setText(address);
        dialog.testButton()->click();
        if (!QTest::qWaitFor([&dialog] { return !dialog.testing() && dialog.testButton()->isEnabled(); },
                             10000))
            return QStringLiteral("(no answer)");
        return dialog.testResult()->text();
    };
    const QString reached = test(site.baseUrl());
    QVERIFY2(reached.startsWith(QStringLiteral("接続できました")), qPrintable(reached));
    QVERIFY(test(Unreachable).startsWith(QStringLiteral("接続できませんでした")));
    QVERIFY(test(QStringLiteral("tavu")).contains(QStringLiteral("http://")));

    dialog.addressEdit()->setText(QStringLiteral("  ") + site.baseUrl());
    dialog.accept();
    QCOMPARE(Preferences(confFile().toStdString()).updateSite(), site.baseUrl());
}

void UpdateSiteTest::downloadUsesTheSiteTheUserSet() {
    Site site(fs::path(dir_->path().toStdString()) / "site");
    preferences_->setUpdateSite(site.baseUrl());
    StartedWindow w(fs::path(TAVU_SYSTEM_DIR));
    w.start();
    w.window().usePreferences(*preferences_);
    auto* page = w.find<DownloadPage>(QStringLiteral("TabSheet5"));
    UpdateOptions options = page->updateOptions();
    options.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
    };
    page->setUpdateOptions(options);
    page->downloadButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(page->downloadButton()->isEnabled(), 10000);
    // The site has the installed version: up to date, which only a real connection can tell.
    QCOMPARE(w.dialogs.calls.size(), 1);
    QVERIFY2(!w.dialogs.calls[0].text.contains(QStringLiteral("接続")), qPrintable(w.dialogs.calls[0].text));
    QVERIFY(!page->memo()->toPlainText().contains(QStringLiteral("更新サイトが設定されていません")));
}

void UpdateSiteTest::cliSavesTheSiteTheWindowReadsAndFollowsTheWindows() {
    StartedWindow data(fs::path(TAVU_SYSTEM_DIR)); // a data folder of its own, no window on it
    const QString systemDir = QString::fromStdString(data.systemDir().string());
    const auto cli = [&](const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TAVU_CLI),
                      QStringList{QStringLiteral("--system"), systemDir} + arguments);
        process.waitForFinished(60000);
        return process.exitCode();
    };
    Site site(fs::path(dir_->path().toStdString()) / "site");
    QCOMPARE(cli({"update", "--url", site.baseUrl(), "--save-url", "--no-wait"}), 0);
    QCOMPARE(Preferences(confFile().toStdString()).updateSite(), site.baseUrl());
    // An address QSettings could not read back as it is, is refused and nothing changes.
    QCOMPARE(cli({"update", "--url", "http://a,b/", "--save-url"}), 2);
    QCOMPARE(Preferences(confFile().toStdString()).updateSite(), site.baseUrl());

    // The window's choice, kept by QSettings, is what a plain `update` uses: here it cannot connect.
    preferences_->setUpgradeFailureTold(7); // another entry, kept beside it
    preferences_->setUpdateSite(Unreachable);
    QCOMPARE(cli({"update", "--no-wait"}), 4);
    QCOMPARE(cli({"update", "--url", site.baseUrl(), "--no-wait"}), 0); // without --save-url: once
    QCOMPARE(Preferences(confFile().toStdString()).updateSite(), Unreachable);
    QCOMPARE(Preferences(confFile().toStdString()).upgradeFailureTold(), 7);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    UpdateSiteTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_update_site.moc"
