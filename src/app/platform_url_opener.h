#pragma once

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tavu {

// Opens a web page with whatever the desktop uses for it. Behind an interface so that tests
// can see what would have been opened without starting a browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QString& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
};

} // namespace tavu
