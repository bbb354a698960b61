// The multiple draws over tables of a real game's size (20 none-element creatures, 30 per
// element, 48 items, 60 spells, every rarity present). Target: a 50-card draw under 5 µs.
#include "draw/card_draws.h"
#include "output/result_file.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tavu;

std::string name(const char* prefix, int i) {
    std::string n = prefix + std::to_string(i);
    n.resize(18, ' ');
    return n;
}

std::string rarityOf(int i) {
    return std::string(Rarities[static_cast<std::size_t>(i % RarityCount)]);
}

Tables gameSizedTables() {
    Tables t;
    for (int e = 0; e < ElementCount; ++e) {
        int size = e == 0 ? 20 : 30;
        t.creatures[static_cast<std::size_t>(e)] = Table<CreatureRecord>(size);
        for (int i = 0; i < size; ++i) {
            CreatureRecord c;
            c.name = name("creature", i);
            c.rarity = rarityOf(i);
            c.element = "  \x89\xce";
            t.creatures[static_cast<std::size_t>(e)].append(c);
        }
    }
    t.items = Table<ItemRecord>(48);
    for (int i = 0; i < 48; ++i) {
        ItemRecord it;
        it.name = name("item", i);
        it.kind = i % ItemKindCount;
        it.rarity = rarityOf(i / ItemKindCount);
        t.items.append(it);
    }
    t.itemKinds = splitItemKinds(t.items, {12, 12, 12, 12});
    t.spells = Table<SpellRecord>(60);
    for (int i = 0; i < 60; ++i) {
        SpellRecord s;
        s.name = name("spell", i);
        s.rarity = rarityOf(i);
        t.spells.append(s);
    }
    return t;
}

const Tables& tables() {
    static const Tables t = gameSizedTables();
    return t;
}

void BM_CreatureMultiple50(benchmark::State& state) {
    RandomSource random;
    CreatureFilter filter;
    filter.rarities = {true, true, true, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(drawCreatureMultiple(tables(), filter, MultipleCount{50, false}, random));
}
BENCHMARK(BM_CreatureMultiple50);

void BM_ItemMultiple49(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state)
        benchmark::DoNotOptimize(drawItemMultiple(tables(), ItemFilter{}, MultipleCount{49, false}, random));
}
BENCHMARK(BM_ItemMultiple49);

void BM_SpellMultiple50(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            drawSpellMultiple(tables(), StartRarities, MultipleCount{50, false}, random));
}
BENCHMARK(BM_SpellMultiple50);

// The draw and the lines of its result file, as the output box asks for.
void BM_SpellMultiple50WithOutput(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state) {
        auto r = drawSpellMultiple(tables(), StartRarities, MultipleCount{50, false}, random);
        benchmark::DoNotOptimize(multipleDrawOutput(r.lines, r.count));
    }
}
BENCHMARK(BM_SpellMultiple50WithOutput);

void BM_CreatureSingle(benchmark::State& state) {
    RandomSource random;
    for (auto _ : state)
        benchmark::DoNotOptimize(drawCreatureSingle(tables(), CreatureFilter{}, SingleCopies{0, {}}, random));
}
BENCHMARK(BM_CreatureSingle);

} // namespace
