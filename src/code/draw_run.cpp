#include "draw_run.h"

#include "draw/card_draws.h"
#include "output/result_file.h"

namespace tavu::code {

namespace {

DrawOutput refused() {
    return {false, {}, {}, std::string(DrawWarningText)};
}

DrawOutput fromSingle(const SingleDrawResult& result) {
    if (result.end != DrawEnd::Result)
        return {false, {}, {}, std::string(drawEndText(result.end))};
    return {true, singleDrawOutput(result.fields.front(), result.fields.back()), result.fields, {}};
}

DrawOutput fromMultiple(const MultipleDrawResult& result) {
    if (result.end != DrawEnd::Result)
        return {false, {}, {}, std::string(drawEndText(result.end))};
    return {true, multipleDrawOutput(result.lines, result.count), {}, {}};
}

DrawOutput cardDraw(const Tables& tables, const DrawPlan& plan, RandomSource& random) {
    const CardPlan& card = plan.card;
    SingleCopies copies{card.copies, {}};
    switch (plan.command) {
    case Command::CreatureSingle:
        if (!okButtonEnabled(creatureFilter(card)))
            return refused();
        return fromSingle(drawCreatureSingle(tables, creatureFilter(card), copies, random));
    case Command::CreatureMultiple:
        if (!okButtonEnabled(creatureFilter(card)))
            return refused();
        return fromMultiple(drawCreatureMultiple(tables, creatureFilter(card), card.count, random));
    case Command::ItemSingle:
        if (!okButtonEnabled(itemFilter(card)))
            return refused();
        return fromSingle(drawItemSingle(tables, itemFilter(card), copies, random));
    case Command::ItemMultiple:
        if (!okButtonEnabled(itemFilter(card)))
            return refused();
        return fromMultiple(drawItemMultiple(tables, itemFilter(card), card.count, random));
    case Command::SpellSingle:
        if (!okButtonEnabled(card.rarities))
            return refused();
        return fromSingle(drawSpellSingle(tables, card.rarities, copies, random));
    default:
        if (!okButtonEnabled(card.rarities))
            return refused();
        return fromMultiple(drawSpellMultiple(tables, card.rarities, card.count, random));
    }
}

} // namespace

std::vector<std::string> mapLines(const map::MapDisplay& display) {
    static constexpr int boxOrder[] = {1, 4, 6, 7, 2, 5, 3, 8, 9, 10};
    std::vector<std::string> lines;
    for (int box : boxOrder)
        lines.push_back(display.editU[static_cast<std::size_t>(box - 1)]);
    std::string facilities;
    for (bool present : display.facilities)
        facilities += present ? '1' : '0';
    lines.push_back(facilities);
    return lines;
}

DrawOutput runDraw(const Tables& tables, const DrawPlan& plan, RandomSource& random) {
    switch (plan.command) {
    case Command::Book: {
        auto result = book::drawCompleteBook(tables, plan.book, random);
        if (!result.message.empty())
            return {false, {}, {}, result.message};
        return {true, book::bookFileBody(result.lines), {}, {}};
    }
    case Command::Map: {
        auto result = map::drawBattleMap(tables.maps, plan.map, {}, random);
        return {true, mapLines(result.display), {}, result.message};
    }
    case Command::Cpu: {
        auto result = cpu::drawCpuOpponents(tables.opponents, plan.cpu, {}, random);
        if (!result.message.empty())
            return {false, {}, {}, result.message};
        return {true, cpu::cpuFileBody(result.display, result.opponents), {}, {}};
    }
    default:
        return cardDraw(tables, plan, random);
    }
}

} // namespace tavu::code
