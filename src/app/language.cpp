#include "language.h"

#include "qt_translation.h"
#include "ui_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tavu {

namespace {

constexpr const char* EnglishFile = ":/i18n/tavu_en.qm";

struct InstalledTranslators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    Language language = Language::Japanese;
};

InstalledTranslators& installed() {
    static InstalledTranslators translators;
    return translators;
}

void uninstall(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

Language languageFromKey(const QString& key) {
    if (key == QLatin1String("ja"))
        return Language::Japanese;
    if (key == QLatin1String("en"))
        return Language::English;
    return Language::System;
}

QString keyOf(Language language) {
    switch (language) {
    case Language::Japanese:
        return QStringLiteral("ja");
    case Language::English:
        return QStringLiteral("en");
    case Language::System:
        break;
    }
    return {};
}

Language shownLanguage(Language choice, const QLocale& system) {
    if (choice != Language::System)
        return choice;
    return system.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

bool useLanguage(Language language) {
    InstalledTranslators& now = installed();
    uninstall(now.program);
    uninstall(now.qt);
    now.language = language;
    if (language == Language::English) {
        auto english = std::make_unique<QTranslator>();
        if (!english->load(QString::fromLatin1(EnglishFile)))
            return false;
        now.program = std::move(english);
        return QCoreApplication::installTranslator(now.program.get());
    }
    now.qt = loadQtJapanese();
    return now.qt && QCoreApplication::installTranslator(now.qt.get());
}

Language languageInUse() {
    return installed().language;
}

QString textIn(Language language, const char* source) {
    if (language == Language::Japanese)
        return QString::fromUtf8(source);
    QTranslator english;
    if (!english.load(QString::fromLatin1(EnglishFile)))
        return QString::fromUtf8(source);
    const QString text = english.translate("tavu::Ui", source);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace tavu
