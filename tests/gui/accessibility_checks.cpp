#include "accessibility_checks.h"

#include "app/bound_page.h"

#include <QAccessible>
#include <QComboBox>
#include <QWidget>

namespace tavu::test {

namespace {

QString pathOf(const QObject* object) {
    QStringList names;
    for (; object != nullptr; object = object->parent())
        if (!object->objectName().isEmpty())
            names.prepend(object->objectName());
    return names.join(QLatin1Char('/'));
}

void collectUnnamed(QAccessibleInterface* node, QStringList& faults, int depth) {
    if (node == nullptr || depth > 64)
        return;
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        faults << QStringLiteral("%1 (role %2) has no name").arg(pathOf(node->object())).arg(node->role());
    if (qobject_cast<QComboBox*>(node->object()) != nullptr)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), faults, depth + 1);
}

} // namespace

QStringList unnamedControls(QWidget* window) {
    QStringList faults;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), faults, 0);
    return faults;
}

QStringList unspokenHints(const QList<BoundPage*>& pages) {
    QStringList faults;
    for (const BoundPage* page : pages) {
        const PageBindings& bindings = page->bindings();
        for (std::size_t i = 0; i < bindings.rows().size(); ++i) {
            const Binding& row = bindings.rows()[i];
            QWidget* control = bindings.widget(i);
            if (row.hint.isEmpty() || control == nullptr)
                continue;
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
            const QString spoken = node != nullptr ? node->text(QAccessible::Description) : QString();
            if (spoken != row.hint)
                faults << QStringLiteral("%1 reads \"%2\"").arg(pathOf(control), spoken);
        }
    }
    return faults;
}

} // namespace tavu::test
