#include "focus_ring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace tavu {

namespace {

constexpr int RingWidth = 2;
// Dark blue: 3:1 and more against white fields, the grey of a greyed field, the window and
// the About window's sky blue.
const QColor RingColour(0, 60, 143);

// Drawn over the inside edge of its control, so it never overlaps a neighbour.
class Ring : public QWidget {
public:
    explicit Ring(QWidget* control)
        : QWidget(control) {
        setObjectName(QStringLiteral("FocusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(RingColour, RingWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(
            QRectF(rect()).adjusted(RingWidth / 2.0, RingWidth / 2.0, -RingWidth / 2.0, -RingWidth / 2.0));
    }
};

// A spin edit gives its focus to the field inside it; the ring goes round the whole control.
QWidget* ringedControl(QWidget* focused) {
    QWidget* control = focused;
    while (control->parentWidget() != nullptr && control->parentWidget()->focusProxy() == control)
        control = control->parentWidget();
    return control;
}

} // namespace

FocusRing::FocusRing(QObject* parent)
    : QObject(parent) {
    qApp->installEventFilter(this);
}

FocusRing::~FocusRing() {
    delete ring_.data();
}

QWidget* FocusRing::target() const {
    return ring_ != nullptr && ring_->isVisible() ? ring_->parentWidget() : nullptr;
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            keyboard_ = true;
        else if (reason == Qt::MouseFocusReason)
            keyboard_ = false;
        if (watched->isWidgetType())
            follow(static_cast<QWidget*>(watched));
        break;
    }
    case QEvent::FocusOut:
        if (ring_ != nullptr && watched->isWidgetType() &&
            ringedControl(static_cast<QWidget*>(watched)) == ring_->parentWidget())
            ring_->hide();
        break;
    case QEvent::Resize:
        if (ring_ != nullptr && watched == ring_->parentWidget())
            ring_->setGeometry(ring_->parentWidget()->rect());
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::follow(QWidget* focused) {
    QWidget* control = ringedControl(focused);
    if (!keyboard_ || control->isWindow()) {
        if (ring_ != nullptr)
            ring_->hide();
        return;
    }
    if (ring_ == nullptr)
        ring_ = new Ring(control);
    else if (ring_->parentWidget() != control)
        ring_->setParent(control);
    ring_->setGeometry(control->rect());
    ring_->raise();
    ring_->show();
}

} // namespace tavu
