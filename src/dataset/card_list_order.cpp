#include "card_list_order.h"

#include <algorithm>

namespace tavu {

std::string_view withoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

namespace {
bool isE(std::string_view rarity) {
    return rarity == Rarities[RarityE];
}

void appendCreatures(std::vector<CardRef>& order, const std::vector<CreatureRecord>& records, int element) {
    std::size_t first = order.size();
    for (std::size_t i = 0; i < records.size(); ++i)
        order.push_back(
            {CardRef::Creature, element, i, withoutTrailingBlanks(records[i].name), isE(records[i].rarity)});
    // string_view compares its bytes as unsigned char, which is the Shift-JIS code order.
    auto byName = [](const CardRef& a, const CardRef& b) {
        return a.name < b.name;
    };
    std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(first), order.end(), byName);
}
} // namespace

std::vector<CardRef> completeCardOrder(const CreatureLists& creatures, const std::vector<ItemRecord>& items,
                                       const std::vector<SpellRecord>& spells) {
    std::vector<CardRef> order;
    for (int e = 0; e < ElementCount; ++e)
        appendCreatures(order, creatures[static_cast<std::size_t>(e)], e);
    for (std::size_t i = 0; i < items.size(); ++i)
        order.push_back({CardRef::Item, 0, i, withoutTrailingBlanks(items[i].name), isE(items[i].rarity)});
    for (std::size_t i = 0; i < spells.size(); ++i)
        order.push_back({CardRef::Spell, 0, i, withoutTrailingBlanks(spells[i].name), isE(spells[i].rarity)});
    return order;
}

} // namespace tavu
