#include "code_replay.h"

#include "bound_page.h"
#include "card_page.h"
#include "spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

namespace tavu {

namespace {

// A user's hands on the page's controls, found by their names.
class Hands {
public:
    explicit Hands(QWidget* page)
        : page_(page) {}

    void tick(const QString& name, bool checked) {
        if (auto* box = page_->findChild<QCheckBox*>(name); box && box->isChecked() != checked)
            box->setChecked(checked);
    }
    void choose(const QString& name, int index) {
        auto* combo = page_->findChild<QComboBox*>(name);
        if (!combo || combo->currentIndex() == index)
            return;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void type(const QString& name, int value) {
        if (auto* spin = page_->findChild<SpinEdit*>(name))
            spin->setValue(value);
    }
    bool press(const QString& name) {
        auto* button = page_->findChild<QPushButton*>(name);
        if (!button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }

private:
    QWidget* page_;
};

const CardPageDescription* cardPage(code::Command command) {
    const CardPageDescription* pages[] = {&CreatureSinglePage, &CreatureListPage, &ItemSinglePage,
                                          &ItemListPage,       &SpellSinglePage,  &SpellListPage};
    auto index = static_cast<std::size_t>(command);
    return index < std::size(pages) ? pages[index] : nullptr;
}

QString sheetOf(code::Command command) {
    if (const auto* page = cardPage(command))
        return page->sheet;
    return command == code::Command::Book  ? QStringLiteral("TabSheet12")
           : command == code::Command::Map ? QStringLiteral("TabSheet6")
                                           : QStringLiteral("TabSheet9");
}

bool drawCards(Hands& hands, const CardPageDescription& page, const code::CardPlan& card) {
    for (qsizetype i = 0; i < page.groups.size(); ++i)
        hands.tick(page.groups[i], card.groups[static_cast<std::size_t>(i)]);
    for (qsizetype i = 0; i < page.rarities.size(); ++i)
        hands.tick(page.rarities[i], card.rarities[static_cast<std::size_t>(i)]);
    if (page.isList()) {
        hands.tick(page.random, card.count.random);
        if (!card.count.random)
            hands.type(page.count, card.count.value);
    } else {
        hands.choose(page.count, card.copies);
    }
    return hands.press(page.ok);
}

bool drawBook(Hands& hands, const book::BookRequest& request) {
    hands.tick(QStringLiteral("AbsoluteCB1"), request.excludeECards);
    hands.tick(QStringLiteral("AbsoluteCB4"), request.fullyRandom);
    if (!request.fullyRandom) {
        // Emptied first, so that the count rule never lowers a count on its way in.
        for (int f = 0; f < book::FamilyCount; ++f)
            hands.type(QStringLiteral("AbsoluteSE%1").arg(f + 1), 0);
        for (int f = 0; f < book::FamilyCount; ++f)
            hands.type(QStringLiteral("AbsoluteSE%1").arg(f + 1),
                       request.counts[static_cast<std::size_t>(f)]);
    }
    return hands.press(QStringLiteral("BRandomAbsolute"));
}

bool drawMap(Hands& hands, const map::MapRequest& request) {
    for (int i = 0; i < map::ItemCount; ++i)
        hands.tick(QStringLiteral("SetU%1").arg(i + 1), request.ticked[static_cast<std::size_t>(i)]);
    const QString combos[] = {QStringLiteral("CBSet1"), QStringLiteral("CBset2"), QStringLiteral("CBset3"),
                              QStringLiteral("CBSet4")};
    const int values[] = {request.mapCondition, request.landElement, request.landLevel, request.suddenDeath};
    for (int i = 0; i < 4; ++i)
        hands.choose(combos[i], values[i]);
    // Each maximum before its minimum, so that the pair's rule leaves the range as it is.
    for (int minimum = 0; minimum < map::SpinCount; minimum += 2) {
        hands.type(QStringLiteral("SESet%1").arg(minimum + 2),
                   request.spins[static_cast<std::size_t>(minimum + 1)]);
        hands.type(QStringLiteral("SESet%1").arg(minimum + 1),
                   request.spins[static_cast<std::size_t>(minimum)]);
    }
    return hands.press(QStringLiteral("ButtonMapSetUp"));
}

bool drawCpu(Hands& hands, const cpu::CpuRequest& request) {
    hands.choose(QStringLiteral("VS_ComboBox"), request.count);
    for (int e = 0; e < ElementCount; ++e)
        hands.tick(QStringLiteral("VS_CB%1").arg(e + 1), request.elements[static_cast<std::size_t>(e)]);
    hands.choose(QStringLiteral("VS_CBox2"), request.allies);
    return hands.press(QStringLiteral("ButtonVSSetUp"));
}

void bringForward(QWidget* page) {
    QWidget* child = page;
    for (QWidget* w = page->parentWidget(); w != nullptr; child = w, w = w->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(w))
            if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
                tabs->setCurrentWidget(child);
}

} // namespace

BoundPage* pageOfDraw(const QList<BoundPage*>& pages, const code::DrawPlan& plan) {
    const QString sheet = sheetOf(plan.command);
    for (BoundPage* page : pages)
        if (page->objectName() == sheet)
            return page;
    return nullptr;
}

bool drawOnPage(QWidget* page, const code::DrawPlan& plan) {
    bringForward(page);
    Hands hands(page);
    switch (plan.command) {
    case code::Command::Book:
        return drawBook(hands, plan.book);
    case code::Command::Map:
        return drawMap(hands, plan.map);
    case code::Command::Cpu:
        return drawCpu(hands, plan.cpu);
    default:
        return drawCards(hands, *cardPage(plan.command), plan.card);
    }
}

} // namespace tavu
