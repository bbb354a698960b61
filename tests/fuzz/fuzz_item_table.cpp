#include "store/derived_counts.h"
#include "store/tables.h"
#include "table_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzTable(data, size, tavu::parseTable<tavu::ItemRecord>, [](const auto& items) {
        tavu::Tables tables;
        std::int32_t kindSize = items.size() / 2; // some kinds overflow, some fit
        tables.itemKinds = tavu::splitItemKinds(items, {kindSize, kindSize, 1, items.size()});
        (void)tavu::CountItemRarities(tables);
    });
}
