#include "binding.h"

#include "mouse_move_texts.h"
#include "spin_edit.h"
#include "store/settings_entries.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <optional>

namespace tavu {

namespace {

// What a ticked box stores; nothing for an entry that no check box holds.
std::optional<std::int32_t> tickedValue(const Binding& row) {
    switch (row.holds) {
    case Holds::TickAsOne:
        return 1;
    case Holds::TickAsOwnIndex:
        return row.entry;
    case Holds::TickAs300:
        return entry::RarityEChecked;
    default:
        return std::nullopt;
    }
}

bool fitsItsEntry(const Binding& row, QWidget* widget) {
    if (tickedValue(row))
        return qobject_cast<QCheckBox*>(widget) != nullptr;
    if (row.holds == Holds::Value)
        return qobject_cast<SpinEdit*>(widget) != nullptr;
    if (row.holds == Holds::Position)
        return qobject_cast<QComboBox*>(widget) != nullptr;
    return row.entry < 0;
}

// The plain value of a check box, spin edit or combo box; nothing for any other control.
std::optional<std::int32_t> plainValue(const QWidget* widget) {
    if (const auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->isChecked() ? 1 : 0;
    if (const auto* spin = qobject_cast<const SpinEdit*>(widget))
        return spin->value();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentIndex();
    return std::nullopt;
}

} // namespace

PageBindings::PageBindings(std::vector<Binding> rows)
    : rows_(std::move(rows)) {
    for (Binding& row : rows_) {
        row.hint = translated(row.hint);
        row.moveText = translated(row.moveText);
        row.name = translated(row.name);
    }
}

QStringList PageBindings::resolve(QWidget* page) {
    QStringList missing;
    widgets_.clear();
    for (const Binding& row : rows_) {
        QWidget* widget = row.control == page->objectName() ? page : page->findChild<QWidget*>(row.control);
        if (widget != nullptr && !fitsItsEntry(row, widget))
            widget = nullptr;
        if (widget == nullptr)
            missing << row.control;
        widgets_ << widget;
    }
    return missing;
}

void PageBindings::attachHints(MouseMoveTexts& texts) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Binding& row = rows_[i];
        QWidget* control = widget(i);
        if (control == nullptr)
            continue;
        if (!row.hint.isEmpty()) {
            control->setStatusTip(row.hint);
            control->setAccessibleDescription(row.hint);
        } else if (!row.moveText.isEmpty() && !row.clearsHint) {
            control->setAccessibleDescription(row.moveText);
        }
        if (!row.name.isEmpty())
            control->setAccessibleName(row.name);
        if (row.popUp)
            control->setToolTip(row.hint);
        if (!row.moveText.isEmpty())
            texts.attach(control, row.moveText);
        if (row.clearsHint)
            texts.attachToArea(control, {});
    }
}

void PageBindings::restore(const SettingsArray& settings, Step step) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Binding& row = rows_[i];
        QWidget* control = widget(i);
        if (row.step != step || control == nullptr || !control->isEnabled())
            continue;
        const std::int32_t value = settings[static_cast<std::size_t>(row.entry)];
        if (const auto ticked = tickedValue(row)) {
            static_cast<QCheckBox*>(control)->setChecked(value == *ticked);
        } else if (row.holds == Holds::Value) {
            static_cast<SpinEdit*>(control)->setValue(value);
        } else if (row.holds == Holds::Position) {
            // A stored position outside the item list shows no selection.
            auto* combo = static_cast<QComboBox*>(control);
            combo->setCurrentIndex(value >= 0 && value < combo->count() ? value : -1);
        }
    }
}

EntryValues PageBindings::entries(const QWidget* control) const {
    EntryValues values;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const Binding& row = rows_[i];
        const QWidget* own = widget(i);
        if (row.entry < 0 || own == nullptr || (control != nullptr && own != control))
            continue;
        std::int32_t value = plainValue(own).value_or(0);
        if (const auto ticked = tickedValue(row))
            value = value != 0 ? *ticked : 0;
        values.emplace_back(row.entry, value);
    }
    return values;
}

PageState PageBindings::state() const {
    PageState state;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (const auto value = plainValue(widget(i)))
            state.push_back({rows_[i].control.toStdString(), *value});
    }
    return state;
}

} // namespace tavu
