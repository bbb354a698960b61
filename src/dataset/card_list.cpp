#include "card_list.h"

#include "store/sjis_text.h"

#include <algorithm>

namespace tavu {

std::string_view withoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1); // npos + 1 is 0: all blanks
}

namespace {
constexpr std::size_t MaxMismatches = 10;

template <class Record>
void append(std::vector<CardRef>& order, const std::vector<Record>& records) {
    for (const auto& record : records)
        order.push_back({withoutTrailingBlanks(record.name), record.rarity == Rarities[RarityE]});
}

std::string quotedName(std::string_view sjisName) {
    return "「" + sjis::toUtf8(withoutTrailingBlanks(sjisName)) + "」";
}

// The fault of one line, or an empty text when it is right.
std::string lineFault(const std::vector<CardRef>& expected, const CardListRecord& card, std::size_t i) {
    std::string_view name = withoutTrailingBlanks(card.name);
    if (i >= expected.size())
        return "どのカード表にも無いカードが余分にあります: " + quotedName(name);
    if (name != expected[i].name)
        return "並びがカード表と合いません: ここは" + quotedName(expected[i].name) + "のはずですが" +
               quotedName(name) + "です (クリーチャーは属性順・名前順、次にアイテム、スペル)";
    if ((card.isECard != 0) != expected[i].isECard)
        return quotedName(name) + " の E カードの印がカード表のレア度と合いません";
    return {};
}
} // namespace

std::vector<CardRef> completeCardOrder(const CreatureLists& creatures, const std::vector<ItemRecord>& items,
                                       const std::vector<SpellRecord>& spells) {
    std::vector<CardRef> order;
    for (const auto& element : creatures) {
        auto first = static_cast<std::ptrdiff_t>(order.size());
        append(order, element);
        // string_view compares its bytes as unsigned char, which is the Shift-JIS code order.
        std::ranges::stable_sort(order.begin() + first, order.end(), {}, &CardRef::name);
    }
    append(order, items);
    append(order, spells);
    return order;
}

std::vector<CardListMismatch> compareCardList(const std::vector<CardRef>& expected,
                                              const std::vector<CardListRecord>& actual) {
    std::vector<CardListMismatch> mismatches;
    for (std::size_t i = 0; i < actual.size() && mismatches.size() < MaxMismatches; ++i)
        if (auto fault = lineFault(expected, actual[i], i); !fault.empty())
            mismatches.push_back({static_cast<int>(i + 1), std::move(fault)});
    if (mismatches.size() < MaxMismatches && actual.size() < expected.size())
        mismatches.push_back({0, "カード表にあるカードが " + std::to_string(expected.size() - actual.size()) +
                                     " 枚足りません (最初は" + quotedName(expected[actual.size()].name) +
                                     ")"});
    return mismatches;
}

} // namespace tavu
