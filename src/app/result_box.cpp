#include "result_box.h"

#include <QTextBlock>
#include <QTextCursor>

namespace tavu {

ResultBox::ResultBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    document()->setDocumentMargin(0);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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

void ResultBox::setBoxFont(const QFont& font) {
    if (isVisible())
        setFont(font);
    else
        pendingFont_ = font;
}

void ResultBox::showEvent(QShowEvent* event) {
    if (pendingFont_) {
        setFont(*pendingFont_);
        pendingFont_.reset();
    }
    if (!pendingText_.isEmpty() && document()->isEmpty())
        setPlainText(pendingText_);
    pendingText_.clear();
    QPlainTextEdit::showEvent(event);
}

void ResultBox::showResult(const QString& text) {
    setPlainText(text);
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
}

QStringList ResultBox::lines() const {
    if (document()->isEmpty())
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}

} // namespace tavu
