#pragma once

#include "store/random_source.h"
#include "store/tables.h"

#include <array>
#include <string>
#include <vector>

namespace tavu::cpu {

// A combo box position meaning the box holds no list entry (text typed into it).
inline constexpr int NoEntry = -1;
// VS_CB1..VS_CB5: 無, 火, 水, 地, 風.
using ElementBoxes = std::array<bool, ElementCount>;
// VS_ComboBox: " 指定しない", " 1人", " 2人", " 3人".
enum CountChoice : int { AnyCount = 0 };
// VS_CBox2: " 同盟戦を行わない", " 人数を指定しない", " 1人", " 2人".
enum AllyChoice : int { NoAllies = 0, AnyAllies = 1, OneAlly = 2, TwoAllies = 3 };

// The page's controls when "OK" is pressed.
struct CpuRequest {
    int count = AnyCount;
    ElementBoxes elements = {true, true, true, true, true};
    int allies = NoAllies;
};

// VSEdit1..VSEdit4 (Shift-JIS) and the ally marks FCB1..FCB3.
struct CpuDisplay {
    std::array<std::string, 4> vsEdit;
    std::array<bool, 3> allies{};
};

struct CpuResult {
    CpuDisplay display;
    int opponents = 0; // how many opponent boxes the draw filled; 0 when it stopped
    // Empty when the draw ran. Otherwise the display is left as it was and this says why
    // (UTF-8 Japanese): the tendency warning, or a draw that could not be made.
    std::string message;
};

// ShowTendencyWarning's text and caption, shown for one CPU player with two allies.
inline constexpr const char* TendencyWarningText = "ブック傾向を正しく設定して下さい　";
inline constexpr const char* TendencyWarningCaption = "TAVU　Warning";

CpuResult drawCpuOpponents(const Table<OpponentRecord>& opponents, const CpuRequest& request,
                           const CpuDisplay& previous, RandomSource& random);

// The result file's lines before the footer.
std::vector<std::string> cpuFileBody(const CpuDisplay& display, int opponents);

// VS_ComboBoxChange: OK and "設定を保存" are disabled for one CPU player with one or two allies.
bool cpuCombosAllowDraw(int count, int allies);

} // namespace tavu::cpu
