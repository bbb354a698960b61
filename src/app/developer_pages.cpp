#include "developer_pages.h"

#include "folders/install_layout.h"
#include "update/update_config.h"

#include <QCoreApplication>
#include <QDir>

namespace tavu {

namespace {

// The update URL ends in tavuds/system_file/; the pages sit at the root of that site.
QString siteRoot() {
    QString url = QString::fromStdString(defaultUpdateUrl());
    const QString updatePath = QStringLiteral("tavuds/system_file/");
    if (url.endsWith(updatePath))
        url.chop(updatePath.size());
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

} // namespace

QString developerHomePage() {
    return siteRoot() + QStringLiteral("index.html");
}

QString developerConceptPage() {
    return siteRoot() + QStringLiteral("tavu_03.html");
}

QString helpContentsFile() {
    const auto dir = helpDir(QCoreApplication::applicationDirPath().toStdString());
    return QDir(QString::fromStdString(dir.string())).filePath(QStringLiteral("index.html"));
}

} // namespace tavu
