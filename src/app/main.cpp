#include "app/app_strings.h"
#include "app/fonts.h"
#include "app/guarded_application.h"
#include "app/main_window.h"
#include "app/platform_instance_guard.h"
#include "app/platform_url_opener.h"
#include "app/qt_dialogs.h"
#include "app/startup_tools.h"
#include "startup/data_folder_use.h"

#include <QApplication>
#include <future>

using namespace tavu;

// The whole process: single-instance guard, application set-up, main window, message loop.
int main(int argc, char** argv) {
    SingleInstanceGuard guard(text::InstanceName);
    // A second copy leaves at once and without a word; the first one is already on screen.
    if (!guard.acquired())
        return 0;
    std::future<void> fontConfig = readFontConfiguration();
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(text::ApplicationTitle));
    const ToolOptions options = parseToolOptions(argc, argv);
    const std::filesystem::path systemDir = dataFolder(options);
    // An update from the command line leaves the folder alone while this window uses it.
    DataFolderUse folderUse(systemDir);
    // The data folder is read (its settings unlocked and flushed to disk) on a thread of its
    // own while the font configuration is still loading.
    auto files = std::async(std::launch::async, readStartupFiles, systemDir);
    fontConfig.wait();
    installFontSubstitutes();
    QApplication::setFont(proportionalFont(12));
    QtDialogs dialogs;
    app.setErrorHandler([&dialogs](const QString& message) { dialogs.error(message); });
    DesktopUrlOpener urls;
    TMainForm window(files.get(), dialogs, urls);
    if (window.startupAborted())
        return 0;
    dialogs.setParentWindow(&window);
    window.show();
    if (!options.screenshotDir.isEmpty())
        return saveScreenshots(window, options.screenshotDir) ? 0 : 1;
    if (options.quitAfterPaint)
        quitAfterFirstPaint(app);
    return QApplication::exec();
}
