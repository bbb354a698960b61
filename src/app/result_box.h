#pragma once

#include <QPlainTextEdit>

namespace tavu {

// A read-only result list. Its text keeps a small inner margin (left 6, top 4, right 6) so
// that the first column does not touch the frame.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

    void applyInnerMargins();
    QStringList lines() const;
    // Text shown until something else is put in. Laid out only when the box is first shown,
    // so that start-up does not shape (and load fonts for) pages nobody has opened yet.
    void setInitialText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString pendingText_;
};

} // namespace tavu
