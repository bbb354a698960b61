#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tavu {

// A plain ring around the control that has the keyboard focus, in every window of the
// program, from the moment the keyboard moves the focus until the mouse does: the style's own
// marks are faint, and missing on read-only fields, result lists and greyed fields.
class FocusRing : public QObject {
    Q_OBJECT
public:
    explicit FocusRing(QObject* parent);
    ~FocusRing() override;

    // The control the ring is drawn around now, or null.
    QWidget* target() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);

    QPointer<QWidget> ring_;
    bool keyboard_ = false;
};

} // namespace tavu
