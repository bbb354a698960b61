#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tavu {

// The data version held by the site's temp.tri: the first 10 characters of its first line
// as a decimal integer. Blanks around the number and a UTF-8 byte-order mark are allowed
// (editors add them); anything else that is not a 32-bit decimal number gives nullopt.
std::optional<std::int32_t> parseSiteVersion(std::string_view versionFile);

} // namespace tavu
