#include "platform_url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavu {

bool DesktopUrlOpener::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool DesktopUrlOpener::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tavu
