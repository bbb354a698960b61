#pragma once

#include <QPlainTextEdit>
#include <functional>
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
    // Where the context menu's "抽出コードをコピー" takes the code of the last draw from.
    void setCodeSource(std::function<QString()> source) { codeSource_ = std::move(source); }

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString pendingText_;
    std::optional<QFont> pendingFont_;
    std::function<QString()> codeSource_;
};

} // namespace tavu
