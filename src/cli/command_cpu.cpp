#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"
#include "match/cpu_opponents.h"

#include <CLI/CLI.hpp>

namespace tavu::cli {

namespace {
struct CpuOptions {
    int count = 0;
    int allies = 0;
    std::vector<std::string> elements;
};

cpu::ElementBoxes elementBoxes(const std::vector<std::string>& names, bool given) {
    if (!given)
        return {true, true, true, true, true};
    cpu::ElementBoxes boxes{};
    for (const auto& name : names)
        for (std::size_t e = 0; e < ElementOptionNames.size(); ++e)
            boxes[e] = boxes[e] || name == ElementOptionNames[e];
    return boxes;
}
} // namespace

void addCpuCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("cpu", "対戦相手 (CPU) を抽出する");
    auto given = std::make_shared<CpuOptions>();
    command->add_option("--count", given->count, "CPU の人数 (0 指定しない、1〜3 人。既定 0)")
        ->check(CLI::Range(0, 3));
    auto* elements =
        command->add_option("--elements", given->elements,
                            "ブック傾向の属性 (none,fire,water,earth,wind をカンマ区切り。既定は全属性)");
    elements->delimiter(',')->check(CLI::IsMember(ElementOptionNames));
    command
        ->add_option("--allies", given->allies,
                     "同盟相手 (0 同盟戦を行わない、1 人数を指定しない、2 1人、3 2人。既定 0)")
        ->check(CLI::Range(0, 3));
    command->callback([&options, command, given] {
        runCodedDraw(options, code::cpuPlan({given->count,
                                             elementBoxes(given->elements, command->count("--elements") > 0),
                                             given->allies}));
    });
}

} // namespace tavu::cli
