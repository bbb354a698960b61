#pragma once

#include "code/draw_plan.h"

#include <QList>

class QWidget;

namespace tavu {

class BoundPage;

// The page among `pages` that makes the draw `plan` names.
BoundPage* pageOfDraw(const QList<BoundPage*>& pages, const code::DrawPlan& plan);

// Brings `page` into view, sets its controls to `plan` as a user would (each change runs its
// handlers and the settings writes they make) and presses OK. The draw takes the random
// source as it stands. False when the OK button stays disabled, as for a code whose filters
// leave nothing to draw.
bool drawOnPage(QWidget* page, const code::DrawPlan& plan);

} // namespace tavu
