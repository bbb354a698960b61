#include "mouse_move_texts.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QWidget>

namespace tavu {

MouseMoveTexts::MouseMoveTexts(Show show, QObject* parent)
    : QObject(parent)
    , show_(std::move(show)) {}

void MouseMoveTexts::attach(QWidget* control, const QString& text) {
    watch(control, {text, false});
    // A scroll area's pointer events arrive at its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
        watch(area->viewport(), {text, false});
}

void MouseMoveTexts::attachToArea(QWidget* container, const QString& text) {
    watch(container, {text, true});
}

void MouseMoveTexts::watch(QWidget* widget, const Target& target) {
    if (widget == nullptr)
        return;
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    targets_.insert(widget, target);
}

bool MouseMoveTexts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto it = targets_.constFind(watched);
    if (it == targets_.constEnd())
        return false;
    if (it->areaOnly) {
        auto* container = static_cast<QWidget*>(watched);
        const auto* move = static_cast<QMouseEvent*>(event);
        if (container->childAt(move->position().toPoint()) != nullptr)
            return false;
    }
    show_(it->text);
    return false;
}

} // namespace tavu
