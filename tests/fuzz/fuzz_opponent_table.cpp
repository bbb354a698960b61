#include "store/derived_counts.h"
#include "store/tables.h"
#include "table_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzzTable(data, size, tavu::parseTable<tavu::OpponentRecord>, [](const auto& table) {
        for (std::int32_t i = 0; i < table.size() && i < 4096; ++i)
            (void)table[i];
    });
}
