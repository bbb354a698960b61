#include "draw_code_support.h"

namespace tavu::test {

namespace {

int pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

bool coin(std::mt19937& rng) {
    return pick(rng, 0, 1) == 1;
}

template <std::size_t N>
void tick(std::mt19937& rng, std::array<bool, N>& boxes) {
    for (auto& box : boxes)
        box = pick(rng, 0, 3) != 0; // mostly ticked, as players leave them
}

void cardOptions(std::mt19937& rng, code::DrawPlan& plan) {
    tick(rng, plan.card.groups);
    if (plan.command == code::Command::ItemSingle || plan.command == code::Command::ItemMultiple)
        plan.card.groups[4] = true; // items have four kind boxes
    if (plan.command == code::Command::SpellSingle || plan.command == code::Command::SpellMultiple)
        plan.card.groups = {true, true, true, true, true};
    tick(rng, plan.card.rarities);
    plan.card.copies = code::isSingleDraw(plan.command) ? pick(rng, 0, 4) : 0;
    if (code::isMultipleDraw(plan.command)) {
        const CountRange& range = plan.command == code::Command::CreatureMultiple ? CreatureCountRange
                                  : plan.command == code::Command::ItemMultiple   ? ItemCountRange
                                                                                  : SpellCountRange;
        plan.card.count.random = pick(rng, 0, 4) == 0;
        plan.card.count.value = plan.card.count.random ? range.start : pick(rng, range.min, range.max);
    }
}

void bookOptions(std::mt19937& rng, book::BookRequest& book) {
    book.fullyRandom = pick(rng, 0, 3) == 0;
    book.excludeECards = coin(rng);
    if (book.fullyRandom)
        return;
    int creatures = pick(rng, 0, 50);
    int items = pick(rng, 0, std::min(49, 50 - creatures));
    book.counts = {creatures, items, 50 - creatures - items};
}

void mapOptions(std::mt19937& rng, map::MapRequest& request) {
    do
        tick(rng, request.ticked);
    while (!map::mapDrawEnabled(request.ticked));
    request.mapCondition = request.ticked[map::MapItem] ? pick(rng, 0, 6) : 0;
    request.landElement = request.ticked[map::LandElementItem] ? pick(rng, 0, 3) : 0;
    request.landLevel = request.ticked[map::LandLevelItem] ? pick(rng, 0, 2) : 0;
    request.suddenDeath = request.ticked[map::SuddenDeathItem] ? pick(rng, 0, 2) : 0;
    const std::pair<map::Item, map::Spin> ranges[] = {{map::MagicItem, map::MagicMin},
                                                      {map::PeriodItem, map::PeriodMin},
                                                      {map::TimeLimitItem, map::TimeMin}};
    for (auto [item, minimum] : ranges) {
        if (!request.ticked[item])
            continue;
        const auto& low = map::SpinTable[minimum];
        const auto& high = map::SpinTable[minimum + 1];
        // Typed in as a user would, so that the spin edits' own rule settles the pair.
        request.spins = map::setRange(request.spins, minimum,
                                      pick(rng, low.lowest - 2 * low.step, low.highest + 2 * low.step),
                                      pick(rng, high.lowest - 2 * high.step, high.highest + 2 * high.step));
    }
}

} // namespace

code::DrawCode generatedCode(std::mt19937& rng) {
    code::DrawCode code;
    code.plan.command = static_cast<code::Command>(pick(rng, 0, code::CommandCount - 1));
    switch (code.plan.command) {
    case code::Command::Book:
        bookOptions(rng, code.plan.book);
        break;
    case code::Command::Map:
        mapOptions(rng, code.plan.map);
        break;
    case code::Command::Cpu:
        code.plan.cpu.count = pick(rng, 0, 3);
        tick(rng, code.plan.cpu.elements);
        code.plan.cpu.allies = pick(rng, 0, 3);
        break;
    default:
        cardOptions(rng, code.plan);
    }
    code.seed = static_cast<std::uint32_t>(rng());
    code.data.hash = (std::uint64_t{rng()} << 32) | rng();
    if (pick(rng, 0, 9) != 0)
        code.data.version = pick(rng, 0, 99999);
    return code;
}

std::string printedCode(const std::string& err) {
    auto at = err.find("\ncode ");
    if (at == std::string::npos)
        return {};
    at += 6;
    return err.substr(at, err.find('\n', at) - at);
}

} // namespace tavu::test
