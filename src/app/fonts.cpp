#include "fonts.h"

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

// A substitute is only consulted when the named family itself is not installed, so it can
// be registered unconditionally; asking the font database first would load it at start-up.
void substitute(const QString& family, const QString& standIn) {
    QFont::insertSubstitution(family, standIn);
}

} // namespace

void installFontSubstitutes() {
    substitute(proportionalFamily(), QStringLiteral("IPAPGothic"));
    substitute(fixedFamily(), QStringLiteral("IPAGothic"));
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
