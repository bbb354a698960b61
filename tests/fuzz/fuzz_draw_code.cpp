#include "code/draw_code.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// A draw code as a player pastes it: any bytes at all. A code that is read must write back
// as the very same text, so that no two texts ever stand for one draw.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parsed = tavu::code::parseCode(text);
    if (parsed.code && tavu::code::formatCode(*parsed.code) != text)
        std::abort();
    if (!parsed.code && parsed.message.empty())
        std::abort();
    return 0;
}
