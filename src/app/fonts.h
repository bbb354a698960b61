#pragma once

#include <QFont>

namespace tavu {

// The window's fonts are named after the Japanese Windows faces. Where those are missing the
// IPA faces stand in: they share the metrics, so texts keep the widths the layout expects.
// The substitutes serve fonts named elsewhere; the two below name the installed face itself.
void installFontSubstitutes();

QFont proportionalFont(int pixelSize = 12); // "ＭＳ Ｐゴシック"
QFont fixedFont(int pixelSize = 12);        // "ＭＳ ゴシック"

} // namespace tavu
