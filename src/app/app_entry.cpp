#include "app_entry.h"

#include "app_strings.h"
#include "fonts.h"
#include "guarded_application.h"
#include "main_window.h"
#include "platform_font_warmup.h"
#include "platform_instance_guard.h"
#include "platform_url_opener.h"
#include "qt_dialogs.h"
#include "startup/data_folder_use.h"
#include "startup_tools.h"

#include <QApplication>
#include <future>

namespace tavu {

int runApplication(int argc, char** argv) {
    SingleInstanceGuard guard(text::InstanceName);
    // A second copy leaves at once and without a word; the first one is already on screen.
    if (!guard.acquired())
        return 0;
    FontConfigWarmUp fontConfig;
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

} // namespace tavu
