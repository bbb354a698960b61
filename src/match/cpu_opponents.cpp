#include "cpu_opponents.h"

#include "store/sjis_text.h"

namespace tavu::cpu {

namespace {

std::string sj(std::string_view utf8) {
    return sjis::fromUtf8OrThrow(utf8);
}

CpuResult stopped(const CpuDisplay& previous, std::string message) {
    return {previous, 0, std::move(message)};
}

// FCB1..FCB3 by the ally choice; marks without an opponent beside them are removed after.
std::array<bool, 3> drawAllies(int choice, RandomSource& random) {
    int marked = 0;
    if (choice == AnyAllies)
        marked = static_cast<int>(random.Random(4));
    else if (choice == OneAlly)
        marked = 1;
    else if (choice == TwoAllies)
        marked = 2;
    return {marked >= 1, marked >= 2, marked >= 3};
}

void removeLoneAllies(CpuDisplay& display) {
    auto& mark = display.allies;
    const auto& box = display.vsEdit;
    if (mark[1] && box[2].empty())
        mark[1] = false;
    if (mark[2] && box[3].empty())
        mark[2] = false;
    if (mark[0] && box[2].empty() && box[3].empty())
        mark[0] = false;
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
    auto picked = pickOpponents(opponents, request.elements, n, random);
    if (!picked.message.empty())
        return stopped(previous, picked.message);
    CpuResult result{{}, n, {}};
    result.display.vsEdit[0] = sj(" CPU 人数 ") + std::to_string(n) + sj("人");
    for (int k = 0; k < n; ++k)
        result.display.vsEdit[static_cast<std::size_t>(k + 1)] =
            " " + opponents[picked.picks[static_cast<std::size_t>(k)]].name;
    result.display.allies = drawAllies(request.allies, random);
    removeLoneAllies(result.display);
    return result;
}

std::vector<std::string> cpuFileBody(const CpuDisplay& display, int opponents) {
    std::vector<std::string> body;
    for (int k = 0; k < opponents && k < 3; ++k) {
        bool ally = display.allies[static_cast<std::size_t>(k)];
        body.push_back(sj(ally ? "同盟相手　　>>>　" : "対戦相手　　>>>　") +
                       display.vsEdit[static_cast<std::size_t>(k + 1)]);
    }
    if (!body.empty())
        body.emplace_back(" ");
    for (const char* line :
         {"", "以上のストーリーキャラと対戦を行って下さい。", "",
          "（同盟相手を抽出する場合、条件の設定次第では正しく抽出されないケースがあります）", ""})
        body.push_back(sj(line));
    return body;
}

bool cpuCombosAllowDraw(int count, int allies) {
    return !(count == 1 && (allies == OneAlly || allies == TwoAllies));
}

} // namespace tavu::cpu
