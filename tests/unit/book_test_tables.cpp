#include "book_test_tables.h"

#include "store/records.h"

namespace tavu::test {

namespace {
std::string rarityFor(int n, int nsr) {
    return n < nsr ? std::string(Rarities[static_cast<std::size_t>(n % 3)]) : std::string(Rarities[RarityE]);
}

void addCard(Tables& tables, char family, int n, bool isE) {
    tables.cardList.append({cardListName(family, n), isE ? 1 : 0, 0});
}
} // namespace

std::string cardListName(char family, int n) {
    std::string name = std::string(1, family) + std::to_string(n);
    name.resize(width::CardListName, ' ');
    return name;
}

Tables makeBookTables(const BookTableShape& shape) {
    Tables tables;
    int creatures = shape.creaturesNSR + shape.creaturesE;
    int items = shape.itemsNSR + shape.itemsE;
    int spells = shape.spellsNSR + shape.spellsE;
    for (auto& table : tables.creatures)
        table = Table<CreatureRecord>(creatures);
    for (int k = 0; k < ItemKindCount; ++k)
        tables.itemKinds[static_cast<std::size_t>(k)] = Table<ItemRecord>(items);
    tables.spells = Table<SpellRecord>(spells);
    tables.cardList = Table<CardListRecord>(creatures + items + spells);
    // All creatures under element 0 and all items under kind 0 keep the card list order simple.
    for (int n = 0; n < creatures; ++n) {
        CreatureRecord creature;
        creature.rarity = rarityFor(n, shape.creaturesNSR);
        tables.creatures[0].append(creature);
        addCard(tables, 'C', n, n >= shape.creaturesNSR);
    }
    for (int n = 0; n < items; ++n) {
        ItemRecord item;
        item.rarity = rarityFor(n, shape.itemsNSR);
        tables.itemKinds[0].append(item);
        addCard(tables, 'I', n, n >= shape.itemsNSR);
    }
    for (int n = 0; n < spells; ++n) {
        SpellRecord spell;
        spell.rarity = rarityFor(n, shape.spellsNSR);
        tables.spells.append(spell);
        addCard(tables, 'S', n, n >= shape.spellsNSR);
    }
    return tables;
}

} // namespace tavu::test
