#pragma once

#include "binding.h"

#include <QWidget>

class QPushButton;

namespace tavu {

class MouseMoveTexts;
class PageContext;

// A page of the window with its binding table: the one place that says what each of its
// controls stores, how start-up restores it and what it hints.
class BoundPage : public QWidget {
    Q_OBJECT
public:
    const PageBindings& bindings() const { return bindings_; }
    // Finds the page's bound controls and gives them their hints. A name that does not
    // resolve is a fault of the table: fatal in a debug build, reported otherwise.
    void bind(MouseMoveTexts& texts);
    // What start-up does to the page once the tables are in; nothing for most pages.
    virtual void clearForStart() {}
    // The button Enter presses wherever the focus is on the page, unless it is on another
    // button, which Enter then presses; null on pages without an OK.
    QPushButton* defaultButton() const { return default_; }

protected:
    BoundPage(PageContext& context, const QString& name, std::vector<Binding> rows);

    // The page's save path: the entry of `control`, or of every bound control, written and saved.
    void store(const QWidget* control);
    // The pages that save only by their button "設定を保存" ask first and confirm after.
    void storeAllIfConfirmed(const QString& question, const QString& caption);

    void setDefaultButton(QPushButton* button) { default_ = button; }
    void keyPressEvent(QKeyEvent* event) override;

    PageContext& ctx_;

private:
    PageBindings bindings_;
    QPushButton* default_ = nullptr; // a child of the page
};

// The pages the window needs no more of than their bindings.
BoundPage* newCpuPage(PageContext& context);
BoundPage* newMapPage(PageContext& context);
BoundPage* newManualPage(PageContext& context);

} // namespace tavu
