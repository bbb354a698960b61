#include "cli_output.h"

#include "output/result_file.h"
#include "store/data_error.h"
#include "store/sjis_text.h"
#include "store/system_files.h"

#include <iostream>

namespace tavu::cli {

CliData loadData(const CliOptions& options) {
    CliData data;
    data.settings = readSettingsReadOnly(options.systemDir / SettingsFileName);
    loadAllTables(options.systemDir, TableSizes::fromSettings(data.settings), data.tables);
    return data;
}

void printLines(const CliOptions& options, std::vector<std::string> sjisLines, std::ostream& out) {
    if (options.footer)
        AppendCommentFooter(sjisLines, options.systemDir);
    for (const auto& line : sjisLines) {
        if (options.sjis)
            out << line << "\r\n";
        else
            out << sjis::toUtf8(line) << '\n';
    }
    out.flush();
}

int reportWarning(std::string_view text, std::ostream& err) {
    err << text << '\n';
    return ExitWarning;
}

std::string describeDataError(const DataError& error) {
    std::string where = error.file().string();
    if (error.line() > 0)
        where += ":" + std::to_string(error.line());
    return where + ": " + error.reason();
}

void runCommand(CliOptions& options, const CommandBody& body) {
    try {
        CliData data = loadData(options);
        // The process-wide random source, from --seed or else the clock; the seed used is
        // printed so any run can be repeated.
        RandomSource& random = processRandom();
        if (options.seed)
            random.setSeed(*options.seed);
        else
            random.Randomize();
        std::cerr << "seed " << random.seed() << '\n';
        options.exitCode = body(data, random);
    } catch (const DataError& e) {
        std::cerr << describeDataError(e) << '\n';
        options.exitCode = ExitDataFolder;
    }
}

} // namespace tavu::cli
