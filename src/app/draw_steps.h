#pragma once

#include "draw/draw_filter.h"
#include "draw/draw_result.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;

namespace tavu {

struct AppContext;
class ResultBox;

// The window's side of a draw: reading the boxes, showing what the core returned, and the
// three ways a draw can end badly.

std::vector<bool> tickedStates(const QList<QCheckBox*>& boxes);

template <std::size_t N>
std::array<bool, N> ticks(const QList<QCheckBox*>& boxes) {
    std::array<bool, N> out{};
    const auto states = tickedStates(boxes);
    for (std::size_t i = 0; i < N && i < states.size(); ++i)
        out[i] = states[i];
    return out;
}

// Table text is Shift-JIS bytes; the controls show it as Unicode.
QString fromSjis(const std::string& bytes);
std::string toSjis(const QString& text);

void showFields(const QList<QLineEdit*>& fields, const std::vector<std::string>& values);
void showLines(ResultBox* list, const std::vector<std::string>& lines);

void showDrawWarning(AppContext& ctx);
// Shows the message a draw ended with instead of a result: DrawWarning, or the spell
// page's plain "該当カードなし" box. False for a result.
bool showDrawEnd(AppContext& ctx, DrawEnd end);

// The creature and item draws run under one guard: any failure ends the draw where it
// happened and shows DrawWarning; the program keeps running.
void runUnderDrawGuard(AppContext& ctx, const std::function<void()>& draw);
// The spell draws have no guard of their own: a failure is shown in the error box with
// its own message.
void runShowingErrors(AppContext& ctx, const std::function<void()>& draw);

} // namespace tavu
