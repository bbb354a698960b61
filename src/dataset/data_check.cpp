#include "data_check.h"

#include "card_list.h"
#include "each_line.h"
#include "store/cipher.h"
#include "store/data_error.h"
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

// A settings entry that counts something in the files, and how many there are.
struct Count {
    int entry;
    std::int32_t actual;
    std::string what;
};

class Checker {
public:
    Checker(const DataFiles& files, const std::map<std::string, std::string>& unreadable)
        : files_(files)
        , unreadable_(unreadable) {}

    std::vector<DataProblem> run() {
        unusableFiles();
        auto s = settings();
        CreatureLists creatures;
        bool creaturesWhole = true;
        for (int e = 0; e < ElementCount; ++e) {
            auto read = table<CreatureRecord>(
                creatureFileName(e), e == 0 ? entry::NoneCreatureCount : entry::ElementCreatureCount, e);
            creaturesWhole = creaturesWhole && read;
            creatures[static_cast<std::size_t>(e)] = std::move(read).value_or(std::vector<CreatureRecord>{});
        }
        auto items = table<ItemRecord>("RM_06.tri", entry::ItemCount);
        auto spells = table<SpellRecord>("RM_07.tri", entry::SpellCount);
        auto cardList = table<CardListRecord>("RM_08.tri", entry::CardListCount);
        table<MapRecord>("RM_Map.tri", entry::MapCount);
        table<OpponentRecord>("RM_VS.tri", entry::OpponentCount);
        for (int k = 0; bytes("RM_06.tri") && k < ItemKindCount; ++k)
            counts_.push_back({entry::ItemKindCountFirst + k, itemsOfKind_[static_cast<std::size_t>(k)],
                               std::string("RM_06.tri の") + ItemKindNames[k] + "の数"});
        textFile(CommentFileName);
        for (int page = 1; page <= 8; ++page)
            textFile(explanationFileName(page));
        if (s)
            counts(*s);
        if (creaturesWhole && items && spells && cardList)
            for (auto& mismatch : compareCardList(completeCardOrder(creatures, *items, *spells), *cardList))
                problem("RM_08.tri", mismatch.line, std::move(mismatch.message));
        opponentElements();
        closeOmitted();
        return std::move(problems_);
    }

private:
    const std::string* bytes(const std::string& name) const {
        auto it = files_.find(name);
        if (it == files_.end() || it->second.size() > systemFileSizeLimit(name))
            return nullptr;
        return &it->second;
    }
    void problem(const std::string& file, int line, std::string message) {
        if (++found_[file] <= MaxProblemsPerFile)
            problems_.push_back({file, line, std::move(message), 0});
    }

    void unusableFiles() {
        for (const auto& name : requiredSystemFiles()) {
            auto it = files_.find(name);
            if (auto why = unreadable_.find(name); why != unreadable_.end())
                problem(name, 0, why->second);
            else if (it == files_.end())
                problem(name, 0, "ファイルがありません");
            else if (it->second.size() > systemFileSizeLimit(name))
                problem(name, 0,
                        "ファイルが大きすぎます (" + std::to_string(it->second.size()) + " バイト、上限 " +
                            std::to_string(systemFileSizeLimit(name)) + " バイト)");
        }
    }

    std::optional<SettingsArray> settings() {
        const std::string* file = bytes(SettingsFileName);
        if (!file)
            return std::nullopt;
        auto unlocked = unlockBytes(*file, SettingsKey);
        SettingsArray s{};
        try {
            parseSettings(unlocked ? unlocked->plain : *file, SettingsFileName, s);
        } catch (const DataError& e) {
            problem(SettingsFileName, e.line(), e.reason());
            return std::nullopt;
        }
        return s;
    }

    // The records of a table, or nullopt when it is missing or had more problems than are told: its
    // later records are not kept then, so checks across files that need every record leave it out.
    template <class Record>
    std::optional<std::vector<Record>> table(const std::string& name, int countEntry, int element = 0) {
        const std::string* file = bytes(name);
        if (!file)
            return std::nullopt;
        std::vector<Record> records;
        bool complete = true;
        int lines = 0;
        forEachLine(*file, [&](std::string_view line, int lineNo) {
            lines = lineNo;
            Record record;
            auto faults = checkTableLine(line, record, element);
            if (line.empty())
                faults = {"空の行があります"};
            else if (line.find('\r') != std::string_view::npos)
                faults.insert(faults.begin(), "行の途中に CR があります");
            for (auto& fault : faults)
                problem(name, lineNo, std::move(fault));
            tally(record);
            // Kept even when faulty: the name, read first, still tells which card the line is.
            complete = complete && found_[name] < MaxProblemsPerFile;
            if (complete)
                records.push_back(std::move(record));
        });
        counts_.push_back({countEntry, lines, name + " の行数"});
        if (!complete)
            return std::nullopt;
        return records;
    }

    void tally(const ItemRecord& item) {
        if (item.kind >= 0 && item.kind < ItemKindCount)
            ++itemsOfKind_[static_cast<std::size_t>(item.kind)];
    }
    void tally(const OpponentRecord& opponent) {
        for (int e = 0; e < ElementCount; ++e)
            opponentsOfElement_[static_cast<std::size_t>(e)] +=
                opponent.usesElement[static_cast<std::size_t>(e)] == 1 ? 1 : 0;
    }
    void tally(const auto&) {}

    void textFile(const std::string& name) {
        if (const std::string* file = bytes(name))
            forEachLine(*file, [&](std::string_view line, int lineNo) {
                if (sjis::toUtf8(line).find("\xEF\xBF\xBD") != std::string::npos)
                    problem(name, lineNo, "Shift-JIS として読めない文字があります");
            });
    }

    void counts(const SettingsArray& s) {
        for (const auto& [index, actual, what] : counts_) {
            std::int32_t declared = s[static_cast<std::size_t>(index)];
            if (declared != actual)
                problem(SettingsFileName, index + 1,
                        "エントリ " + std::to_string(index) + " (" + what + ") は " +
                            std::to_string(declared) + " ですが、実際は " + std::to_string(actual) + " です");
        }
    }

    void opponentElements() {
        if (!bytes("RM_VS.tri"))
            return;
        for (int e = 0; e < ElementCount; ++e) {
            int users = opponentsOfElement_[static_cast<std::size_t>(e)];
            if (users < OpponentsPerElement)
                problem("RM_VS.tri", 0,
                        std::string("「") + ElementNames[e] + "」を使う対戦相手が " + std::to_string(users) +
                            " 人しかいません (3 人の抽出が終わらなくなります)");
        }
    }

    void closeOmitted() {
        for (const auto& [file, found] : found_)
            if (int count = found - MaxProblemsPerFile; count > 0)
                problems_.push_back({file, 0,
                                     "ほかに " + std::to_string(count) + " 件の問題があります (最初の " +
                                         std::to_string(MaxProblemsPerFile) + " 件のみ表示)",
                                     count});
    }

    const DataFiles& files_;
    const std::map<std::string, std::string>& unreadable_;
    std::vector<DataProblem> problems_;
    std::map<std::string, int> found_; // problems of each file, told or not
    std::vector<Count> counts_;
    std::array<std::int32_t, ItemKindCount> itemsOfKind_{};
    std::array<int, ElementCount> opponentsOfElement_{};
};

} // namespace

std::vector<DataProblem> checkDataFiles(const DataFiles& files,
                                        const std::map<std::string, std::string>& unreadable) {
    return Checker(files, unreadable).run();
}

std::vector<DataProblem> checkDataFolder(const fs::path& systemDir) {
    std::error_code ec;
    auto folder = fs::status(systemDir, ec);
    if (!fs::exists(folder))
        return {{systemDir.string(), 0, "フォルダがありません", 0}};
    if (!fs::is_directory(folder))
        return {{systemDir.string(), 0, "フォルダではありません", 0}};
    DataFiles files;
    std::map<std::string, std::string> unreadable;
    for (const auto& name : requiredSystemFiles()) {
        if (!fs::exists(systemDir / name, ec))
            continue;
        try {
            files[name] = readSystemFile(systemDir, name);
        } catch (const DataError& e) {
            unreadable[name] = e.reason();
        }
    }
    return checkDataFiles(files, unreadable);
}

std::string describe(const DataProblem& problem) {
    std::string where = problem.file;
    if (problem.line > 0)
        where += ":" + std::to_string(problem.line);
    return where + ": " + problem.message;
}

std::size_t countProblems(const std::vector<DataProblem>& problems) {
    std::size_t count = 0;
    for (const auto& problem : problems)
        count += problem.omitted > 0 ? static_cast<std::size_t>(problem.omitted) : 1;
    return count;
}

} // namespace tavu
