#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tavu {

// Opens a web page or a document with whatever the desktop uses for it. Behind an interface
// so that tests can see what would have been opened without starting a browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QString& url) = 0;
    virtual bool openDocument(const QString& path) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
    bool openDocument(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

} // namespace tavu
