#pragma once

#include <QMainWindow>

namespace tavu {

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace tavu
