#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef TAVU_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tavu {

namespace {

const QString ProportionalFamily = QStringLiteral("ＭＳ Ｐゴシック");
const QString FixedFamily = QStringLiteral("ＭＳ ゴシック");
const QString ProportionalStandIn = QStringLiteral("IPAPGothic");
const QString FixedStandIn = QStringLiteral("IPAGothic");

// The family a font is built with: the named one when installed, else its stand-in. Naming
// the stand-in directly matters for start-up: a family that is not installed sends every
// text layout through fontconfig's fallback sort (several milliseconds per script) before
// the substitute is tried. The list of families is read once, as the first text would anyway.
QString installedOr(const QString& family, const QString& standIn) {
    return QFontDatabase::families().contains(family) ? family : standIn;
}

// The IPA faces carry TrueType hinting instructions made for small sizes. Full hinting runs
// them, snapping the 12-pixel strokes to whole pixels as the Windows faces they stand in for
// are drawn; the lighter default would instead run FreeType's auto-hinter, which gives softer
// strokes and costs twice as much per glyph when a page's texts are first measured.
QFont faceAt(const QString& face, int pixelSize) {
    QFont font(face);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

std::future<void> readFontConfiguration() {
#ifdef TAVU_HAVE_FONTCONFIG
    // Loading the configuration is safe from any thread, and Qt's own call afterwards finds
    // it loaded. Qt must not start on fonts before the wait, or both would load it.
    return std::async(std::launch::async, [] { FcInit(); });
#else
    return std::async(std::launch::deferred, [] {});
#endif
}

void installFontSubstitutes() {
    QFont::insertSubstitution(ProportionalFamily, ProportionalStandIn);
    QFont::insertSubstitution(FixedFamily, FixedStandIn);
}

QFont proportionalFont(int pixelSize) {
    static const QString face = installedOr(ProportionalFamily, ProportionalStandIn);
    return faceAt(face, pixelSize);
}

QFont fixedFont(int pixelSize) {
    static const QString face = installedOr(FixedFamily, FixedStandIn);
    QFont font = faceAt(face, pixelSize);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace tavu
