#include "complete_book.h"

#include "card_draws.h"
#include "store/derived_counts.h"
#include "store/sjis_text.h"

#include <algorithm>

namespace tavu::book {

namespace {

// The usable entries of CardListTable in table order, packed: with E cards excluded only
// those whose isECard is 0. The table's declared size comes from the settings file, so the
// blank entries beyond what RM_08.tri held are counted rather than copied.
struct BookCandidates {
    std::vector<std::string_view> names; // the stored usable entries
    std::int32_t size;                   // BookCardCount: those and the blank entries

    BookCandidates(const Tables& tables, bool excludeECards)
        : size(CountBookCards(tables, excludeECards)) {
        for (const auto& card : tables.cardList.stored())
            if (!excludeECards || card.isECard == 0)
                names.push_back(card.name);
    }

    // The stored 19-byte name at candidate position `position` (empty for a blank entry).
    std::string_view name(std::int32_t position) const {
        return position >= 0 && static_cast<std::size_t>(position) < names.size()
                   ? names[static_cast<std::size_t>(position)]
                   : std::string_view{};
    }
};

template <std::size_t N>
std::int32_t sumRarities(const std::array<std::int32_t, N>& counters, bool excludeECards) {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (!excludeECards || i % RarityCount != RarityE)
            sum += counters[i];
    return sum;
}

// PC, PI, PS: how many candidates each family occupies, in that order, from the rarity
// counts of the family tables (N, S and R only when E cards are excluded).
BookCounts familyPools(const Tables& tables, bool excludeECards) {
    return {sumRarities(CountCreatureRarities(tables), excludeECards),
            sumRarities(CountItemRarities(tables), excludeECards), CountBookSpells(tables, excludeECards)};
}

using Picks = std::vector<std::int32_t>;

Picks drawPicks(RandomSource& random, int count, std::int32_t pool, std::int32_t offset) {
    Picks picks;
    for (int i = 0; i < count; ++i)
        picks.push_back(offset + static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(pool))));
    // Equal picks are the same card and end up next to each other.
    std::sort(picks.begin(), picks.end());
    return picks;
}

constexpr const char* FamilyNames[FamilyCount] = {"クリーチャー", "アイテム", "スペル"};

// Checks made before any Random call: an empty pool would index nothing and a card list
// shorter than the pools would list cards of the wrong family, or none.
std::string fixedCountProblem(const BookRequest& request, const BookCounts& pools, std::int32_t candidates) {
    const auto& counts = request.counts;
    for (int f = 0; f < FamilyCount; ++f)
        if (counts[f] < 0 || counts[f] > CountRanges[f].highest)
            return std::string(FamilyNames[f]) + "の枚数が範囲外です。";
    if (counts[Creatures] + counts[Items] + counts[Spells] != BookSize)
        return "それぞれの合計枚数が 50 枚になるように設定して下さい。";
    for (int f = 0; f < FamilyCount; ++f)
        if (counts[f] > 0 && pools[f] <= 0)
            return std::string(FamilyNames[f]) + "に使用できるカードがありません。" + FamilyNames[f] +
                   "の枚数を 0 にするか、データファイルを確認して下さい。";
    std::int64_t poolTotal = std::int64_t{pools[Creatures]} + pools[Items] + pools[Spells];
    if (poolTotal > candidates)
        return "カード一覧 (RM_08.tri) の枚数がクリーチャー、アイテム、スペルの合計より少ないため、"
               "ブックを構成できません。データファイルを確認して下さい。";
    return {};
}

// Each family's cards come from its own stretch of the candidates, in family order, and an
// empty line follows every family that has cards but the last.
BookResult drawFixedCount(const Tables& tables, const BookRequest& request, const BookCandidates& candidates,
                          RandomSource& random) {
    BookCounts pools = familyPools(tables, request.excludeECards);
    BookResult result;
    result.message = fixedCountProblem(request, pools, candidates.size);
    if (!result.message.empty())
        return result;
    int number = 0;
    std::int32_t offset = 0;
    for (int f = 0; f < FamilyCount; ++f) {
        for (auto pick : drawPicks(random, request.counts[f], pools[f], offset))
            result.lines.push_back(numberedLine(++number, candidates.name(pick)));
        if (f != Spells && request.counts[f] > 0)
            result.lines.emplace_back();
        offset += pools[f];
    }
    return result;
}

BookResult drawFullyRandom(const BookCandidates& candidates, RandomSource& random) {
    BookResult result;
    if (candidates.size <= 0) {
        result.message = "ブックに使用できるカードがありません。データファイル (RM_08.tri) と"
                         "「E カードを含まない」の設定を確認して下さい。";
        return result;
    }
    Picks picks = drawPicks(random, BookSize, candidates.size, 0);
    bool hideLast = random.Random(14) == 1;
    int number = 0;
    for (auto pick : picks) {
        result.lines.push_back(numberedLine(++number, candidates.name(pick)));
        if (number % 10 == 0 && number < BookSize)
            result.lines.emplace_back(" ");
    }
    if (hideLast)
        result.lines.back() = "50" + sjis::fromUtf8OrThrow(" ？？？");
    return result;
}

} // namespace

BookResult drawCompleteBook(const Tables& tables, const BookRequest& request, RandomSource& random) {
    BookCandidates candidates(tables, request.excludeECards);
    return request.fullyRandom ? drawFullyRandom(candidates, random)
                               : drawFixedCount(tables, request, candidates, random);
}

std::vector<std::string> bookFileBody(const std::vector<std::string>& lines) {
    std::vector<std::string> body = lines;
    body.emplace_back();
    body.push_back(sjis::fromUtf8OrThrow("の 50 枚をブック内に組み込んでブックを作成して下さい。"));
    return body;
}

} // namespace tavu::book
