#pragma once

#include "cli_commands.h"
#include "code/draw_spec.h"
#include "draw/draw_filter.h"
#include "draw/draw_result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace CLI {
class Option;
}

// The filter and count options of the card-draw commands, mapped onto a page's controls:
// left out, each takes the page's start state.
namespace tavu::cli {

struct DrawArgs {
    std::vector<std::string> groups;   // --elements or --kinds
    std::vector<std::string> rarities; // --rarities
    int copies = 0;                    // --copies: the copies combo's index
    std::int64_t count = 0;            // --count: put through the spin edit's range
    bool randomCount = false;          // --random-count: the "指定無し" box
    CLI::Option* groupsOption = nullptr;
    CLI::Option* raritiesOption = nullptr;
    CLI::Option* countOption = nullptr;
};

inline const std::vector<std::string> ElementNames{"none", "fire", "water", "earth", "wind"};
inline const std::vector<std::string> KindNames{"weapon", "armour", "item", "scroll"};
inline const std::vector<std::string> NoGroups{}; // spells have no group boxes

// A family command ("creature") with its two draws; each draw's options are added by
// the caller. Global options may also follow the draw's name.
CLI::App* addFamilyCommand(CLI::App& app, const std::string& name, const std::string& description);
CLI::App* addDrawCommand(CLI::App& family, const std::string& name, const std::string& description);

void addGroupOption(CLI::App& command, const std::string& name, const std::vector<std::string>& names,
                    DrawArgs& args, const std::string& description);
void addRarityOption(CLI::App& command, DrawArgs& args);
void addCopiesOption(CLI::App& command, DrawArgs& args);
void addCountOptions(CLI::App& command, DrawArgs& args, const CountRange& range);

// Ticks in the page's order: every box ticked when the option was left out.
std::vector<bool> groupTicks(const DrawArgs& args, const std::vector<std::string>& names);
RarityTicks rarityTicks(const DrawArgs& args);
MultipleCount multipleCount(const DrawArgs& args, const CountRange& range);

template <std::size_t N>
std::array<bool, N> toArray(const std::vector<bool>& ticks) {
    std::array<bool, N> out{};
    for (std::size_t i = 0; i < N && i < ticks.size(); ++i)
        out[i] = ticks[i];
    return out;
}

// The card page's controls as the draw reads them: group boxes (`groupNames`, none for
// spells), rarity boxes, the copies combo and the count controls.
code::DrawSpec cardSpec(code::Command command, const DrawArgs& args,
                        const std::vector<std::string>& groupNames, const CountRange& range);

} // namespace tavu::cli
