#include "cli_commands.h"
#include "cli_draw_options.h"
#include "coded_draw.h"
#include "match/cpu_opponents.h"

#include <CLI/CLI.hpp>

namespace tavu::cli {

namespace {
// The combos' positions go straight into the request; the element boxes follow --elements.
struct CpuOptions {
    cpu::CpuRequest request;
    std::vector<std::string> elements;
};
} // namespace

void addCpuCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("cpu", "対戦相手 (CPU) を抽出する");
    auto given = std::make_shared<CpuOptions>();
    command->add_option("--count", given->request.count, "CPU の人数 (0 指定しない、1〜3 人。既定 0)")
        ->check(CLI::Range(0, 3));
    auto* elements =
        command->add_option("--elements", given->elements,
                            "ブック傾向の属性 (none,fire,water,earth,wind をカンマ区切り。既定は全属性)");
    elements->delimiter(',')->check(CLI::IsMember(ElementOptionNames));
    command
        ->add_option("--allies", given->request.allies,
                     "同盟相手 (0 同盟戦を行わない、1 人数を指定しない、2 1人、3 2人。既定 0)")
        ->check(CLI::Range(0, 3));
    command->callback([&options, elements, given] {
        cpu::CpuRequest request = given->request;
        request.elements = ticksOf<ElementCount>(given->elements, elements->count() > 0, ElementOptionNames);
        runCodedDraw(options, code::cpuPlan(request));
    });
}

} // namespace tavu::cli
