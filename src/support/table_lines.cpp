#include "table_lines.h"

namespace tavu {

namespace {
constexpr const char* LineEnd = "\r\n";

std::string numbers(std::initializer_list<std::int32_t> values) {
    std::string out;
    for (auto value : values)
        out += " " + std::to_string(value);
    return out;
}
} // namespace

std::string creatureLine(const CreatureRecord& r) {
    return r.name + numbers({r.st, r.hp, r.cost, r.chain, r.sacrifice}) + r.rarity + r.element +
           numbers({r.extraNumber}) + r.special + LineEnd;
}

std::string itemLine(const ItemRecord& r) {
    return r.name + numbers({r.stBonus, r.hpBonus, r.cost, r.kind}) + r.rarity + r.special +
           numbers({r.extraNumber}) + LineEnd;
}

std::string spellLine(const SpellRecord& r) {
    return r.name + numbers({r.cost}) + r.rarity + r.range + r.target + r.duration + r.sacrifice +
           numbers({r.extraNumber}) + LineEnd;
}

// The two numbers stand as extraNumber, then isECard.
std::string cardListLine(const CardListRecord& r) {
    return r.name + numbers({r.extraNumber, r.isECard}) + LineEnd;
}

// The line starts with a number, so the first blank of numbers() is not wanted there.
std::string mapLine(const MapRecord& r) {
    return numbers({r.extraNumber, r.hasSanctuary, r.hasShrine, r.hasWarpCircle, r.hasShop, r.maxDice,
                    r.firstPrizeCards})
               .substr(1) +
           r.name + r.forts + numbers({r.isDownloadMap}) + LineEnd;
}

std::string opponentLine(const OpponentRecord& r) {
    const auto& u = r.usesElement;
    return r.name + numbers({u[0], u[1], u[2], u[3], u[4]}) + LineEnd;
}

} // namespace tavu
