#include "module_fetcher.h"

#include "folders/install_layout.h"
#include "support/http_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavu {

namespace {

struct Loaded {
    MakeHttpFetcher make = nullptr;
    QString error;
};

// Once loaded the module is never unloaded: fetchers made by it may outlive any one caller.
Loaded loadModule(const QString& dir) {
    QLibrary library(QDir(dir).filePath(QString::fromLatin1(HttpModuleName)));
    Loaded loaded;
    loaded.make = reinterpret_cast<MakeHttpFetcher>(library.resolve(HttpModuleEntry));
    if (!loaded.make)
        loaded.error = library.errorString();
    return loaded;
}

// Beside the executable in a build tree, under the prefix once installed.
QString defaultModuleDir() {
    const auto dir = httpModuleDir(QCoreApplication::applicationDirPath().toStdString());
    return QString::fromStdString(dir.string());
}

} // namespace

ModuleFetcher::ModuleFetcher(FetchLimits limits, QString moduleDir)
    : limits_(limits)
    , moduleDir_(moduleDir.isEmpty() ? defaultModuleDir() : std::move(moduleDir)) {}

ModuleFetcher::~ModuleFetcher() = default;

FetchResult ModuleFetcher::fetch(const std::string& url, const std::filesystem::path& target,
                                 const std::atomic<bool>& cancel) {
    if (!inner_) {
        const Loaded loaded = loadModule(moduleDir_);
        if (!loaded.make) {
            std::error_code ignored;
            std::filesystem::remove(target, ignored);
            return {FetchResult::Failed, "通信モジュールを読み込めません: " + loaded.error.toStdString()};
        }
        inner_.reset(loaded.make(&limits_));
    }
    return inner_->fetch(url, target, cancel);
}

} // namespace tavu
