#include "draw_plan.h"

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

DrawPlan bookPlan(const book::BookRequest& request) {
    DrawPlan plan;
    plan.command = Command::Book;
    plan.book = request;
    return plan;
}

DrawPlan mapPlan(const map::MapRequest& request) {
    DrawPlan plan;
    plan.command = Command::Map;
    plan.map = request;
    return plan;
}

DrawPlan cpuPlan(const cpu::CpuRequest& request) {
    DrawPlan plan;
    plan.command = Command::Cpu;
    plan.cpu = request;
    return plan;
}

CreatureFilter creatureFilter(const CardPlan& card) {
    return {card.groups, card.rarities};
}

ItemFilter itemFilter(const CardPlan& card) {
    return {{card.groups[0], card.groups[1], card.groups[2], card.groups[3]}, card.rarities};
}

} // namespace tavu::code
