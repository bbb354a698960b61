// The yardstick of the start-up benchmark: the least a Qt Widgets program with a page control
// does before its first paint. It ends right after that paint, like `tavu --quit-after-paint`.
#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>
#include <cstdio>
#include <ctime>

namespace {

class QuitOnFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Wall-clock time of the first paint, for the benchmark script to subtract its start from.
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("first-paint-ns %lld\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.installEventFilter(new QuitOnFirstPaint(&app));
    QMainWindow window;
    window.setCentralWidget(new QTabWidget(&window));
    window.resize(631, 404);
    window.show();
    return QApplication::exec();
}
