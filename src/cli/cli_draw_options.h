#pragma once

#include <string>
#include <vector>

namespace tavu::cli {

// The element boxes as options name them, in the pages' order.
inline const std::vector<std::string> ElementOptionNames{"none", "fire", "water", "earth", "wind"};

} // namespace tavu::cli
