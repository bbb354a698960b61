// The pages' binding tables: every control they name is on the window, hints as the table
// says, restores from its entry and is stored back to it; the binder's conventions.
#include "app/binding.h"
#include "app/bound_page.h"
#include "app/mouse_move_texts.h"
#include "app/spin_edit.h"
#include "gui_test_support.h"
#include "store/settings_entries.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QtTest>
#include <map>

using namespace tavu;
using namespace tavu::test;

namespace {

struct BoundRow {
    const Binding* row;
    QWidget* control;
};

QList<BoundRow> boundRows(TMainForm& window) {
    QList<BoundRow> rows;
    for (BoundPage* page : window.pages()) {
        const PageBindings& bindings = page->bindings();
        for (std::size_t i = 0; i < bindings.rows().size(); ++i)
            rows.push_back({&bindings.rows()[i], bindings.widget(i)});
    }
    return rows;
}

// The value a control shows: ticked 1 or 0, a spin edit's value, a combo box's position.
int shown(const QWidget* control) {
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->isChecked() ? 1 : 0;
    if (const auto* spin = qobject_cast<const SpinEdit*>(control))
        return spin->value();
    return qobject_cast<const QComboBox*>(control)->currentIndex();
}

// A value the control does not start with, and one it can show.
int otherThan(const QWidget* control, int start) {
    if (qobject_cast<const QCheckBox*>(control))
        return 1 - start;
    if (const auto* spin = qobject_cast<const SpinEdit*>(control))
        return start - spin->singleStep() >= spin->minimum() ? start - spin->singleStep()
                                                             : start + spin->singleStep();
    return (start + 1) % qobject_cast<const QComboBox*>(control)->count();
}

// How the settings file holds a shown value: a ticked box as 300 (rarity E), as the entry's
// own index (output, "指定無し" and clear-after boxes) or as 1 (all others), unticked as 0.
std::int32_t stored(int index, const QWidget* control, int value) {
    if (!qobject_cast<const QCheckBox*>(control) || value == 0)
        return value;
    if (index >= entry::CreatureSingleRarityE && index <= entry::SpellMultipleRarityE)
        return entry::RarityEChecked;
    if ((index >= entry::CreatureSingleOutput && index <= entry::SpellRandomCount) ||
        (index >= entry::CreatureSingleClear && index <= entry::SpellMultipleClear))
        return index;
    return 1;
}

void moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// A point of `container` that none of its children covers, if there is one.
std::optional<QPoint> bareSpot(const QWidget* container) {
    for (int y = 1; y < container->height(); y += 3) {
        for (int x = 1; x < container->width(); x += 3) {
            if (container->childAt(x, y) == nullptr)
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

} // namespace

class BindingsTest : public QObject {
    Q_OBJECT
private slots:
    void everyBoundControlIsOnTheWindowOnce();
    void hintsAreTheProgramsOwn();
    void pointerTextsFollowTheTables();
    void everyEntryRestoresAndSavesBack();
    void binderConventions();
};

void BindingsTest::everyBoundControlIsOnTheWindowOnce() {
    StartedWindow w;
    w.start();
    QCOMPARE(w.window().pages().size(), 11);
    QSet<QString> seen;
    for (const BoundRow& bound : boundRows(w.window())) {
        const QString& name = bound.row->control;
        QVERIFY2(!seen.contains(name), qPrintable(name + QStringLiteral(" is bound twice")));
        seen.insert(name);
        const auto found = w.window().findChildren<QWidget*>(name);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QCOMPARE(bound.control, found.front());
        QCOMPARE(bound.control->statusTip(), bound.row->hint);
        QCOMPARE(bound.control->toolTip(), bound.row->popUp ? bound.row->hint : QString());
    }
}

// Every hint and pop-up tip of the window, byte for byte as the program showed them before its
// controls were bound by tables (the digest was taken from that program).
void BindingsTest::hintsAreTheProgramsOwn() {
    StartedWindow w;
    w.start();
    std::map<QString, QString> hints;
    for (const QWidget* widget : w.window().findChildren<QWidget*>()) {
        if (!widget->statusTip().isEmpty() || !widget->toolTip().isEmpty())
            hints[widget->objectName()] = widget->statusTip() + QLatin1Char('\t') + widget->toolTip();
    }
    // The draw code and history items came later and have hints of their own.
    const QStringList later = {QStringLiteral("mnuReplayCode"), QStringLiteral("mnuCheckFile"),
                               QStringLiteral("mnuCodeLine"), QStringLiteral("mnuHistory"),
                               QStringLiteral("mnuRecordHistory")};
    for (const QAction* action : w.window().findChildren<QAction*>()) {
        if (!action->statusTip().isEmpty() && !later.contains(action->objectName()))
            hints[action->objectName()] = action->statusTip();
    }
    QByteArray all;
    for (const auto& [name, hint] : hints)
        all += (name + QLatin1Char('\t') + hint + QLatin1Char('\n')).toUtf8();
    // Beyond the program's own: the update-site menu item, and the map page's result boxes
    // popping up their hints.
    QCOMPARE(hints.size(), std::size_t{137});
    QCOMPARE(QCryptographicHash::hash(all, QCryptographicHash::Sha256).toHex(),
             QByteArray("87b693372804535bb320bf85b1fbe9f733458db9d222162b9461ec5787fdc9b1"));
}

void BindingsTest::pointerTextsFollowTheTables() {
    StartedWindow w;
    w.start();
    w.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window()));
    int moves = 0;
    int clearing = 0;
    for (const BoundRow& bound : boundRows(w.window())) {
        const QString sentinel = QStringLiteral("(untouched)");
        w.find<QLabel>(QStringLiteral("StatusPanel0"))->setText(sentinel);
        if (!bound.row->moveText.isEmpty()) {
            moveOver(bound.control, {2, 2});
            QCOMPARE(w.window().hintText(), bound.row->moveText);
            ++moves;
        } else if (bound.row->clearsHint) {
            bringIntoView(bound.control);
            const auto spot = bareSpot(bound.control);
            QVERIFY2(spot.has_value(), qPrintable(bound.row->control));
            moveOver(bound.control, *spot);
            QCOMPARE(w.window().hintText(), QString());
            ++clearing;
        } else {
            moveOver(bound.control, {2, 2});
            QCOMPARE(w.window().hintText(), sentinel);
        }
    }
    QCOMPARE(moves, 71);
    QCOMPARE(clearing, 22);
}

// Each entry away from its control's start is restored into the control, and what the pages
// store, on change or by their save buttons, is the entry exactly as it was read.
void BindingsTest::everyEntryRestoresAndSavesBack() {
    SettingsArray settings = fixtureSettings();
    std::map<QString, int> expected;
    {
        StartedWindow start;
        start.start();
        for (const BoundRow& bound : boundRows(start.window())) {
            if (bound.row->entry < 0)
                continue;
            const int value = otherThan(bound.control, shown(bound.control));
            expected[bound.row->control] = value;
            settings[static_cast<std::size_t>(bound.row->entry)] =
                stored(bound.row->entry, bound.control, value);
        }
    }
    QCOMPARE(expected.size(), std::size_t{60});
    StartedWindow w(settings);
    w.start();
    for (const BoundRow& bound : boundRows(w.window())) {
        if (bound.row->entry >= 0)
            QVERIFY2(shown(bound.control) == expected[bound.row->control], qPrintable(bound.row->control));
    }
    // The save buttons themselves may be disabled by the restored counts.
    for (const char* save : {"ButtonMapSaveClick", "ButtonAbsoluteSaveClick", "ButtonCPUSaveClick"}) {
        for (BoundPage* page : w.window().pages()) {
            if (page->metaObject()->indexOfSlot(QByteArray(save) + "()") >= 0)
                QMetaObject::invokeMethod(page, save);
        }
    }
    QCOMPARE(w.dialogs.calls.size(), 6); // three questions, three confirmations
    QVERIFY(w.storedSettings() == settings);
}

void BindingsTest::binderConventions() {
    QWidget page;
    page.setObjectName(QStringLiteral("Page"));
    auto* tick = new QCheckBox(&page);
    tick->setObjectName(QStringLiteral("Tick"));
    auto* rare = new QCheckBox(&page);
    rare->setObjectName(QStringLiteral("Rare"));
    auto* count = new SpinEdit(&page);
    count->setObjectName(QStringLiteral("Count"));
    count->setRange(1, 50);
    auto* pick = new QComboBox(&page);
    pick->setObjectName(QStringLiteral("Pick"));
    pick->addItems({QStringLiteral("a"), QStringLiteral("b")});
    auto* note = new QLabel(&page);
    note->setObjectName(QStringLiteral("Note"));
    PageBindings bindings({{"Tick", 27, Holds::TickAsOwnIndex, Step::OutputPairs},
                           {"Rare", 36, Holds::TickAs300, Step::RarityE},
                           {"Count", 23, Holds::Value, Step::Counts},
                           {"Pick", 22, Holds::Position, Step::Counts},
                           {.control = "Note", .hint = "a note"},
                           {.control = "Misspelt"},
                           {"Note", 40, Holds::Value, Step::Counts}});
    // A name that finds nothing, or a control that cannot hold its entry, is reported.
    QCOMPARE(bindings.resolve(&page), QStringList({QStringLiteral("Misspelt"), QStringLiteral("Note")}));

    SettingsArray settings{};
    settings[27] = 1; // not its own index: stays unticked
    settings[36] = 300;
    settings[23] = 80; // clamped by the spin edit
    settings[22] = 5;  // outside the list: no selection
    bindings.restore(settings, Step::OutputPairs);
    bindings.restore(settings, Step::RarityE);
    bindings.restore(settings, Step::Counts);
    QVERIFY(!tick->isChecked());
    QVERIFY(rare->isChecked());
    QCOMPARE(count->value(), 50);
    QCOMPARE(pick->currentIndex(), -1);

    // A disabled box keeps its state.
    settings[27] = 27;
    tick->setEnabled(false);
    bindings.restore(settings, Step::OutputPairs);
    QVERIFY(!tick->isChecked());
    tick->setEnabled(true);
    bindings.restore(settings, Step::OutputPairs);
    QVERIFY(tick->isChecked());

    pick->setCurrentIndex(1);
    QCOMPARE(bindings.entries(), EntryValues({{27, 27}, {36, 300}, {23, 50}, {22, 1}}));
    QCOMPARE(bindings.entries(rare), EntryValues({{36, 300}}));
    QVERIFY(bindings.state() == PageState({{"Tick", 1}, {"Rare", 1}, {"Count", 50}, {"Pick", 1}}));
}

QTEST_MAIN(BindingsTest)
#include "test_bindings.moc"
