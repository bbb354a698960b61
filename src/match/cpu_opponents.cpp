#include "cpu_opponents.h"

#include "store/sjis_text.h"

#include <algorithm>

namespace tavu::cpu {

namespace {

CpuResult stopped(const CpuDisplay& previous, std::string message) {
    return {previous, 0, std::move(message)};
}

// A record qualifies when a ticked element's flag is exactly 1.
bool qualifies(const OpponentRecord& opponent, const ElementBoxes& elements) {
    for (std::size_t e = 0; e < elements.size(); ++e)
        if (elements[e] && opponent.usesElement[e] == 1)
            return true;
    return false;
}

// `count` distinct qualifying table indices, each by repeating Random(OpponentCount) until a
// new qualifying index comes up. The loops only end when enough such records exist, so that
// is checked first and nothing is drawn otherwise: then `message` says why.
std::vector<std::int32_t> pickOpponents(const Table<OpponentRecord>& opponents, const ElementBoxes& elements,
                                        int count, RandomSource& random, std::string& message) {
    if (opponents.size() == 0) {
        message = "対戦相手のデータがありません。データファイル (RM_VS.tri) を確認して下さい。";
        return {};
    }
    // Blank records beyond the file use no element, so only stored records can qualify.
    auto available = std::ranges::count_if(
        opponents.stored(), [&](const auto& opponent) { return qualifies(opponent, elements); });
    if (available < count) {
        message = "ブック傾向に合う対戦相手が " + std::to_string(available) + " 人しかいないため、" +
                  std::to_string(count) +
                  " 人を選べません。属性のチェックを増やすか、CPU の人数を減らして下さい。";
        return {};
    }
    std::vector<std::int32_t> picks;
    while (static_cast<int>(picks.size()) < count) {
        auto i = static_cast<std::int32_t>(random.Random(static_cast<std::uint32_t>(opponents.size())));
        if (std::ranges::find(picks, i) == picks.end() && qualifies(opponents[i], elements))
            picks.push_back(i);
    }
    return picks;
}

// FCB1..FCB3 by the ally choice; marks without an opponent beside them are removed after.
std::array<bool, 3> drawAllies(int choice, RandomSource& random) {
    int marked = choice == AnyAllies   ? static_cast<int>(random.Random(4))
                 : choice == OneAlly   ? 1
                 : choice == TwoAllies ? 2
                                       : 0;
    return {marked >= 1, marked >= 2, marked >= 3};
}

void removeLoneAllies(CpuDisplay& display) {
    auto& mark = display.allies;
    const auto& box = display.vsEdit;
    mark[1] = mark[1] && !box[2].empty();
    mark[2] = mark[2] && !box[3].empty();
    mark[0] = mark[0] && !(box[2].empty() && box[3].empty());
}

} // namespace

CpuResult drawCpuOpponents(const Table<OpponentRecord>& opponents, const CpuRequest& request,
                           const CpuDisplay& previous, RandomSource& random) {
    if (request.count == 1 && request.allies == TwoAllies)
        return stopped(previous, TendencyWarningText);
    // The count used to be read back from VSEdit1, which a combo without an entry leaves
    // stale; without a count there is nothing sound to draw.
    if (request.count < AnyCount || request.count > 3)
        return stopped(previous, "CPU の人数を選択して下さい。");
    int a = static_cast<int>(random.Random(3)) + 1;
    int n = request.count == AnyCount ? a : request.count;
    std::string message;
    auto picked = pickOpponents(opponents, request.elements, n, random, message);
    if (!message.empty())
        return stopped(previous, message);
    CpuResult result{{}, n, {}};
    result.display.vsEdit[0] =
        sjis::fromUtf8OrThrow(" CPU 人数 ") + std::to_string(n) + sjis::fromUtf8OrThrow("人");
    for (int k = 0; k < n; ++k)
        result.display.vsEdit[static_cast<std::size_t>(k + 1)] =
            " " + opponents[picked[static_cast<std::size_t>(k)]].name;
    result.display.allies = drawAllies(request.allies, random);
    removeLoneAllies(result.display);
    return result;
}

std::vector<std::string> cpuFileBody(const CpuDisplay& display, int opponents) {
    std::vector<std::string> body;
    for (int k = 0; k < opponents && k < 3; ++k) {
        bool ally = display.allies[static_cast<std::size_t>(k)];
        body.push_back(sjis::fromUtf8OrThrow(ally ? "同盟相手　　>>>　" : "対戦相手　　>>>　") +
                       display.vsEdit[static_cast<std::size_t>(k + 1)]);
    }
    if (!body.empty())
        body.emplace_back(" ");
    for (const char* line :
         {"", "以上のストーリーキャラと対戦を行って下さい。", "",
          "（同盟相手を抽出する場合、条件の設定次第では正しく抽出されないケースがあります）", ""})
        body.push_back(sjis::fromUtf8OrThrow(line));
    return body;
}

bool cpuCombosAllowDraw(int count, int allies) {
    return !(count == 1 && (allies == OneAlly || allies == TwoAllies));
}

} // namespace tavu::cpu
