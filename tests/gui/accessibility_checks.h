#pragma once

#include <QList>
#include <QStringList>

class QWidget;

namespace tavu {
class BoundPage;
}

namespace tavu::test {

// What a screen reader finds wrong in `window`, whatever language it is shown in: every
// control the keyboard can reach that has no name (a combo box's drop-down list is read
// through its combo box), one line each.
QStringList unnamedControls(QWidget* window);
// Every bound control of `pages` whose binding gives a hint that it does not read out as
// its description.
QStringList unspokenHints(const QList<BoundPage*>& pages);

} // namespace tavu::test
