#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace tavu {

class MouseMoveTexts;

// The window's named widgets, looked up by name without walking the whole tree each time.
using WidgetsByName = QHash<QString, QWidget*>;
WidgetsByName indexWidgetsByName(QWidget* window);

// Gives every listed control of the window its hint (shown in the hint panel), and the
// single-draw result fields their pop-up tips as well.
void applyControlHints(const WidgetsByName& widgets);

// Attaches the fixed mouse-move explanations to their groups of controls.
void attachMouseMoveTexts(const WidgetsByName& widgets, QWidget* windowArea, MouseMoveTexts& texts);

} // namespace tavu
