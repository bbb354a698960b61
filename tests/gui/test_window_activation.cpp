// A second start of the program brings the running window to the front over a real local
// socket, and the second copy ends with status 0.
#include "app/app_strings.h"
#include "app/platform_instance_guard.h"
#include "app/window_activation.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavu;

class WindowActivationTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void connectionRestoresAndActivatesTheWindow();
    void secondStartOfTheProgramShowsTheFirstAndEnds();
    void nobodyListeningIsToldNotHangs();

private:
    std::unique_ptr<QTemporaryDir> runtime_;
};

void WindowActivationTest::init() {
    // A runtime folder of the test's own: the user's real program is neither reached nor held.
    runtime_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
}

void WindowActivationTest::connectionRestoresAndActivatesTheWindow() {
    const QString name = activationServerName(text::InstanceName);
    QVERIFY(name.startsWith(runtime_->path()));
    QMainWindow window;
    window.showMinimized();
    QVERIFY(window.isMinimized());
    WindowActivationServer server(name, window);
    QVERIFY(server.listening());
    QVERIFY(askRunningWindowToShow(name));
    QTRY_VERIFY(!window.isMinimized());
    QTRY_VERIFY(window.isActiveWindow());
    QVERIFY(window.isVisible());
    // A window hidden behind others comes back the same way, any number of times.
    QMainWindow other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!window.isActiveWindow());
    QVERIFY(askRunningWindowToShow(name));
    QTRY_VERIFY(window.isActiveWindow());
}

void WindowActivationTest::secondStartOfTheProgramShowsTheFirstAndEnds() {
    // This process plays the running copy: it holds the guard and listens, as the program does.
    SingleInstanceGuard first(text::InstanceName);
    QVERIFY(first.acquired());
    QMainWindow window;
    window.showMinimized();
    WindowActivationServer server(activationServerName(text::InstanceName), window);
    // A socket left behind by a copy that crashed does not stop the next one listening.
    WindowActivationServer again(activationServerName(text::InstanceName), window);
    QVERIFY(again.listening());

    QProcess second;
    second.start(QStringLiteral(TAVU_EXECUTABLE), {});
    QVERIFY(second.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(!window.isMinimized());
    QTRY_VERIFY(window.isActiveWindow());
}

void WindowActivationTest::nobodyListeningIsToldNotHangs() {
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!askRunningWindowToShow(activationServerName(text::InstanceName), 500));
    QVERIFY(timer.elapsed() < 5000);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    WindowActivationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_activation.moc"
