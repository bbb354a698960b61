#include "result_box.h"

#include "ui_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

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

void ResultBox::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    const QString code = codeSource_ ? codeSource_() : QString();
    menu->addSeparator();
    QAction* copy = menu->addAction(Ui::tr("抽出コードをコピー"));
    copy->setObjectName(QStringLiteral("copyDrawCode"));
    copy->setEnabled(!code.isEmpty());
    connect(copy, &QAction::triggered, this, [code] { QGuiApplication::clipboard()->setText(code); });
    menu->exec(event->globalPos());
}

} // namespace tavu
