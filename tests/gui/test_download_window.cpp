// The download tab against a real HTTP server on loopback.
#include "app/download_form.h"
#include "app/download_page.h"
#include "app/module_fetcher.h"
#include "app/result_box.h"
#include "dataset/site_publish.h"
#include "gui_test_support.h"
#include "store/file_io.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "update/staged_folder.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <httplib.h>
#include <map>
#include <thread>

using namespace tavu;
using namespace tavu::test;
namespace fs = std::filesystem;

namespace {

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), dir).generic_string()] = readWholeFile(entry.path());
    return files;
}

// Serves a published site on 127.0.0.1 from a thread of its own.
class Site {
public:
    explicit Site(const fs::path& root) {
        server_.set_mount_point("/", root.string());
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
    }
    ~Site() {
        server_.stop();
        thread_.join();
    }
    std::string baseUrl() const {
        return "http://127.0.0.1:" + std::to_string(port_) + "/tavuds/system_file/";
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

} // namespace

class DownloadWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newerVersionIsInstalledAndThenUpToDate();
    void declinedAndUnreachableChangeNothing();
    void missingFileMidwayLeavesDataUntouched();
    void closingTheProgressWindowCancels();
    void closingBeforeTheFirstTickFetchesNothing();
    void windowGoingAwayStopsCheckAndDownload();
    void startUpFinishesAnInterruptedSwap();
    void httpModuleLoadsOnFirstFetchOrFailsPlainly();

private:
    DownloadPage* page() const { return w_->find<DownloadPage>(QStringLiteral("TabSheet5")); }
    QPushButton* button() const { return page()->downloadButton(); }
    void pressAndWait();
    void expectUntouched();
    void holdPausesOf(int milliseconds, int startDelayMs = 0);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<StartedWindow> w_;
    std::unique_ptr<Site> site_;
    fs::path siteFiles_;
    std::int32_t installed_ = 0;
    std::map<std::string, std::string> before_;
};

void DownloadWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    w_ = std::make_unique<StartedWindow>(fs::path(TAVU_SYSTEM_DIR));
    w_->start();
    installed_ = w_->window().context().settings()[entry::DataVersion];
    const fs::path root = fs::path(dir_->path().toStdString()) / "site";
    DataFiles files = readSystemFolder(TAVU_SYSTEM_DIR);
    setDataVersion(files, installed_ + 1);
    siteFiles_ = publishSite(files, root);
    writeFileAtomically(siteFiles_ / "Explanation_1.tri", sjis::fromUtf8OrThrow("新しいページ\r\n"));
    site_ = std::make_unique<Site>(root);
    UpdateOptions options;
    options.baseUrl = site_->baseUrl();
    options.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
    };
    options.startDelayMs = 0;
    options.limits.connectTimeoutMs = 2000;
    options.limits.stallTimeoutMs = 2000;
    page()->setUpdateOptions(options);
    before_ = snapshot(w_->systemDir());
}

void DownloadWindowTest::cleanup() {
    w_.reset();
    site_.reset();
    dir_.reset();
}

void DownloadWindowTest::pressAndWait() {
    button()->click();
    QVERIFY(!button()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button()->isEnabled() && !page()->progressForm(), 15000);
    QVERIFY(w_->window().isEnabled());
}

void DownloadWindowTest::expectUntouched() {
    QVERIFY(snapshot(w_->systemDir()) == before_);
    QCOMPARE(w_->window().context().settings()[entry::DataVersion], installed_);
    QVERIFY(!fs::exists(stagingDirFor(w_->systemDir())));
    QVERIFY(!fs::exists(w_->systemDir() / "temp.tri"));
}

void DownloadWindowTest::newerVersionIsInstalledAndThenUpToDate() {
    pressAndWait();
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("question"));
    QCOMPARE(w_->dialogs.calls[0].text,
             QStringLiteral("最新のシステムファイルがあります　　　　\r\nダウンロードを開始しますか？"));
    QCOMPARE(w_->dialogs.calls[0].caption, QStringLiteral("TAVU for DS"));
    QCOMPARE(readWholeFile(w_->systemDir() / "Explanation_1.tri"),
             readWholeFile(siteFiles_ / "Explanation_1.tri"));
    QCOMPARE(w_->window().context().settings()[entry::DataVersion], installed_ + 1);
    auto* memo = w_->find<ResultBox>(QStringLiteral("Memo_DL"));
    QCOMPARE(memo->lines(), QStringList({QStringLiteral("システムファイルのダウンロードが成功しました。"),
                                         QStringLiteral("全ての設定が一度初期化されます。"), QString(),
                                         QStringLiteral("TAVU を再起動して下さい。"),
                                         QStringLiteral("（そのままプログラムを使いつづけると、エラーが"
                                                        "発生する場合がございます）")}));
    QVERIFY(!fs::exists(w_->systemDir() / "temp.tri"));
    // The window's own download is no foreign replacement: saves go on, over the new set.
    w_->find<QCheckBox>(QStringLiteral("CCB2A"))->toggle();
    QCOMPARE(w_->storedSettings(), w_->window().context().settings());
    QCOMPARE(w_->storedSettings()[entry::DataVersion], installed_ + 1);
    QCOMPARE(w_->dialogs.calls.size(), 1);
    pressAndWait();
    QCOMPARE(w_->dialogs.calls.size(), 2);
    QCOMPARE(w_->dialogs.calls[1].text, QStringLiteral("ご使用のシステムは最新に保たれております"));
}

void DownloadWindowTest::declinedAndUnreachableChangeNothing() {
    w_->dialogs.answers = {false};
    pressAndWait();
    QCOMPARE(w_->dialogs.calls.last().text, QStringLiteral("ダウンロードを中止しました"));
    expectUntouched();
    site_.reset();
    pressAndWait();
    const QStringList lines = w_->dialogs.calls.last().text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.mid(0, 2), (QStringList{QStringLiteral("ダウンロードに失敗しました"),
                                           QStringLiteral("インターネット接続をご確認下さい")}));
    QVERIFY2(lines.value(2).contains(QStringLiteral("接続できません")),
             qPrintable(lines.value(2))); // and why
    expectUntouched();
}

void DownloadWindowTest::missingFileMidwayLeavesDataUntouched() {
    fs::remove(siteFiles_ / "RM_05.tri");
    pressAndWait();
    expectUntouched();
    const QString memo = w_->find<ResultBox>(QStringLiteral("Memo_DL"))->toPlainText();
    QVERIFY(memo.contains(QStringLiteral("システムファイルのダウンロードに失敗しました。")));
    QVERIFY(memo.contains(QStringLiteral("RM_05.tri")));
    QVERIFY(
        memo.contains(QStringLiteral("システムファイルは変更されていません。これまでのまま使用できます。")));
}

// Pauses of that length last until cancelled; the others are skipped.
void DownloadWindowTest::holdPausesOf(int milliseconds, int startDelayMs) {
    UpdateOptions options;
    options.baseUrl = site_->baseUrl();
    options.startDelayMs = startDelayMs;
    options.pause = [milliseconds](std::chrono::milliseconds ms, const std::atomic<bool>& cancel) {
        if (ms.count() == milliseconds)
            pauseUnlessCancelled(std::chrono::seconds(20), cancel);
    };
    page()->setUpdateOptions(options);
}

void DownloadWindowTest::closingTheProgressWindowCancels() {
    holdPausesOf(1200); // the pause after the first file
    button()->click();
    QTRY_VERIFY_WITH_TIMEOUT(page()->progressForm() && page()->progressForm()->progressBar()->value() == 1,
                             10000);
    TFormDL* form = page()->progressForm();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("TAVU for DS     ダウンロードしています"));
    QVERIFY(form->rect().contains(form->progressBar()->geometry()));
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->progressBar()->maximum(), 21);
    // It stands apart from the main window it greys out.
    QVERIFY(contrastRatio(form->palette().color(QPalette::Window),
                          w_->window().palette().color(QPalette::Disabled, QPalette::Window)) >= 3);
    QVERIFY(!form->parentWidget()); // a disabled main window would disable its children too
    QVERIFY(!w_->window().isEnabled());
    form->close();
    QVERIFY(w_->window().isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button()->isEnabled() && !page()->progressForm(), 10000);
    expectUntouched();
    const QString memo = w_->find<ResultBox>(QStringLiteral("Memo_DL"))->toPlainText();
    QVERIFY(memo.contains(QStringLiteral("システムファイルのダウンロードを中止しました。")));
}

void DownloadWindowTest::closingBeforeTheFirstTickFetchesNothing() {
    holdPausesOf(0, 60000);
    button()->click();
    QTRY_VERIFY_WITH_TIMEOUT(page()->progressForm() && page()->progressForm()->isVisible(), 10000);
    page()->progressForm()->close();
    QTRY_VERIFY_WITH_TIMEOUT(button()->isEnabled() && !page()->progressForm(), 10000);
    QVERIFY(w_->window().isEnabled());
    expectUntouched();
    const QString memo = w_->find<ResultBox>(QStringLiteral("Memo_DL"))->toPlainText();
    QVERIFY(memo.contains(QStringLiteral("システムファイルのダウンロードを中止しました。")));
}

void DownloadWindowTest::windowGoingAwayStopsCheckAndDownload() {
    holdPausesOf(1000); // the pause of the version check
    button()->click();
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    w_->destroyWindow();
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(!fs::exists(w_->systemDir() / "temp.tri"));
    QVERIFY(snapshot(w_->systemDir()) == before_);

    w_ = std::make_unique<StartedWindow>(fs::path(TAVU_SYSTEM_DIR));
    w_->start();
    holdPausesOf(1200);
    button()->click();
    QTRY_VERIFY_WITH_TIMEOUT(page()->progressForm() && page()->progressForm()->progressBar()->value() == 1,
                             10000);
    before_ = snapshot(w_->systemDir());
    clock.restart();
    w_->destroyWindow();
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(snapshot(w_->systemDir()) == before_);
    QVERIFY(!fs::exists(stagingDirFor(w_->systemDir())));
}

void DownloadWindowTest::startUpFinishesAnInterruptedSwap() {
    StartedWindow other;
    const fs::path previous = previousDirFor(other.systemDir());
    fs::rename(other.systemDir(), previous);
    other.start();
    QVERIFY(!other.window().startupAborted());
    QVERIFY(fs::exists(other.systemDir() / "system.tri"));
    QVERIFY(!fs::exists(previous));
    // The user is told, with the folders, rather than left to wonder where the data went.
    QCOMPARE(other.dialogs.texts().size(), 1);
    QVERIFY(other.dialogs.texts().front().contains(QStringLiteral("元のデータを戻しました")));
    QVERIFY(other.dialogs.texts().front().contains(QString::fromStdString(previous.string())));
}

// The transport is a module beside the program; without it a fetch fails like a dead server
// (a reason, no file), and the program goes on.
void DownloadWindowTest::httpModuleLoadsOnFirstFetchOrFailsPlainly() {
    const std::atomic<bool> cancel{false};
    const fs::path target = fs::path(dir_->path().toStdString()) / "fetched.tri";
    ModuleFetcher beside;
    QVERIFY(beside.fetch(site_->baseUrl() + "temp.tri", target, cancel).ok());
    QCOMPARE(readWholeFile(target), readWholeFile(siteFiles_ / "temp.tri"));

    QTemporaryDir empty;
    ModuleFetcher missing({}, empty.path());
    const fs::path otherTarget = target.parent_path() / "not-fetched.tri";
    const FetchResult result = missing.fetch(site_->baseUrl() + "temp.tri", otherTarget, cancel);
    QCOMPARE(result.status, FetchResult::Failed);
    QVERIFY2(
        QString::fromStdString(result.reason).startsWith(QStringLiteral("通信モジュールを読み込めません")),
        result.reason.c_str());
    QVERIFY(!fs::exists(otherTarget));
}

QTEST_MAIN(DownloadWindowTest)
#include "test_download_window.moc"
