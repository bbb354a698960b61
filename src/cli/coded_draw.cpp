#include "coded_draw.h"

#include "cli_history.h"
#include "cli_output.h"
#include "code/data_fingerprint.h"
#include "code/draw_record.h"
#include "code/draw_run.h"
#include "code/result_check.h"
#include "draw_format.h"
#include "output/result_file.h"
#include "store/sjis_text.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavu::cli {

namespace {

// The result as the page shows it (a single draw's fields with --fields); with --footer
// the lines of Comment.tri and the code line follow, as the window's result file ends.
std::vector<std::string> shownLines(const CliOptions& options, const code::DrawOutput& output,
                                    const std::string& codeText) {
    if (!output.drawn)
        return {};
    auto lines = options.fields && !output.fields.empty() ? output.fields : output.lines;
    if (options.footer) {
        AppendCommentFooter(lines, options.systemDir);
        lines.push_back(code::codeLine(codeText));
    }
    return lines;
}

void printRecord(const CliOptions& options, const history::DrawEntry& entry, const code::DrawCode& drawn,
                 const std::vector<std::string>& sjisLines, const std::string& message) {
    DrawRecord record{entry.command, entry.code, drawn.seed, entry.dataVersion, {}, message};
    for (const auto& line : sjisLines)
        record.lines.push_back(sjis::toUtf8(line));
    std::cout << (options.format == OutputFormat::Json ? drawJson(record) : drawCsv(record)) << std::flush;
}

int printDraw(const CliOptions& options, const code::DrawCode& drawn, const code::DrawOutput& output) {
    const history::DrawEntry entry = code::drawEntry(drawn, output.lines);
    auto lines = shownLines(options, output, entry.code);
    if (options.format != OutputFormat::Text) {
        printRecord(options, entry, drawn, lines, output.message);
    } else if (output.drawn) {
        CliOptions plain = options;
        plain.footer = false; // already among the lines
        printLines(plain, std::move(lines), std::cout);
    }
    int status = output.message.empty() ? ExitOk : reportWarning(output.message, std::cerr);
    // Only once the result is out, so that a slow or faulty history never holds it back.
    if (output.drawn)
        recordDraw(options, entry);
    return status;
}

std::string otherDataText(const code::DataFingerprint& drawn, const code::DataFingerprint& here) {
    return "この抽出コードは別のデータで抽出されました (抽出時のデータ: " + code::dataVersionText(drawn) +
           "、このデータ: " + code::dataVersionText(here) + ")";
}

} // namespace

void runCodedDraw(CliOptions& options, const code::DrawPlan& plan,
                  const std::optional<code::DataFingerprint>& expected) {
    runCommand(options, [&](const CliData& data, RandomSource& random) {
        code::DataFingerprint here = code::fingerprintData(options.systemDir, data.settings);
        if (expected && expected->hash != here.hash) {
            std::cerr << otherDataText(*expected, here) << '\n';
            return static_cast<int>(ExitOtherData);
        }
        const code::DrawCode drawn{plan, random.seed(), here};
        std::cerr << "code " << code::formatCode(drawn) << '\n';
        return printDraw(options, drawn, code::runDraw(data.tables, plan, random));
    });
}

void addReplayCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("replay", "抽出コードの抽出をもう一度行う (同じデータなら同じ結果)");
    auto text = std::make_shared<std::string>();
    command->add_option("CODE", *text, "抽出コード (seed の次の行に code として出力されるもの)")->required();
    command->callback([&options, text] {
        auto parsed = code::parseCode(*text);
        if (!parsed.code) {
            std::cerr << parsed.message << '\n';
            options.exitCode = ExitUsage;
            return;
        }
        // The code holds the random state; a different --seed asks for another draw.
        if (options.seed && *options.seed != parsed.code->seed)
            throw CLI::ValidationError("--seed", "抽出コードの乱数の種 (s=) と --seed が違います");
        options.seed = parsed.code->seed;
        runCodedDraw(options, parsed.code->plan, parsed.code->data);
    });
}

} // namespace tavu::cli
