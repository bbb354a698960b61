#include "update/update_check.h"

#include <cstdint>
#include <string_view>

// temp.tri as the update site sends it: any bytes at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tavu::parseSiteVersion(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
