#pragma once

#include "store/data_error.h"

#include <cstdint>
#include <cstring>
#include <string_view>

// The first four bytes are the table size the settings would declare (hostile values
// included); the rest is the file. A loader may throw DataError, nothing else.
template <class Parse, class Use>
int fuzzTable(const std::uint8_t* data, std::size_t size, Parse parse, Use use) {
    if (size < 4)
        return 0;
    std::int32_t declared = 0;
    std::memcpy(&declared, data, 4);
    std::string_view bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
    try {
        use(parse(bytes, declared, "fuzz.tri"));
    } catch (const tavu::DataError&) {
    }
    return 0;
}
