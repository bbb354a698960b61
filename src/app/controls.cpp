#include "controls.h"

#include "result_box.h"
#include "spin_edit.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tavu {

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

SpinEdit* makeSpinEdit(QWidget* parent, const QString& name, int minimum, int maximum, int step, int value) {
    auto* spin = new SpinEdit(parent);
    spin->setObjectName(name);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeField(QWidget* parent, const QString& name, int width) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    // Read-only, yet reached by Tab: a keyboard or screen reader user reads results there.
    if (width > 0)
        field->setFixedWidth(width);
    return field;
}

QGroupBox* makeGroupBox(QWidget* parent, const QString& name, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    return group;
}

ResultBox* makeResultBox(QWidget* parent, const QString& name) {
    auto* box = new ResultBox(parent);
    box->setObjectName(name);
    return box;
}

namespace {

// Containers (group boxes, rows of their own) take no focus; their controls are laid out inside.
void collectTabStops(const QLayout* layout, QList<QWidget*>& stops) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        QWidget* widget = item->widget();
        if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0)
            stops << widget;
        else if (const QLayout* inner = widget != nullptr ? widget->layout() : item->layout())
            collectTabStops(inner, stops);
    }
}

} // namespace

void chainTabOrder(const QWidget* page) {
    QList<QWidget*> stops;
    collectTabStops(page->layout(), stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

QLabel* makeArrow(QWidget* parent) {
    auto* arrow = makeLabel(parent, QStringLiteral("⇒"));
    QFont big = arrow->font();
    big.setPixelSize(28);
    arrow->setFont(big);
    return arrow;
}

QString commentPlaceholder() {
    return QString(8, QLatin1Char('\n')) + QString(13, QChar(0x3000)) +
           Ui::tr("ここにコメントが表示されます");
}

} // namespace tavu
