#include "result_box.h"

#include <QTextBlock>

namespace tavu {

ResultBox::ResultBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    document()->setDocumentMargin(0);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    applyInnerMargins();
}

void ResultBox::applyInnerMargins() {
    // The margin area belongs to the scroll area, not the viewport; paint it like the text.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setViewportMargins(6, 4, 6, 0);
}

void ResultBox::setInitialText(const QString& text) {
    if (isVisible())
        setPlainText(text);
    else
        pendingText_ = text;
}

void ResultBox::showEvent(QShowEvent* event) {
    if (!pendingText_.isEmpty() && document()->isEmpty())
        setPlainText(pendingText_);
    pendingText_.clear();
    QPlainTextEdit::showEvent(event);
}

QStringList ResultBox::lines() const {
    if (document()->isEmpty())
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}

} // namespace tavu
