#pragma once

#include <QDialog>

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

protected:
    // A click on the picture covering the window reaches here, the picture passing it on.
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tavu
