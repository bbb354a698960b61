#include "spin_edit.h"

#include <algorithm>

namespace tavu {

SpinEdit::SpinEdit(QWidget* parent)
    : QSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State SpinEdit::validate(QString& input, int& pos) const {
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    bool ok = false;
    input.trimmed().toLongLong(&ok);
    // Out of range but a number: let the user finish typing; fixup() clamps it.
    return ok ? QValidator::Intermediate : QValidator::Invalid;
}

void SpinEdit::fixup(QString& input) const {
    bool ok = false;
    const long long typed = input.trimmed().toLongLong(&ok);
    // Text that is no number reads as the minimum.
    const long long value = ok ? std::clamp<long long>(typed, minimum(), maximum()) : minimum();
    input = QString::number(value);
}

} // namespace tavu
