#pragma once

#include "store/records.h"

#include <string>
#include <vector>

// Table lines as the loaders read them back: text fields at their full width (the record's
// texts are already padded), numbers in decimal, each line ended by CR LF. A number is
// followed by a blank unless the next field is a text that begins with its own blank.
namespace tavu {

std::string creatureLine(const CreatureRecord& r);
std::string itemLine(const ItemRecord& r);
std::string spellLine(const SpellRecord& r);
std::string cardListLine(const CardListRecord& r);
std::string mapLine(const MapRecord& r);
std::string opponentLine(const OpponentRecord& r);

// The whole file: every record's line in order.
template <class Record>
std::string tableText(const std::vector<Record>& records, std::string (*line)(const Record&)) {
    std::string text;
    for (const auto& record : records)
        text += line(record);
    return text;
}

} // namespace tavu
