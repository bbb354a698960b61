#include "fonts.h"

#include <QFontDatabase>

namespace tavu {

namespace {

const QString& proportionalFamily() {
    static const QString family = QStringLiteral("ＭＳ Ｐゴシック");
    return family;
}

const QString& fixedFamily() {
    static const QString family = QStringLiteral("ＭＳ ゴシック");
    return family;
}

void substituteWhenMissing(const QString& family, const QString& standIn) {
    if (!QFontDatabase::hasFamily(family))
        QFont::insertSubstitution(family, standIn);
}

} // namespace

void installFontSubstitutes() {
    substituteWhenMissing(proportionalFamily(), QStringLiteral("IPAPGothic"));
    substituteWhenMissing(fixedFamily(), QStringLiteral("IPAGothic"));
}

QFont proportionalFont(int pixelSize) {
    QFont font(proportionalFamily());
    font.setPixelSize(pixelSize);
    return font;
}

QFont fixedFont(int pixelSize) {
    QFont font(fixedFamily());
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace tavu
