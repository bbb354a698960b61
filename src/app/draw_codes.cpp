#include "draw_codes.h"

namespace tavu {

namespace {
code::Command commandOf(const CardPageDescription& page) {
    const std::pair<const CardPageDescription*, code::Command> pages[] = {
        {&CreatureSinglePage, code::Command::CreatureSingle},
        {&CreatureListPage, code::Command::CreatureMultiple},
        {&ItemSinglePage, code::Command::ItemSingle},
        {&ItemListPage, code::Command::ItemMultiple},
        {&SpellSinglePage, code::Command::SpellSingle},
        {&SpellListPage, code::Command::SpellMultiple}};
    for (const auto& [description, command] : pages)
        if (description == &page)
            return command;
    return page.isList() ? code::Command::SpellMultiple : code::Command::SpellSingle;
}
} // namespace

code::DrawPlan cardPagePlan(const CardPageDescription& page, const CardTicks& ticks, int copies,
                            const MultipleCount& count) {
    code::DrawPlan plan;
    plan.command = commandOf(page);
    // A page without group boxes leaves them ticked, as a code without them reads.
    for (qsizetype i = 0; i < page.groups.size(); ++i)
        plan.card.groups[static_cast<std::size_t>(i)] = ticks.groups[static_cast<std::size_t>(i)];
    plan.card.rarities = ticks.rarities;
    if (page.isList())
        plan.card.count = count;
    else
        plan.card.copies = copies;
    return plan;
}

} // namespace tavu
