#include "code_fields.h"
#include "code_words.h"

#include <algorithm>
#include <span>

namespace tavu::code {

namespace {

std::vector<std::string_view> split(std::string_view value, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i)
        if (i == value.size() || value[i] == separator) {
            parts.push_back(value.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

// "all", "" (nothing ticked) or the ticked names joined by '-'.
void readSet(FieldReader& fields, std::string_view key, std::span<const std::string_view> names,
             std::span<bool> ticks) {
    std::string_view value = fields.required(key);
    bool all = value == words::All;
    std::fill(ticks.begin(), ticks.end(), all);
    if (all || value.empty())
        return;
    for (auto name : split(value, words::SetBreak)) {
        auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end())
            return fields.damaged(key, value);
        ticks[static_cast<std::size_t>(at - names.begin())] = true;
    }
}

void readRarities(FieldReader& fields, RarityTicks& ticks) {
    std::string_view value = fields.required("r");
    ticks = {};
    for (char letter : value) {
        auto at = words::Rarities.find(letter);
        if (at == std::string_view::npos)
            return fields.damaged("r", value);
        ticks[at] = true;
    }
}

int readChoice(FieldReader& fields, std::string_view key, int high) {
    std::string_view value = fields.required(key);
    return value == words::Any ? 0 : static_cast<int>(fields.number(key, value, 1, high));
}

const CountRange& countRange(Command command) {
    return command == Command::CreatureMultiple ? CreatureCountRange
           : command == Command::ItemMultiple   ? ItemCountRange
                                                : SpellCountRange;
}

void readCard(FieldReader& fields, DrawPlan& plan) {
    CardPlan& card = plan.card;
    if (plan.command == Command::CreatureSingle || plan.command == Command::CreatureMultiple)
        readSet(fields, "e", words::Elements, card.groups);
    if (plan.command == Command::ItemSingle || plan.command == Command::ItemMultiple)
        readSet(fields, "k", words::Kinds, std::span(card.groups).first(ItemKindCount));
    readRarities(fields, card.rarities);
    if (isSingleDraw(plan.command)) {
        card.copies = readChoice(fields, "c", 4);
        return;
    }
    const CountRange& range = countRange(plan.command);
    std::string_view value = fields.required("n");
    card.count.random = value == words::Any;
    card.count.value =
        card.count.random ? range.start : static_cast<int>(fields.number("n", value, range.min, range.max));
}

void readBook(FieldReader& fields, book::BookRequest& request) {
    std::string_view counts = fields.required("c");
    request.fullyRandom = counts == words::Random;
    if (!request.fullyRandom) {
        auto parts = split(counts, words::SetBreak);
        if (parts.size() != 3)
            return fields.damaged("c", counts);
        int total = 0;
        for (int f = 0; f < book::FamilyCount; ++f) {
            const auto& range = book::CountRanges[static_cast<std::size_t>(f)];
            total += request.counts[static_cast<std::size_t>(f)] = static_cast<int>(
                fields.number("c", parts[static_cast<std::size_t>(f)], range.lowest, range.highest));
        }
        if (total != book::BookSize)
            fields.outOfRange("c", counts, "合計 50 枚");
    }
    std::string_view eCards = fields.required("ecards");
    if (eCards != "yes" && eCards != "no")
        return fields.damaged("ecards", eCards);
    request.excludeECards = eCards == "no";
}

// A range as the page's two spin edits can hold it: each within its own bounds, and the
// minimum less than a step above the maximum.
void readRange(FieldReader& fields, std::string_view key, std::string_view value, map::MapSpins& spins,
               map::Spin minimum) {
    auto parts = split(value, words::RangeBreak);
    if (parts.size() != 2)
        return fields.damaged(key, value);
    const auto& low = map::SpinTable[static_cast<std::size_t>(minimum)];
    const auto& high = map::SpinTable[static_cast<std::size_t>(minimum + 1)];
    int lo = static_cast<int>(fields.number(key, parts[0], low.lowest, low.highest));
    int hi = static_cast<int>(fields.number(key, parts[1], high.lowest, high.highest));
    if (lo >= hi + low.step)
        fields.outOfRange(key, value, "最小が最大を超えています");
    spins[static_cast<std::size_t>(minimum)] = lo;
    spins[static_cast<std::size_t>(minimum + 1)] = hi;
}

void readMap(FieldReader& fields, map::MapRequest& request) {
    int* choices[] = {&request.mapCondition,
                      &request.landElement,
                      &request.landLevel,
                      nullptr,
                      &request.suddenDeath,
                      nullptr,
                      nullptr};
    const int highest[] = {6, 3, 2, 0, 2, 0, 0};
    const map::Spin ranges[] = {map::MagicMin, map::MagicMin,  map::MagicMin, map::MagicMin,
                                map::MagicMin, map::PeriodMin, map::TimeMin};
    for (std::size_t i = 0; i < words::MapItems.size(); ++i) {
        auto value = fields.optional(words::MapItems[i]);
        request.ticked[i] = value.has_value();
        if (!value)
            continue;
        if (choices[i])
            *choices[i] = static_cast<int>(fields.number(words::MapItems[i], *value, 0, highest[i]));
        else
            readRange(fields, words::MapItems[i], *value, request.spins, ranges[i]);
    }
    if (!map::mapDrawEnabled(request.ticked))
        fields.impossible("対戦マップは m、le、ll、mg、sd のいずれかを抽出します");
}

void readCpu(FieldReader& fields, cpu::CpuRequest& request) {
    request.count = readChoice(fields, "n", 3);
    readSet(fields, "e", words::Elements, request.elements);
    std::string_view allies = fields.required("a");
    auto at = std::find(words::Allies.begin(), words::Allies.end(), allies);
    if (at == words::Allies.end())
        return fields.damaged("a", allies);
    request.allies = static_cast<int>(at - words::Allies.begin());
}

} // namespace

void readPlan(FieldReader& fields, DrawPlan& plan) {
    switch (plan.command) {
    case Command::Book:
        return readBook(fields, plan.book);
    case Command::Map:
        return readMap(fields, plan.map);
    case Command::Cpu:
        return readCpu(fields, plan.cpu);
    default:
        return readCard(fields, plan);
    }
}

} // namespace tavu::code
