#include "module_fetcher.h"

#include "folders/install_layout.h"
#include "ui_text.h"
#include "update/http_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavu {

namespace {

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

HttpFetcher* ModuleFetcher::inner() {
    if (!inner_) {
        // Once loaded the module is never unloaded: fetchers made by it may outlive any one caller.
        QLibrary library(QDir(moduleDir_).filePath(QString::fromLatin1(HttpModuleName)));
        const auto make = reinterpret_cast<MakeHttpFetcher>(library.resolve(HttpModuleEntry));
        if (!make) {
            failure_ = {FetchResult::Failed,
                        Ui::tr("通信モジュールを読み込めません: %1").arg(library.errorString()).toStdString(),
                        false};
            return nullptr;
        }
        inner_.reset(make(&limits_));
    }
    return inner_.get();
}

FetchResult ModuleFetcher::fetchInto(const std::string& url, const FetchTarget& target,
                                     const std::atomic<bool>& cancel, const FetchBounds& bounds) {
    HttpFetcher* fetcher = inner();
    return fetcher ? fetcher->fetch(url, target, cancel, bounds) : failure_;
}

} // namespace tavu
