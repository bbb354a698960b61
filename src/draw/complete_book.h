#pragma once

#include "book_counts.h"
#include "store/random_source.h"
#include "store/tables.h"

#include <string>
#include <vector>

namespace tavu::book {

// The page's state when "OK" is pressed.
struct BookRequest {
    BookCounts counts = InitialCounts; // AbsoluteSE1..3, used in fixed-count mode only
    bool excludeECards = true;         // AbsoluteCB1 "E カードを含まない"
    bool fullyRandom = false;          // AbsoluteCB4 "完全ランダム     <<"
};

struct BookResult {
    std::vector<std::string> lines; // AbsoluteRE, Shift-JIS bytes
    // Empty when the book was drawn; otherwise why it could not be (UTF-8 Japanese) and no
    // Random call was made, so an impossible request never consumes the random source.
    std::string message;
};

BookResult drawCompleteBook(const Tables& tables, const BookRequest& request, RandomSource& random);

// The result file's lines before the footer: the listing, an empty line, the closing line.
std::vector<std::string> bookFileBody(const std::vector<std::string>& lines);

} // namespace tavu::book
