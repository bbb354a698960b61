// F1: the manual in a window of the program, its sections, back and forward, and web links
// handed to the browser (or a plain Japanese error when there is none).
#include "app/help_window.h"
#include "gui_test_support.h"

#include <QAction>
#include <QListWidget>
#include <QTextBrowser>
#include <QtTest>

using namespace tavu;
using namespace tavu::test;

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void f1ShowsTheManualWithItsSections();
    void sectionsBackAndForwardMoveWithinTheManual();
    void webLinksGoToTheBrowserOrSayWhatCouldNotOpen();

private:
    HelpWindow* openHelp() {
        QTest::keyClick(&w_->window(), Qt::Key_F1);
        return w_->window().helpWindow();
    }
    QAction* action(const char* name) {
        return w_->window().helpWindow()->findChild<QAction*>(QLatin1String(name));
    }
    std::unique_ptr<StartedWindow> w_;
};

void HelpWindowTest::init() {
    w_ = std::make_unique<StartedWindow>();
    w_->start();
    w_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w_->window()));
    w_->window().activateWindow();
    QTRY_VERIFY(w_->window().isActiveWindow()); // where F1 arrives
}

void HelpWindowTest::cleanup() {
    w_.reset();
}

void HelpWindowTest::f1ShowsTheManualWithItsSections() {
    HelpWindow* help = openHelp();
    QVERIFY(help);
    QTRY_VERIFY(help->isVisible());
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("目次")));
    QStringList sections;
    for (int i = 0; i < help->sections()->count(); ++i)
        sections << help->sections()->item(i)->text();
    QVERIFY2(sections.size() >= 8, qPrintable(sections.join(u'|')));
    QVERIFY(sections.contains(QStringLiteral("3. ファイルへの出力")));
    // A second F1 brings back the same window rather than opening another.
    help->showMinimized();
    QCOMPARE(openHelp(), help);
    QTRY_VERIFY(!help->isMinimized());
    QVERIFY(w_->urls.opened.isEmpty());
}

void HelpWindowTest::sectionsBackAndForwardMoveWithinTheManual() {
    HelpWindow* help = openHelp();
    const QUrl contents = help->browser()->source();
    QVERIFY(!action("HelpBack")->isEnabled());
    QListWidget* list = help->sections();
    QListWidgetItem* download = list->findItems(QStringLiteral("ダウンロード"), Qt::MatchContains).value(0);
    QVERIFY(download);
    emit list->itemActivated(download);
    QCOMPARE(help->browser()->source().fragment(), QStringLiteral("download"));
    QVERIFY(action("HelpBack")->isEnabled());
    action("HelpBack")->trigger();
    QCOMPARE(help->browser()->source(), contents);
    QVERIFY(action("HelpForward")->isEnabled());
    action("HelpForward")->trigger();
    QCOMPARE(help->browser()->source().fragment(), QStringLiteral("download"));
    // A link of the page's own contents stays in the window.
    emit help->browser()->anchorClicked(QUrl(QStringLiteral("#output")));
    QCOMPARE(help->browser()->source().fragment(), QStringLiteral("output"));
    action("HelpHome")->trigger();
    QCOMPARE(help->browser()->source(), contents);
    QVERIFY(w_->urls.opened.isEmpty());
}

void HelpWindowTest::webLinksGoToTheBrowserOrSayWhatCouldNotOpen() {
    HelpWindow* help = openHelp();
    const QUrl before = help->browser()->source();
    const QString site = QStringLiteral("https://tavu.example/manual.html");
    emit help->browser()->anchorClicked(QUrl(site));
    QCOMPARE(w_->urls.opened, QStringList{site});
    QCOMPARE(help->browser()->source(), before); // never fetched into the viewer
    QVERIFY(w_->dialogs.calls.isEmpty());

    w_->urls.works = false;
    emit help->browser()->anchorClicked(QUrl(site));
    QCOMPARE(w_->dialogs.calls.size(), 1);
    QCOMPARE(w_->dialogs.calls[0].kind, QStringLiteral("error"));
    QVERIFY(w_->dialogs.calls[0].text.contains(site));
    QVERIFY(w_->dialogs.calls[0].text.contains(QStringLiteral("開けませんでした")));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    HelpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_help_window.moc"
