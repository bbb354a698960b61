#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace tavu {

// Groups of controls that put a fixed explanation into the hint panel on every pointer
// movement over them, also where the pointer does not change the control's own hint.
class MouseMoveTexts : public QObject {
    Q_OBJECT
public:
    using Show = std::function<void(const QString&)>;
    MouseMoveTexts(Show show, QObject* parent);

    void attach(QWidget* control, const QString& text);
    // For pages and group boxes: only movements over their own empty area count, not the
    // ones their child controls pass up.
    void attachToArea(QWidget* container, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QString text;
        bool areaOnly = false;
    };
    void watch(QWidget* widget, const Target& target);

    Show show_;
    QHash<QObject*, Target> targets_;
};

} // namespace tavu
