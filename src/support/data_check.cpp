#include "data_check.h"

#include "card_list_check.h"
#include "card_list_order.h"
#include "source_records.h"
#include "store/cipher.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "table_line_checks.h"

#include <optional>

namespace tavu {

namespace fs = std::filesystem;

namespace {

// A draw that wants three opponents of one element loops until it finds them.
constexpr int OpponentsPerElement = 3;
constexpr const char* MissingFile = "ファイルがありません";

template <class Record>
struct TableResult {
    bool present = false;
    std::vector<Record> records;
    std::int32_t lines = 0;
};

// Lines end at LF; a CR before it belongs to the line end. A last line without a line end
// still counts.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        std::string_view line = bytes.substr(start, next - start);
        if (!line.empty() && line.back() == '\n')
            line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

class Checker {
public:
    explicit Checker(const DataFiles& files)
        : files_(files) {}

    std::vector<DataProblem> run();

private:
    const std::string* bytes(const std::string& name) const {
        auto it = files_.find(name);
        return it == files_.end() ? nullptr : &it->second;
    }
    void problem(const std::string& file, int line, std::string message) {
        problems_.push_back({file, line, std::move(message)});
    }

    template <class Record, class CheckLine>
    TableResult<Record> table(const std::string& name, CheckLine checkLine);
    void textFile(const std::string& name);
    std::optional<SettingsArray> settings();
    void counts(const SettingsArray& s);
    void countEntry(const SettingsArray& s, int index, std::int32_t actual, const std::string& what);
    template <class Record>
    void lineCount(const SettingsArray& s, int index, const TableResult<Record>& table,
                   const std::string& name);
    void cardList();
    void opponentElements();

    const DataFiles& files_;
    std::vector<DataProblem> problems_;
    std::array<TableResult<CreatureRecord>, ElementCount> creatures_;
    TableResult<ItemRecord> items_;
    TableResult<SpellRecord> spells_;
    TableResult<CardListRecord> cardList_;
    TableResult<MapRecord> maps_;
    TableResult<OpponentRecord> opponents_;
};

template <class Record, class CheckLine>
TableResult<Record> Checker::table(const std::string& name, CheckLine checkLine) {
    TableResult<Record> result;
    const std::string* file = bytes(name);
    if (!file)
        return result;
    result.present = true;
    auto lines = splitLines(*file);
    result.lines = static_cast<std::int32_t>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int lineNo = static_cast<int>(i + 1);
        auto checked = checkLine(lines[i]);
        auto& faults = checked.faults;
        if (lines[i].empty())
            faults = {"空の行があります"};
        else if (lines[i].find('\r') != std::string_view::npos)
            faults.insert(faults.begin(), "行の途中に CR があります");
        for (auto& fault : faults)
            problem(name, lineNo, std::move(fault));
        // Kept even when faulty: the name, read first, still tells which card the line is.
        result.records.push_back(std::move(checked.record));
    }
    return result;
}

void Checker::textFile(const std::string& name) {
    const std::string* file = bytes(name);
    if (!file)
        return;
    auto lines = splitLines(*file);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (sjis::toUtf8(lines[i]).find("\xEF\xBF\xBD") != std::string::npos)
            problem(name, static_cast<int>(i + 1), "Shift-JIS として読めない文字があります");
}

std::optional<SettingsArray> Checker::settings() {
    const std::string* file = bytes(SettingsFileName);
    if (!file)
        return std::nullopt;
    std::string plain = *file;
    if (auto unlocked = unlockBytes(plain, SettingsKey))
        plain = std::move(unlocked->plain);
    SettingsArray s{};
    try {
        parseSettings(plain, SettingsFileName, s);
    } catch (const DataError& e) {
        problem(SettingsFileName, e.line(), e.reason());
        return std::nullopt;
    }
    return s;
}

void Checker::countEntry(const SettingsArray& s, int index, std::int32_t actual, const std::string& what) {
    std::int32_t declared = s[static_cast<std::size_t>(index)];
    if (declared != actual)
        problem(SettingsFileName, index + 1,
                "エントリ " + std::to_string(index) + " (" + what + ") は " + std::to_string(declared) +
                    " ですが、実際は " + std::to_string(actual) + " です");
}

template <class Record>
void Checker::lineCount(const SettingsArray& s, int index, const TableResult<Record>& table,
                        const std::string& name) {
    if (table.present)
        countEntry(s, index, table.lines, name + " の行数");
}

void Checker::counts(const SettingsArray& s) {
    for (int e = 0; e < ElementCount; ++e)
        lineCount(s, e == 0 ? entry::NoneCreatureCount : entry::ElementCreatureCount,
                  creatures_[static_cast<std::size_t>(e)], creatureFileName(e));
    lineCount(s, entry::ItemCount, items_, "RM_06.tri");
    lineCount(s, entry::SpellCount, spells_, "RM_07.tri");
    lineCount(s, entry::CardListCount, cardList_, "RM_08.tri");
    lineCount(s, entry::MapCount, maps_, "RM_Map.tri");
    lineCount(s, entry::OpponentCount, opponents_, "RM_VS.tri");
    if (!items_.present)
        return;
    for (int k = 0; k < ItemKindCount; ++k) {
        std::int32_t ofKind = 0;
        for (const auto& item : items_.records)
            ofKind += item.kind == k ? 1 : 0;
        countEntry(s, entry::ItemKindCountFirst + k, ofKind,
                   std::string("RM_06.tri の") + source::ItemKindNames[k] + "の数");
    }
}

void Checker::cardList() {
    CreatureLists creatures;
    for (int e = 0; e < ElementCount; ++e) {
        const auto& table = creatures_[static_cast<std::size_t>(e)];
        if (!table.present)
            return;
        creatures[static_cast<std::size_t>(e)] = table.records;
    }
    if (!items_.present || !spells_.present || !cardList_.present)
        return;
    auto expected = completeCardOrder(creatures, items_.records, spells_.records);
    for (auto& mismatch : compareCardList(expected, cardList_.records))
        problem("RM_08.tri", mismatch.line, std::move(mismatch.message));
}

void Checker::opponentElements() {
    if (!opponents_.present)
        return;
    for (int e = 0; e < ElementCount; ++e) {
        int users = 0;
        for (const auto& opponent : opponents_.records)
            users += opponent.usesElement[static_cast<std::size_t>(e)] == 1 ? 1 : 0;
        if (users < OpponentsPerElement)
            problem("RM_VS.tri", 0,
                    std::string("「") + source::ElementNames[e] + "」を使う対戦相手が " +
                        std::to_string(users) + " 人しかいません (3 人の抽出が終わらなくなります)");
    }
}

std::vector<DataProblem> Checker::run() {
    for (const auto& name : requiredSystemFiles())
        if (!bytes(name))
            problem(name, 0, MissingFile);
    auto s = settings();
    for (int e = 0; e < ElementCount; ++e)
        creatures_[static_cast<std::size_t>(e)] = table<CreatureRecord>(
            creatureFileName(e), [e](std::string_view line) { return checkCreatureLine(line, e); });
    items_ = table<ItemRecord>("RM_06.tri", checkItemLine);
    spells_ = table<SpellRecord>("RM_07.tri", checkSpellLine);
    cardList_ = table<CardListRecord>("RM_08.tri", checkCardListLine);
    maps_ = table<MapRecord>("RM_Map.tri", checkMapLine);
    opponents_ = table<OpponentRecord>("RM_VS.tri", checkOpponentLine);
    textFile(CommentFileName);
    for (int page = 1; page <= 8; ++page)
        textFile(explanationFileName(page));
    if (s)
        counts(*s);
    cardList();
    opponentElements();
    return std::move(problems_);
}

} // namespace

std::vector<DataProblem> checkDataFiles(const DataFiles& files) {
    return Checker(files).run();
}

std::vector<DataProblem> checkDataFolder(const fs::path& systemDir) {
    std::error_code ec;
    if (!fs::is_directory(systemDir, ec))
        return {{systemDir.string(), 0, "フォルダがありません"}};
    DataFiles files;
    std::vector<DataProblem> unreadable;
    for (const auto& name : requiredSystemFiles()) {
        if (!fs::exists(systemDir / name, ec))
            continue;
        try {
            files[name] = readWholeFile(systemDir / name);
        } catch (const DataError&) {
            unreadable.push_back({name, 0, "ファイルを読めません"});
        }
    }
    auto problems = checkDataFiles(files);
    for (auto& p : problems)
        for (const auto& u : unreadable)
            if (p.file == u.file && p.message == MissingFile)
                p.message = u.message;
    return problems;
}

std::string describe(const DataProblem& problem) {
    std::string where = problem.file;
    if (problem.line > 0)
        where += ":" + std::to_string(problem.line);
    return where + ": " + problem.message;
}

} // namespace tavu
