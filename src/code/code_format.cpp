#include "code_words.h"
#include "draw_code.h"

#include <cstdio>
#include <span>

namespace tavu::code {

namespace {

std::string setText(std::span<const bool> ticks, std::span<const std::string_view> names) {
    bool all = true;
    std::string text;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        all = all && ticks[i];
        if (!ticks[i])
            continue;
        if (!text.empty())
            text += words::SetBreak;
        text += names[i];
    }
    return all ? std::string(words::All) : text;
}

std::string rarityText(const RarityTicks& ticks) {
    std::string text;
    for (std::size_t i = 0; i < ticks.size(); ++i)
        if (ticks[i])
            text += words::Rarities[i];
    return text;
}

std::string countText(int value, bool any) {
    return any ? std::string(words::Any) : std::to_string(value);
}

class Writer {
public:
    void field(std::string_view key, std::string_view value) {
        text_ += words::FieldBreak;
        text_ += key;
        text_ += '=';
        text_ += value;
    }
    void word(std::string_view word) { (text_.empty() ? text_ : text_ += words::FieldBreak) += word; }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

void writeCard(Writer& out, const DrawPlan& plan) {
    const CardPlan& card = plan.card;
    bool creature = plan.command == Command::CreatureSingle || plan.command == Command::CreatureMultiple;
    bool item = plan.command == Command::ItemSingle || plan.command == Command::ItemMultiple;
    if (creature)
        out.field("e", setText(card.groups, words::Elements));
    if (item)
        out.field("k", setText(std::span(card.groups).first(ItemKindCount), words::Kinds));
    out.field("r", rarityText(card.rarities));
    if (isSingleDraw(plan.command))
        out.field("c", countText(card.copies, card.copies == 0));
    else
        out.field("n", countText(card.count.value, card.count.random));
}

void writeBook(Writer& out, const book::BookRequest& book) {
    const auto& c = book.counts;
    out.field("c", book.fullyRandom ? std::string(words::Random)
                                    : std::to_string(c[0]) + words::SetBreak + std::to_string(c[1]) +
                                          words::SetBreak + std::to_string(c[2]));
    out.field("ecards", book.excludeECards ? "no" : "yes");
}

void writeMap(Writer& out, const map::MapRequest& request) {
    const auto& s = request.spins;
    auto range = [](int low, int high) {
        return std::to_string(low) + words::RangeBreak + std::to_string(high);
    };
    const std::string values[] = {
        std::to_string(request.mapCondition),   std::to_string(request.landElement),
        std::to_string(request.landLevel),      range(s[map::MagicMin], s[map::MagicMax]),
        std::to_string(request.suddenDeath),    range(s[map::PeriodMin], s[map::PeriodMax]),
        range(s[map::TimeMin], s[map::TimeMax])};
    for (std::size_t i = 0; i < words::MapItems.size(); ++i)
        if (request.ticked[i])
            out.field(words::MapItems[i], values[i]);
}

void writeCpu(Writer& out, const cpu::CpuRequest& request) {
    out.field("n", countText(request.count, request.count == cpu::AnyCount));
    out.field("e", setText(request.elements, words::Elements));
    bool listed = request.allies >= 0 && request.allies < static_cast<int>(words::Allies.size());
    // A position off the list is written as it is, so that reading the code refuses it.
    out.field("a", listed ? std::string(words::Allies[static_cast<std::size_t>(request.allies)])
                          : std::to_string(request.allies));
}

std::string hex16(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

} // namespace

std::string formatCode(const DrawCode& code) {
    Writer out;
    out.word(CodeVersion);
    out.word(commandName(code.plan.command));
    switch (code.plan.command) {
    case Command::Book:
        writeBook(out, code.plan.book);
        break;
    case Command::Map:
        writeMap(out, code.plan.map);
        break;
    case Command::Cpu:
        writeCpu(out, code.plan.cpu);
        break;
    default:
        writeCard(out, code.plan);
    }
    if (code.data.version)
        out.field("v", std::to_string(*code.data.version));
    out.field("s", std::to_string(code.seed));
    out.field("d", hex16(code.data.hash));
    return out.take();
}

} // namespace tavu::code
