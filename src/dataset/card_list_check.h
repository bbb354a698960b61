#pragma once

#include "card_list_order.h"

#include <string>
#include <vector>

namespace tavu {

struct CardListMismatch {
    int line = 0; // 1-based line of RM_08.tri; 0 for cards the list lacks at its end
    std::string message;
};

// Where the shipped card list departs from the order the families give (names and E flags).
// One card too many or too few shifts every later line, so only the first few are told.
std::vector<CardListMismatch> compareCardList(const std::vector<CardRef>& expected,
                                              const std::vector<CardListRecord>& actual);

} // namespace tavu
