#pragma once

#include "draw/complete_book.h"
#include "draw/draw_filter.h"
#include "match/battle_map.h"
#include "match/cpu_opponents.h"

#include <array>
#include <string_view>

// Every draw the program makes, as the one value a draw code holds: which draw and the
// state of the page's controls that it reads. The window and the command line both build
// one and hand it to runDraw, so a code replays the same draw on either.
namespace tavu::code {

enum class Command {
    CreatureSingle,
    CreatureMultiple,
    ItemSingle,
    ItemMultiple,
    SpellSingle,
    SpellMultiple,
    Book,
    Map,
    Cpu,
};
inline constexpr int CommandCount = 9;

// "creature-single", "book", ...: the command's word in a code.
std::string_view commandName(Command command);

bool isSingleDraw(Command command);
bool isMultipleDraw(Command command);

// The filter boxes and count controls of the six card pages. `groups` holds the element
// boxes (creatures) or the first four, the kind boxes (items); spells have none.
struct CardPlan {
    std::array<bool, ElementCount> groups{true, true, true, true, true};
    RarityTicks rarities = StartRarities;
    int copies = 0;      // single draws: the copies combo, 0 ("指定なし") to 4
    MultipleCount count; // multiple draws
};

// Only the part that belongs to `command` is read; the others keep their defaults.
struct DrawPlan {
    Command command = Command::CreatureSingle;
    CardPlan card;
    book::BookRequest book;
    map::MapRequest map;
    cpu::CpuRequest cpu;
};

// The plan of a book, map or CPU draw from its page's request.
DrawPlan bookPlan(const book::BookRequest& request);
DrawPlan mapPlan(const map::MapRequest& request);
DrawPlan cpuPlan(const cpu::CpuRequest& request);

CreatureFilter creatureFilter(const CardPlan& card);
ItemFilter itemFilter(const CardPlan& card);

} // namespace tavu::code
