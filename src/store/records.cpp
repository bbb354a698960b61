#include "records.h"

namespace tavu {

int rarityIndex(std::string_view rarityField) {
    for (std::size_t i = 0; i < Rarities.size(); ++i)
        if (rarityField == Rarities[i])
            return static_cast<int>(i);
    return -1;
}

} // namespace tavu
