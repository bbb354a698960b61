#include "qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavu {

std::unique_ptr<QTranslator> loadQtJapanese() {
    auto translator = std::make_unique<QTranslator>();
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (!translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

bool installQtJapanese(QCoreApplication& app) {
    std::unique_ptr<QTranslator> translator = loadQtJapanese();
    if (!translator)
        return false;
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace tavu
