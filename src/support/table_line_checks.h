#pragma once

#include "store/records.h"

#include <string>
#include <string_view>
#include <vector>

// Strict checks of one table line (its line end removed): the record it holds as the
// loaders would read it, and every fault found in it as a Japanese message.
namespace tavu {

template <class Record>
struct CheckedLine {
    Record record;
    std::vector<std::string> faults;
};

CheckedLine<CreatureRecord> checkCreatureLine(std::string_view line, int element);
CheckedLine<ItemRecord> checkItemLine(std::string_view line);
CheckedLine<SpellRecord> checkSpellLine(std::string_view line);
CheckedLine<CardListRecord> checkCardListLine(std::string_view line);
CheckedLine<MapRecord> checkMapLine(std::string_view line);
CheckedLine<OpponentRecord> checkOpponentLine(std::string_view line);

} // namespace tavu
