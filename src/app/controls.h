#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tavu {

class ResultBox;
class SpinEdit;

// Builders for the window's controls: each takes the control's name, which tests and the
// handlers that address numbered controls look up.
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked);
QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items);
SpinEdit* makeSpinEdit(QWidget* parent, const QString& name, int minimum, int maximum, int step, int value);
QLabel* makeLabel(QWidget* parent, const QString& text, const QString& name = {});
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);
QLineEdit* makeField(QWidget* parent, const QString& name, int width);
QGroupBox* makeGroupBox(QWidget* parent, const QString& name, const QString& title);
ResultBox* makeResultBox(QWidget* parent, const QString& name);
// Tab visits the controls of `page` in the order its layouts hold them, which is the order the
// eye reads them on the page, whatever order they were built in.
void chainTabOrder(const QWidget* page);

// The big "⇒" between a page's conditions and what they decided.
QLabel* makeArrow(QWidget* parent);

// Eight empty lines, then the placeholder line of the comment boxes.
QString commentPlaceholder();

} // namespace tavu
