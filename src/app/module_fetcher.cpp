#include "module_fetcher.h"

#include "update/http_module.h"

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

} // namespace

ModuleFetcher::ModuleFetcher(FetchLimits limits, QString moduleDir)
    : limits_(limits)
    , moduleDir_(moduleDir.isEmpty() ? QCoreApplication::applicationDirPath() : std::move(moduleDir)) {}

ModuleFetcher::~ModuleFetcher() = default;

HttpFetcher* ModuleFetcher::inner(FetchResult& failure) {
    if (!inner_) {
        const Loaded loaded = loadModule(moduleDir_);
        if (!loaded.make) {
            failure = {FetchResult::Failed, "通信モジュールを読み込めません: " + loaded.error.toStdString(),
                       false};
            return nullptr;
        }
        inner_.reset(loaded.make(&limits_));
    }
    return inner_.get();
}

FetchResult ModuleFetcher::fetchToFile(const std::string& url, const std::filesystem::path& target,
                                       const std::atomic<bool>& cancel, const FetchBounds& bounds) {
    FetchResult failure;
    HttpFetcher* fetcher = inner(failure);
    return fetcher ? fetcher->fetch(url, target, cancel, bounds) : failure;
}

FetchResult ModuleFetcher::fetchToMemory(const std::string& url, std::string& body,
                                         const std::atomic<bool>& cancel, const FetchBounds& bounds) {
    FetchResult failure;
    HttpFetcher* fetcher = inner(failure);
    return fetcher ? fetcher->fetchBytes(url, body, cancel, bounds) : failure;
}

} // namespace tavu
