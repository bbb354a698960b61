#include "complete_book.h"

#include "book_candidates.h"
#include "store/sjis_text.h"

#include <algorithm>

namespace tavu::book {

namespace {

using Picks = std::vector<std::int32_t>;

Picks drawPicks(RandomSource& random, int count, std::int32_t pool, std::int32_t offset) {
    Picks picks;
    for (int i = 0; i < count; ++i)
        picks.push_back(offset + static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(pool))));
    // Equal picks are the same card and end up next to each other.
    std::sort(picks.begin(), picks.end());
    return picks;
}

void appendCards(std::vector<std::string>& lines, const BookCandidates& candidates, const Picks& picks,
                 int& number) {
    for (auto pick : picks)
        lines.push_back(bookCardLine(++number, candidates.name(pick)));
}

std::string familyName(int family) {
    static const char* const names[] = {"クリーチャー", "アイテム", "スペル"};
    return names[family];
}

// Checks made before any Random call: an empty pool would index nothing and a card list
// shorter than the pools would list cards of the wrong family, or none.
std::string fixedCountProblem(const BookRequest& request, const BookCounts& pools, std::int32_t candidates) {
    const auto& counts = request.counts;
    for (int f = 0; f < FamilyCount; ++f)
        if (counts[f] < 0 || counts[f] > CountRanges[f].highest)
            return familyName(f) + "の枚数が範囲外です。";
    if (counts[Creatures] + counts[Items] + counts[Spells] != BookSize)
        return "それぞれの合計枚数が 50 枚になるように設定して下さい。";
    for (int f = 0; f < FamilyCount; ++f)
        if (counts[f] > 0 && pools[f] <= 0)
            return familyName(f) + "に使用できるカードがありません。" + familyName(f) +
                   "の枚数を 0 にするか、データファイルを確認して下さい。";
    std::int64_t poolTotal = std::int64_t{pools[Creatures]} + pools[Items] + pools[Spells];
    if (poolTotal > candidates)
        return "カード一覧 (RM_08.tri) の枚数がクリーチャー、アイテム、スペルの合計より少ないため、"
               "ブックを構成できません。データファイルを確認して下さい。";
    return {};
}

BookResult drawFixedCount(const Tables& tables, const BookRequest& request, const BookCandidates& candidates,
                          RandomSource& random) {
    BookCounts pools = familyPools(tables, request.excludeECards);
    BookResult result;
    result.message = fixedCountProblem(request, pools, candidates.size());
    if (!result.message.empty())
        return result;
    const auto& counts = request.counts;
    Picks creatures = drawPicks(random, counts[Creatures], pools[Creatures], 0);
    Picks items = drawPicks(random, counts[Items], pools[Items], pools[Creatures]);
    Picks spells = drawPicks(random, counts[Spells], pools[Spells], pools[Creatures] + pools[Items]);
    int number = 0;
    appendCards(result.lines, candidates, creatures, number);
    if (counts[Creatures] > 0)
        result.lines.emplace_back();
    appendCards(result.lines, candidates, items, number);
    if (counts[Items] > 0)
        result.lines.emplace_back();
    appendCards(result.lines, candidates, spells, number);
    return result;
}

BookResult drawFullyRandom(const BookCandidates& candidates, RandomSource& random) {
    BookResult result;
    if (candidates.size() <= 0) {
        result.message = "ブックに使用できるカードがありません。データファイル (RM_08.tri) と"
                         "「E カードを含まない」の設定を確認して下さい。";
        return result;
    }
    Picks picks = drawPicks(random, BookSize, candidates.size(), 0);
    bool hideLast = random.Random(14) == 1;
    for (int k = 0; k < BookSize; ++k) {
        result.lines.push_back(bookCardLine(k + 1, candidates.name(picks[static_cast<std::size_t>(k)])));
        if ((k + 1) % 10 == 0 && k + 1 < BookSize)
            result.lines.emplace_back(" ");
    }
    if (hideLast)
        result.lines.back() = "50" + sjis::fromUtf8OrThrow(" ？？？");
    return result;
}

} // namespace

BookResult drawCompleteBook(const Tables& tables, const BookRequest& request, RandomSource& random) {
    BookCandidates candidates(tables.cardList, request.excludeECards);
    return request.fullyRandom ? drawFullyRandom(candidates, random)
                               : drawFixedCount(tables, request, candidates, random);
}

std::string bookCardLine(int number, const std::string& name) {
    return std::to_string(number) + (number < 10 ? "  " : " ") + name;
}

std::vector<std::string> bookFileBody(const std::vector<std::string>& lines) {
    std::vector<std::string> body = lines;
    body.emplace_back();
    body.push_back(sjis::fromUtf8OrThrow("の 50 枚をブック内に組み込んでブックを作成して下さい。"));
    return body;
}

} // namespace tavu::book
