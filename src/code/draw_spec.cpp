#include "draw_spec.h"

namespace tavu::code {

std::string_view commandName(Command command) {
    static constexpr std::array<std::string_view, CommandCount> names{"creature-single",
                                                                      "creature-multiple",
                                                                      "item-single",
                                                                      "item-multiple",
                                                                      "spell-single",
                                                                      "spell-multiple",
                                                                      "book",
                                                                      "map",
                                                                      "cpu"};
    return names[static_cast<std::size_t>(command)];
}

bool isSingleDraw(Command command) {
    return command == Command::CreatureSingle || command == Command::ItemSingle ||
           command == Command::SpellSingle;
}

bool isMultipleDraw(Command command) {
    return command == Command::CreatureMultiple || command == Command::ItemMultiple ||
           command == Command::SpellMultiple;
}

DrawSpec bookSpec(const book::BookRequest& request) {
    DrawSpec spec;
    spec.command = Command::Book;
    spec.book = request;
    return spec;
}

DrawSpec mapSpec(const map::MapRequest& request) {
    DrawSpec spec;
    spec.command = Command::Map;
    spec.map = request;
    return spec;
}

DrawSpec cpuSpec(const cpu::CpuRequest& request) {
    DrawSpec spec;
    spec.command = Command::Cpu;
    spec.cpu = request;
    return spec;
}

CreatureFilter creatureFilter(const CardSpec& card) {
    return {card.groups, card.rarities};
}

ItemFilter itemFilter(const CardSpec& card) {
    return {{card.groups[0], card.groups[1], card.groups[2], card.groups[3]}, card.rarities};
}

} // namespace tavu::code
