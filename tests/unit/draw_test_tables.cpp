#include "draw_test_tables.h"

#include "store/records.h"
#include "test_helpers.h"

#include <algorithm>

namespace tavu::test {

namespace {
const char* const ElementKanji[ElementCount] = {"無", "火", "水", "地", "風"};
}

std::string cardName(std::string_view utf8) {
    std::string name = sj(utf8);
    name.resize(std::max<std::size_t>(name.size(), width::CardName), ' ');
    return name;
}

std::string rarity(Rarity r) {
    return std::string(Rarities[static_cast<std::size_t>(r)]);
}

CreatureRecord creature(std::string_view name, int element, Rarity r) {
    CreatureRecord c;
    c.name = cardName(name);
    c.st = 30;
    c.hp = 40;
    c.cost = 50;
    c.chain = 1;
    c.rarity = rarity(r);
    c.element = "  " + sj(ElementKanji[element]);
    c.special = sj(" 通常   ");
    return c;
}

ItemRecord item(std::string_view name, int kind, Rarity r) {
    ItemRecord i;
    i.name = cardName(name);
    i.stBonus = 20;
    i.hpBonus = -10;
    i.cost = 30;
    i.kind = kind;
    i.rarity = rarity(r);
    i.special = sj(" 先制   ");
    return i;
}

SpellRecord spell(std::string_view name, Rarity r) {
    SpellRecord s;
    s.name = cardName(name);
    s.cost = 40;
    s.rarity = rarity(r);
    s.range = sj(" 単体 ");
    s.target = sj(" 敵クリーチャ");
    s.duration = sj(" 瞬間 ");
    s.sacrifice = sj(" 無し ");
    return s;
}

Tables TableBuilder::build() const {
    Tables tables;
    std::size_t elemental = 0;
    for (int e = 1; e < ElementCount; ++e)
        elemental = std::max(elemental, creatures[static_cast<std::size_t>(e)].size());
    for (int e = 0; e < ElementCount; ++e) {
        const auto& source = creatures[static_cast<std::size_t>(e)];
        auto& table = tables.creatures[static_cast<std::size_t>(e)];
        table = Table<CreatureRecord>(static_cast<std::int32_t>(e == 0 ? source.size() : elemental));
        for (const auto& c : source)
            table.append(c);
    }
    tables.items = Table<ItemRecord>(static_cast<std::int32_t>(items.size()));
    std::array<std::int32_t, ItemKindCount> kindSizes{};
    for (const auto& i : items) {
        tables.items.append(i);
        if (i.kind >= 0 && i.kind < ItemKindCount)
            ++kindSizes[static_cast<std::size_t>(i.kind)];
    }
    tables.itemKinds = splitItemKinds(tables.items, kindSizes);
    tables.spells = Table<SpellRecord>(static_cast<std::int32_t>(spells.size()));
    for (const auto& s : spells)
        tables.spells.append(s);
    return tables;
}

std::vector<SpellRecord> numberedSpells(std::string_view prefix, int count, Rarity r) {
    std::vector<SpellRecord> list;
    for (int i = 0; i < count; ++i) {
        std::string number = (i < 10 ? "0" : "") + std::to_string(i);
        list.push_back(spell(std::string(prefix) + number, r));
    }
    return list;
}

} // namespace tavu::test
