#pragma once

#include "draw/draw_filter.h"
#include "draw/draw_result.h"

#include <QList>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;

namespace tavu {

class PageContext;
class ResultBox;

// The window's side of a draw: reading the boxes, showing what the core returned, and the
// three ways a draw can end badly.

// Table text is Shift-JIS bytes; the controls show it as Unicode.
QString fromSjis(const std::string& bytes);
std::string toSjis(const QString& text);

void showFields(const QList<QLineEdit*>& fields, const std::vector<std::string>& values);
void showLines(ResultBox* list, const std::vector<std::string>& lines);

// Shows the message a draw ended with instead of a result: DrawWarning, or the spell
// page's plain "該当カードなし" box. False for a result.
bool showDrawEnd(PageContext& ctx, DrawEnd end);

// The creature and item draws run under one guard: any failure ends the draw where it
// happened and shows DrawWarning; the program keeps running.
void runUnderDrawGuard(PageContext& ctx, const std::function<void()>& draw);
// The spell draws have no guard of their own: a failure is shown in the error box with
// its own message.
void runShowingErrors(PageContext& ctx, const std::function<void()>& draw);

} // namespace tavu
