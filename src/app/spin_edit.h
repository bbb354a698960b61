#pragma once

#include <QSpinBox>

namespace tavu {

// A spin edit that lets the user type any number and clamps it to its range when the edit
// is done, as the count fields always have: typing 60 into a 0..50 field gives 50.
class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

} // namespace tavu
