#include "cli_commands.h"
#include "cli_history.h"
#include "history/history_export.h"
#include "history/history_path.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <limits>
#include <memory>

// `history`: the recorded draws, newest first, as text for a person or as JSON or CSV for
// other programs; `history --clear --yes` empties it.
namespace tavu::cli {

namespace {

struct HistoryArgs {
    std::int64_t limit = 0; // 0: every row
    bool json = false;
    bool csv = false;
    bool clear = false;
    bool yes = false;
};

// Read a page at a time, so that a long history is never held whole.
constexpr std::int64_t PageRows = 500;

// A line with the time (UTC), the command and the code, then the result lines indented;
// the blank lines of a result stay blank, so no line ends in spaces.
std::string textRow(const history::HistoryRow& row) {
    std::string text = row.draw.time + "  " + row.draw.command + "  " + row.draw.code + "\n";
    if (!row.draw.resultFile.empty())
        text += "  結果ファイル: " + row.draw.resultFile + "\n";
    for (const auto& line : row.draw.lines)
        text += (line.empty() ? "" : "    " + line) + "\n";
    return text;
}

class RowPrinter {
public:
    explicit RowPrinter(OutputFormat format)
        : format_(format) {}
    void print(const history::HistoryRow& row) {
        if (format_ == OutputFormat::Json)
            std::cout << (rows_ == 0 ? "[\n  " : ",\n  ") << history::jsonRow(row);
        else if (format_ == OutputFormat::Csv)
            std::cout << (rows_ == 0 ? history::csvHeader() : "") << history::csvRow(row);
        else
            std::cout << textRow(row);
        ++rows_;
    }
    void finish() {
        if (format_ == OutputFormat::Json)
            std::cout << (rows_ == 0 ? "[]\n" : "\n]\n");
        else if (format_ == OutputFormat::Csv && rows_ == 0)
            std::cout << history::csvHeader();
        else if (rows_ == 0)
            std::cerr << "履歴に記録された抽出はありません\n";
        std::cout.flush();
    }

private:
    OutputFormat format_;
    std::int64_t rows_ = 0;
};

// A history that was never made is an empty one: looking at it does not create the file.
bool neverMade(const std::filesystem::path& file) {
    std::error_code error;
    return !file.empty() && !std::filesystem::exists(std::filesystem::symlink_status(file, error));
}

int listRows(const CliOptions& options, const HistoryArgs& args) {
    RowPrinter printer(options.format);
    if (neverMade(history::historyFile(options.historyFile))) {
        printer.finish();
        return ExitOk;
    }
    history::History history = openHistory(options);
    std::int64_t left = args.limit > 0 ? args.limit : std::numeric_limits<std::int64_t>::max();
    history::HistoryPage page;
    page.withLines = true;
    while (left > 0) {
        page.limit = std::min(left, PageRows);
        auto rows = history.list(page);
        printNotice(history);
        if (!rows)
            return ExitDataFolder;
        for (const auto& row : *rows)
            printer.print(row);
        if (static_cast<std::int64_t>(rows->size()) < page.limit)
            break;
        left -= page.limit;
        page.beforeId = rows->back().id;
    }
    printer.finish();
    return ExitOk;
}

int clearRows(const CliOptions& options, const HistoryArgs& args) {
    if (!args.yes) {
        std::cerr << "履歴のすべての抽出を消します。よろしければ --yes を付けてもう一度実行して下さい "
                     "(tavu-cli history --clear --yes)\n";
        return ExitUsage;
    }
    if (neverMade(history::historyFile(options.historyFile))) {
        std::cout << "履歴は空です\n";
        return ExitOk;
    }
    history::History history = openHistory(options);
    const bool cleared = history.clear();
    printNotice(history);
    if (!cleared)
        return ExitDataFolder;
    std::cout << "履歴を空にしました\n";
    return ExitOk;
}

} // namespace

void addHistoryCommand(CLI::App& app, CliOptions& options) {
    auto* command = app.add_subcommand("history", "--record で記録した抽出を新しい順に一覧にする。"
                                                  "--clear --yes で履歴を空にする");
    auto args = std::make_shared<HistoryArgs>();
    auto* limit = command->add_option("--limit", args->limit, "新しいものから N 件だけ (既定: すべて)")
                      ->check(CLI::PositiveNumber);
    auto* json = command->add_flag("--json", args->json, "JSON の配列で出力する (--format json と同じ)");
    auto* csv = command->add_flag("--csv", args->csv, "CSV で出力する (--format csv と同じ)")->excludes(json);
    command->add_flag("--clear", args->clear, "履歴のすべての抽出を消す (--yes が必要)")
        ->excludes(limit, json, csv);
    command->add_flag("--yes", args->yes, "--clear の確認に「はい」と答える");
    command->callback([&options, args] {
        if (args->yes && !args->clear)
            throw CLI::ValidationError("--yes", "--yes は --clear と一緒に指定して下さい");
        if (args->json)
            options.format = OutputFormat::Json;
        else if (args->csv)
            options.format = OutputFormat::Csv;
        options.exitCode = args->clear ? clearRows(options, *args) : listRows(options, *args);
    });
}

} // namespace tavu::cli
