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
};

} // namespace tavu
