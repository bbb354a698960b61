#include "developer_pages.h"

#include "folders/install_layout.h"
#include "language.h"
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
    const QDir dir(
        QString::fromStdString(helpDir(QCoreApplication::applicationDirPath().toStdString()).string()));
    // The manual in the window's language; the Japanese one where there is no other.
    const QString english = QStringLiteral("index_en.html");
    if (languageInUse() == Language::English && dir.exists(english))
        return dir.filePath(english);
    return dir.filePath(QStringLiteral("index.html"));
}

} // namespace tavu
