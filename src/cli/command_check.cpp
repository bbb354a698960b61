#include "cli_commands.h"
#include "cli_output.h"
#include "code/data_fingerprint.h"
#include "code/result_check.h"
#include "store/data_error.h"
#include "store/field_reader.h"
#include "store/file_io.h"

#include <CLI/CLI.hpp>
#include <iostream>

namespace tavu::cli {

namespace {

// A result file is a page of lines; anything far larger is not one and is refused unread.
constexpr std::size_t ResultFileLimit = 1 << 20;

int exitOf(code::CheckOutcome outcome) {
    switch (outcome) {
    case code::CheckOutcome::Match:
        return ExitOk;
    case code::CheckOutcome::LineDiffers:
        return ExitLineDiffers;
    case code::CheckOutcome::OtherData:
        return ExitOtherData;
    case code::CheckOutcome::NoCode:
        break;
    }
    return ExitUsage;
}

int checkFile(const CliOptions& options, const std::filesystem::path& file) {
    std::string bytes;
    try {
        bytes = readWholeFile(file, ResultFileLimit);
    } catch (const DataError& e) {
        std::cerr << describeDataError(e) << '\n';
        return ExitUsage;
    }
    CliData data = loadData(options);
    auto here = code::fingerprintData(options.systemDir, data.settings);
    auto report = code::checkResultLines(splitLines(bytes), data.tables, here);
    auto& out = report.outcome == code::CheckOutcome::Match ? std::cout : std::cerr;
    out << code::describeCheck(report, here) << '\n';
    return exitOf(report.outcome);
}

} // namespace

void addCheckCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("check", "結果ファイルを抽出コードで抽出し直して照合する");
    auto file = std::make_shared<std::filesystem::path>();
    command->add_option("FILE", *file, "結果ファイル (最後の行が「抽出コード: 」のもの)")->required();
    command->callback([&options, file] {
        try {
            options.exitCode = checkFile(options, *file);
        } catch (const DataError& e) {
            std::cerr << describeDataError(e) << '\n';
            options.exitCode = ExitDataFolder;
        }
    });
}

} // namespace tavu::cli
