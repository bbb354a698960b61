#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

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

// The family a font is built with: the named one when installed, else its stand-in. Naming
// the stand-in directly matters for start-up: a family that is not installed sends every
// text layout through fontconfig's fallback sort (several milliseconds per script) before
// the substitute is tried. The list of families is read once, as the first text would anyway.
QString installedOr(const QString& family, const QString& standIn) {
    return QFontDatabase::families().contains(family) ? family : standIn;
}

const QString& proportionalFace() {
    static const QString face = installedOr(proportionalFamily(), QStringLiteral("IPAPGothic"));
    return face;
}

const QString& fixedFace() {
    static const QString face = installedOr(fixedFamily(), QStringLiteral("IPAGothic"));
    return face;
}

} // namespace

void installFontSubstitutes() {
    QFont::insertSubstitution(proportionalFamily(), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(fixedFamily(), QStringLiteral("IPAGothic"));
}

QFont proportionalFont(int pixelSize) {
    QFont font(proportionalFace());
    font.setPixelSize(pixelSize);
    return font;
}

QFont fixedFont(int pixelSize) {
    QFont font(fixedFace());
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace tavu
