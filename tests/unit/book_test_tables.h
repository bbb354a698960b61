#pragma once

#include "store/tables.h"

#include <string>

namespace tavu::test {

// A consistent little data set for the complete book: the card list holds every creature,
// then every item, then every spell, and marks the E cards as the family tables do.
// Names are "C<n>", "I<n>", "S<n>" padded to the card list's 19 bytes.
struct BookTableShape {
    int creaturesNSR = 6; // spread over the five elements
    int creaturesE = 2;
    int itemsNSR = 4;
    int itemsE = 1;
    int spellsNSR = 5;
    int spellsE = 1;
};

std::string cardListName(char family, int n);
Tables makeBookTables(const BookTableShape& shape = {});

} // namespace tavu::test
