#pragma once

class QWidget;

namespace tavu {

class MouseMoveTexts;

// Gives every listed control of the window its hint (shown in the hint panel), and the
// single-draw result fields their pop-up tips as well.
void applyControlHints(QWidget* window);

// Attaches the fixed mouse-move explanations to their groups of controls.
void attachMouseMoveTexts(QWidget* window, QWidget* windowArea, MouseMoveTexts& texts);

} // namespace tavu
