#include "data_check.h"

#include "card_list_check.h"
#include "card_list_order.h"
#include "line_cursor.h"
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
    // False once the file had more problems than are told: its later records are not kept, so
    // checks across files that need every record leave it out.
    bool complete = true;
    std::vector<Record> records;
    std::int32_t lines = 0;
};

class Checker {
public:
    Checker(const DataFiles& files, const std::map<std::string, std::string>& unreadable)
        : files_(files)
        , unreadable_(unreadable) {}

    std::vector<DataProblem> run();

private:
    const std::string* bytes(const std::string& name) const {
        auto it = files_.find(name);
        if (it == files_.end() || it->second.size() > systemFileSizeLimit(name))
            return nullptr;
        return &it->second;
    }
    bool tooMany(const std::string& file) const {
        auto it = told_.find(file);
        return it != told_.end() && it->second >= MaxProblemsPerFile;
    }
    void problem(const std::string& file, int line, std::string message) {
        if (tooMany(file)) {
            ++omitted_[file];
            return;
        }
        ++told_[file];
        problems_.push_back({file, line, std::move(message), 0});
    }

    void unusableFiles();
    template <class Record, class OnRecord>
    TableResult<Record> table(const std::string& name, OnRecord onRecord, int element = 0);
    void textFile(const std::string& name);
    std::optional<SettingsArray> settings();
    void counts(const SettingsArray& s);
    void countEntry(const SettingsArray& s, int index, std::int32_t actual, const std::string& what);
    template <class Record>
    void lineCount(const SettingsArray& s, int index, const TableResult<Record>& table,
                   const std::string& name);
    void cardList();
    void opponentElements();
    void closeOmitted();

    const DataFiles& files_;
    const std::map<std::string, std::string>& unreadable_;
    std::vector<DataProblem> problems_;
    std::map<std::string, int> told_;
    std::map<std::string, int> omitted_;
    std::array<TableResult<CreatureRecord>, ElementCount> creatures_;
    TableResult<ItemRecord> items_;
    std::array<std::int32_t, ItemKindCount> itemsOfKind_{};
    TableResult<SpellRecord> spells_;
    TableResult<CardListRecord> cardList_;
    TableResult<MapRecord> maps_;
    TableResult<OpponentRecord> opponents_;
    std::array<int, ElementCount> opponentsOfElement_{};
};

void Checker::unusableFiles() {
    for (const auto& name : requiredSystemFiles()) {
        auto it = files_.find(name);
        if (auto why = unreadable_.find(name); why != unreadable_.end())
            problem(name, 0, why->second);
        else if (it == files_.end())
            problem(name, 0, MissingFile);
        else if (it->second.size() > systemFileSizeLimit(name))
            problem(name, 0,
                    "ファイルが大きすぎます (" + std::to_string(it->second.size()) + " バイト、上限 " +
                        std::to_string(systemFileSizeLimit(name)) + " バイト)");
    }
}

template <class Record, class OnRecord>
TableResult<Record> Checker::table(const std::string& name, OnRecord onRecord, int element) {
    TableResult<Record> result;
    const std::string* file = bytes(name);
    if (!file)
        return result;
    result.present = true;
    LineCursor lines(*file);
    std::string_view line;
    while (lines.next(line)) {
        int lineNo = ++result.lines;
        auto checked = checkTableLine<Record>(line, element);
        auto& faults = checked.faults;
        if (line.empty())
            faults = {"空の行があります"};
        else if (line.find('\r') != std::string_view::npos)
            faults.insert(faults.begin(), "行の途中に CR があります");
        for (auto& fault : faults)
            problem(name, lineNo, std::move(fault));
        onRecord(checked.record);
        // Kept even when faulty: the name, read first, still tells which card the line is.
        if (tooMany(name))
            result.complete = false;
        if (result.complete)
            result.records.push_back(std::move(checked.record));
    }
    if (!result.complete)
        result.records = {};
    return result;
}

void Checker::textFile(const std::string& name) {
    const std::string* file = bytes(name);
    if (!file)
        return;
    LineCursor lines(*file);
    std::string_view line;
    for (int lineNo = 1; lines.next(line); ++lineNo)
        if (sjis::toUtf8(line).find("\xEF\xBF\xBD") != std::string::npos)
            problem(name, lineNo, "Shift-JIS として読めない文字があります");
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
    for (int k = 0; k < ItemKindCount; ++k)
        countEntry(s, entry::ItemKindCountFirst + k, itemsOfKind_[static_cast<std::size_t>(k)],
                   std::string("RM_06.tri の") + ItemKindNames[k] + "の数");
}

void Checker::cardList() {
    CreatureLists creatures;
    for (int e = 0; e < ElementCount; ++e) {
        const auto& table = creatures_[static_cast<std::size_t>(e)];
        if (!table.present || !table.complete)
            return;
        creatures[static_cast<std::size_t>(e)] = table.records;
    }
    for (bool usable : {items_.present && items_.complete, spells_.present && spells_.complete,
                        cardList_.present && cardList_.complete})
        if (!usable)
            return;
    auto expected = completeCardOrder(creatures, items_.records, spells_.records);
    for (auto& mismatch : compareCardList(expected, cardList_.records))
        problem("RM_08.tri", mismatch.line, std::move(mismatch.message));
}

void Checker::opponentElements() {
    if (!opponents_.present)
        return;
    for (int e = 0; e < ElementCount; ++e) {
        int users = opponentsOfElement_[static_cast<std::size_t>(e)];
        if (users < OpponentsPerElement)
            problem("RM_VS.tri", 0,
                    std::string("「") + ElementNames[e] + "」を使う対戦相手が " + std::to_string(users) +
                        " 人しかいません (3 人の抽出が終わらなくなります)");
    }
}

void Checker::closeOmitted() {
    for (const auto& [file, count] : omitted_)
        problems_.push_back({file, 0,
                             "ほかに " + std::to_string(count) + " 件の問題があります (最初の " +
                                 std::to_string(MaxProblemsPerFile) + " 件のみ表示)",
                             count});
}

std::vector<DataProblem> Checker::run() {
    unusableFiles();
    auto s = settings();
    auto none = [](const auto&) {
    };
    for (int e = 0; e < ElementCount; ++e)
        creatures_[static_cast<std::size_t>(e)] = table<CreatureRecord>(creatureFileName(e), none, e);
    items_ = table<ItemRecord>("RM_06.tri", [this](const ItemRecord& item) {
        if (item.kind >= 0 && item.kind < ItemKindCount)
            ++itemsOfKind_[static_cast<std::size_t>(item.kind)];
    });
    spells_ = table<SpellRecord>("RM_07.tri", none);
    cardList_ = table<CardListRecord>("RM_08.tri", none);
    maps_ = table<MapRecord>("RM_Map.tri", none);
    opponents_ = table<OpponentRecord>("RM_VS.tri", [this](const OpponentRecord& o) {
        for (int e = 0; e < ElementCount; ++e)
            opponentsOfElement_[static_cast<std::size_t>(e)] +=
                o.usesElement[static_cast<std::size_t>(e)] == 1 ? 1 : 0;
    });
    textFile(CommentFileName);
    for (int page = 1; page <= 8; ++page)
        textFile(explanationFileName(page));
    if (s)
        counts(*s);
    cardList();
    opponentElements();
    closeOmitted();
    return std::move(problems_);
}

} // namespace

std::vector<DataProblem> checkDataFiles(const DataFiles& files,
                                        const std::map<std::string, std::string>& unreadable) {
    return Checker(files, unreadable).run();
}

} // namespace tavu
