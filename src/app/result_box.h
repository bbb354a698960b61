#pragma once

#include "result_sharing.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <optional>

namespace tavu {

// A read-only result list. Its text keeps a small inner margin (left 6, top 4, right 6) so
// that the first column does not touch the frame.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

    QStringList lines() const;
    // Replaces the text and shows it from its first line and column, wherever the box was
    // scrolled before.
    void showResult(const QString& text);
    // Text shown until something else is put in. Laid out only when the box is first shown,
    // so that start-up does not shape (and load fonts for) pages nobody has opened yet.
    void setInitialText(const QString& text);
    // The box's font, likewise put into effect when the box is first shown.
    void setBoxFont(const QFont& font);
    // Where the context menu's "抽出コードをコピー" takes the code of the last draw from, where a
    // result shown by showResult() takes its draw's code and time from, and who saves its
    // picture for the menu's "画像として保存…".
    void setDrawSource(std::function<QString()> code, std::function<QDateTime()> drawTime,
                       std::function<void(const SharedResult&)> savePicture) {
        codeSource_ = std::move(code);
        drawTime_ = std::move(drawTime);
        savePicture_ = std::move(savePicture);
    }
    // The result in the box with its draw's code and time, as the menu shares it; no lines
    // when the box holds anything but the result showResult() put in.
    SharedResult sharedResult() const;
    // The context menu as the box shows it at `position`.
    std::unique_ptr<QMenu> contextMenu(const QPoint& position);

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString pendingText_;
    std::optional<QFont> pendingFont_;
    std::function<QString()> codeSource_;
    std::function<QDateTime()> drawTime_;
    std::function<void(const SharedResult&)> savePicture_;
    QString shownText_;
    SharedResult shown_;
};

} // namespace tavu
