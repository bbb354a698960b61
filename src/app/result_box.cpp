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
    shownText_ = toPlainText();
    shown_ = {lines(), codeSource_ ? codeSource_() : QString(), drawTime_ ? drawTime_() : QDateTime()};
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
}

QStringList ResultBox::lines() const {
    if (document()->isEmpty())
        return {};
    return toPlainText().split(QLatin1Char('\n'));
}

void ResultBox::contextMenuEvent(QContextMenuEvent* event) {
    contextMenu(event->pos())->exec(event->globalPos());
}

std::unique_ptr<QMenu> ResultBox::contextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu(position));
    const QString code = codeSource_ ? codeSource_() : QString();
    menu->addSeparator();
    QAction* copy = menu->addAction(Ui::tr("抽出コードをコピー"), this,
                                    [code] { QGuiApplication::clipboard()->setText(code); });
    copy->setObjectName(QStringLiteral("copyDrawCode"));
    copy->setEnabled(!code.isEmpty());
    const SharedResult result = sharedResult();
    QAction* copyResult = menu->addAction(Ui::tr("結果をコピー"), this, [result] {
        QGuiApplication::clipboard()->setText(sharedText(result));
    });
    copyResult->setObjectName(QStringLiteral("copyResult"));
    copyResult->setEnabled(!result.lines.isEmpty());
    QAction* picture =
        menu->addAction(Ui::tr("画像として保存…"), this, [this, result] { savePicture_(result); });
    picture->setObjectName(QStringLiteral("saveResultPicture"));
    picture->setEnabled(!result.lines.isEmpty() && savePicture_);
    return menu;
}

SharedResult ResultBox::sharedResult() const {
    if (shownText_.isEmpty() || toPlainText() != shownText_)
        return {};
    return shown_;
}

} // namespace tavu
