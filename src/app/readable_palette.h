#pragma once

#include <QPalette>

namespace tavu {

// The style's colours with greyed and placeholder text darkened (or, on a dark theme,
// lightened) just enough to be read: 4.5:1 against every background it is drawn on. The
// other colours are left as they are.
QPalette withReadableGreyedText(QPalette palette);
// Puts that palette into effect for every window of the program.
void useReadableGreyedText();

} // namespace tavu
