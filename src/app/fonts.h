#pragma once

#include <QFont>
#include <future>

namespace tavu {

// Reading the system's font configuration is the largest single cost of a start (a few
// milliseconds of parsing before the first text can be measured). Where that is fontconfig,
// it is read on a thread of its own while the application object is set up; wait for the
// result before the first font is resolved. Elsewhere the result is ready at once.
std::future<void> readFontConfiguration();

// The window's fonts are named after the Japanese Windows faces. Where those are missing the
// IPA faces stand in: they share the metrics, so texts keep the widths the layout expects.
// The substitutes serve fonts named elsewhere; the two below name the installed face itself.
void installFontSubstitutes();

QFont proportionalFont(int pixelSize = 12); // "ＭＳ Ｐゴシック"
QFont fixedFont(int pixelSize = 12);        // "ＭＳ ゴシック"

} // namespace tavu
