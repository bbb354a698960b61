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

code::DrawSpec cardPageSpec(const CardPageDescription& page, const CardTicks& ticks, int copies,
                            const MultipleCount& count) {
    code::DrawSpec spec;
    spec.command = commandOf(page);
    // A page without group boxes leaves them ticked, as a code without them reads.
    for (qsizetype i = 0; i < page.groups.size(); ++i)
        spec.card.groups[static_cast<std::size_t>(i)] = ticks.groups[static_cast<std::size_t>(i)];
    spec.card.rarities = ticks.rarities;
    if (page.isList())
        spec.card.count = count;
    else
        spec.card.copies = copies;
    return spec;
}

} // namespace tavu
