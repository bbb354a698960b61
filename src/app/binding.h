#pragma once

#include "store/settings.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace tavu {

class MouseMoveTexts;

// How a settings entry holds its control: a check box ticked as 1, as the entry's own index
// or as 300 (unticked always 0), a spin edit's value, or a combo box's position.
enum class Holds : std::uint8_t { Nothing, TickAsOne, TickAsOwnIndex, TickAs300, Value, Position };

// When start-up puts an entry into its control. Steps run in this order; within a step, page
// by page in the window's order and row by row in the table's. Every step but the last runs
// as the settings are applied; AfterTables once the tables are in.
enum class Step : std::uint8_t {
    Never,
    Map,
    Book,
    Counts,
    OutputPairs,
    RandomCounts,
    RarityE,
    Opponents,
    AfterTables,
};

// One control of a page: everything the window knows about it besides how it looks. To add
// a control, build it under its objectName and give it a row in its page's table (on a card
// page, a name in its description): the row alone restores it, stores it and hints it.
struct Binding {
    QString control{}; // objectName
    int entry = -1;    // settings entry, or -1
    Holds holds = Holds::Nothing;
    Step step = Step::Never;
    QString hint{};          // shown in the hint panel while the pointer rests on the control
    QString moveText{};      // shown on every pointer movement over the control
    bool popUp = false;      // the hint pops up too (result fields whose text can be cut off)
    bool clearsHint = false; // a page or group box: movement over its bare area clears the panel
    // What a screen reader calls a control that no label beside it names (result fields).
    QString name{};
};

// Settings entries and the values to put in them.
using EntryValues = std::vector<std::pair<int, std::int32_t>>;

// A control's state as a plain value: ticked 1 or 0, a spin edit's value, a combo's position.
struct ControlState {
    std::string control;
    std::int32_t value = 0;
    bool operator==(const ControlState&) const = default;
};
using PageState = std::vector<ControlState>;

// A page's binding table with the controls it names, found once the page is built.
class PageBindings {
public:
    // Texts a row gives untranslated (marked QT_TRANSLATE_NOOP) are kept in the user's language.
    explicit PageBindings(std::vector<Binding> rows);

    // Finds each control by name under `page` (the page itself included); returns the names
    // that are missing or not of the kind their entry needs.
    QStringList resolve(QWidget* page);
    // Gives each control its hint, both for the hint panel and as the description a screen
    // reader speaks after its name, and its own name where it has one.
    void attachHints(MouseMoveTexts& texts) const;

    // Puts the entries of one step into their controls, as a user's change would: a box or
    // spin edit whose state differs runs its handler, a combo runs none. A control that is
    // disabled keeps its state: a clear-after box counts only while its output box is ticked.
    void restore(const SettingsArray& settings, Step step) const;
    // The entries the controls give now; only `control`'s when one is named.
    EntryValues entries(const QWidget* control = nullptr) const;
    PageState state() const;

    const std::vector<Binding>& rows() const { return rows_; }
    QWidget* widget(std::size_t row) const { return widgets_.value(static_cast<qsizetype>(row)); }

private:
    std::vector<Binding> rows_;
    QList<QWidget*> widgets_;
};

} // namespace tavu
