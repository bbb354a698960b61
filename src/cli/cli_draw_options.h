#pragma once

#include "cli_commands.h"
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

// A page whose boxes leave nothing to draw keeps its OK button disabled; the command line
// says so with the warning box's text and ExitWarning.
int refuseDisabledDraw();

// Print a draw's result (exit 0) or its message on stderr (exit 3). A single draw prints
// the file's lines, or its result fields with --fields.
int printSingleResult(const CliOptions& options, const SingleDrawResult& result);
int printMultipleResult(const CliOptions& options, const MultipleDrawResult& result);

} // namespace tavu::cli
