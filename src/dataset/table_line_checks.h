#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavu {

// Strict check of one table line (its line end removed) against its record's layout: fills
// `record` as the loader would read it and returns every fault found in it as a Japanese message.
// Where the loader makes a silent zero or shift of a number that is missing, does not convert or
// runs past the line, or of a text cut short or ending inside a double-byte character, this finds
// a fault, and keeps only the faults found before it: every later field is read from the wrong
// place. Never reads outside the line. `element` is the element of a creature file.
template <class Record>
std::vector<std::string> checkTableLine(std::string_view line, Record& record, int element = 0);

} // namespace tavu
