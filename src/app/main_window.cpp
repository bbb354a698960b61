#include "main_window.h"

namespace tavu {

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("TAVU for DS   Version 1.00"));
}

} // namespace tavu
