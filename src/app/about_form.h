#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace tavu {

// The About window: a small sky-blue plate with the version and the notice, closed by a
// click anywhere on it.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    TFormAbout(const QString& versionText, const QString& notice, QWidget* parent);

    QLabel* L1 = nullptr;
    QLabel* L2 = nullptr;
    QLabel* L3 = nullptr;
    QLabel* L4 = nullptr;

    // The colours the Help menu gives the labels each time it opens the window.
    void setLabelColours(const QColor& title, const QColor& text);

public slots:
    void FrontImageClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* placeLabel(const QString& name, const QString& text, QRect rect, int pixelSize);
    void addLine(const QString& name, QRect rect);

    QFrame* bevel_ = nullptr;
    QWidget* frontImage_ = nullptr;
};

} // namespace tavu
