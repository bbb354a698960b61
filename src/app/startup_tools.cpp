#include "startup_tools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace tavu {

namespace {

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            // Wall-clock time of the first paint, for the benchmark script to subtract its start from.
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first-paint-ns %lld\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

// File names of the pictures: tab number, then the page's own name.
struct Shot {
    int tab;
    int subTab; // -1 for a tab without sub-pages
    const char* file;
};

constexpr Shot Shots[] = {
    {0, 0, "tab-1-creature-single.png"}, {0, 1, "tab-1-creature-multiple.png"},
    {1, 0, "tab-2-item-single.png"},     {1, 1, "tab-2-item-multiple.png"},
    {2, 0, "tab-3-spell-single.png"},    {2, 1, "tab-3-spell-multiple.png"},
    {3, 0, "tab-4-match-map.png"},       {3, 1, "tab-4-match-cpu.png"},
    {4, -1, "tab-5-book.png"},           {5, -1, "tab-6-manual.png"},
    {6, -1, "tab-7-download.png"},
};

} // namespace

ToolOptions parseToolOptions(int argc, char** argv) {
    ToolOptions options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--system") == 0 && hasValue)
            options.systemDir = std::filesystem::path(argv[++i]);
        else if (std::strcmp(argv[i], "--history") == 0 && hasValue)
            options.historyFile = std::filesystem::path(argv[++i]);
        else if (std::strcmp(argv[i], "--screenshot") == 0 && hasValue)
            options.screenshotDir = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--language") == 0 && hasValue)
            options.language = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--quit-after-paint") == 0)
            options.quitAfterPaint = true;
    }
    return options;
}

DataFolderChoice dataFolder(const ToolOptions& options) {
    return chooseDataFolder(options.systemDir,
                            QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
                            UserFolders::fromProcess());
}

void quitAfterFirstPaint(QApplication& app) {
    app.installEventFilter(new FirstPaintWatcher(&app));
}

bool saveScreenshots(QMainWindow& window, const QString& dir) {
    QDir().mkpath(dir);
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (pages == nullptr)
        return false;
    const bool ok = std::ranges::all_of(Shots, [&](const Shot& shot) {
        pages->setCurrentIndex(shot.tab);
        if (shot.subTab >= 0)
            pages->currentWidget()->findChild<QTabWidget*>()->setCurrentIndex(shot.subTab);
        QApplication::processEvents();
        // Whatever the pointer happened to rest on would otherwise leave its hint in the picture.
        if (auto* hint = window.findChild<QLabel*>(QStringLiteral("StatusPanel0")))
            hint->clear();
        return window.grab().save(QDir(dir).filePath(QString::fromUtf8(shot.file)));
    });
    pages->setCurrentIndex(0);
    return ok;
}

} // namespace tavu
