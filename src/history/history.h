#pragma once

#include "draw_entry.h"
#include "set_aside.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace tavu::history {

// The history of draws in one SQLite file, shared by the window and tavu-cli.
//
// A draw never waits on the history for long or fails because of it: a file that is damaged,
// locked past the busy timeout, unreadable or a folder is moved aside under a dated name and
// a new history starts; the player is told once through takeNotice(). Sound files this
// program must not change (a newer program's, another program's database) are left as they
// are and the history is off. No call throws for a reason of storage; an answer of nullopt
// means the history could not be used, and takeNotice() says why.
//
// Several connections, in this process or others, may use one file at once. One History is
// used by one thread at a time.
class History {
public:
    struct Options {
        // How long a write waits for another program's write before the file counts as locked.
        std::chrono::milliseconds busyTimeout{2000};
        // The SQLite VFS to open files through; nullptr for the system's own.
        const char* vfs = nullptr;
    };

    // Nothing is opened until the first call; folders are created then.
    explicit History(std::filesystem::path file);
    History(std::filesystem::path file, Options options);
    ~History();
    History(History&&) noexcept;
    History& operator=(History&&) noexcept;

    const std::filesystem::path& file() const { return file_; }

    // Records one draw in one transaction and returns its id. An empty `draw.time` is
    // stamped with the present moment.
    std::optional<std::int64_t> record(const DrawEntry& draw);

    std::optional<std::vector<HistoryRow>> list(const HistoryPage& page);
    std::optional<std::int64_t> count(const HistoryFilter& filter);
    // The rows of `ids` that exist, with their lines, in the order asked.
    std::optional<std::vector<HistoryRow>> fetch(std::span<const std::int64_t> ids);
    // Deletes the rows of `ids`; returns how many there were.
    std::optional<std::int64_t> remove(std::span<const std::int64_t> ids);
    bool clear();

    // What the player should be told since the last call (lines joined by a line feed), or
    // nothing. A notice is given once: a history that stays unusable is not told again.
    std::optional<std::string> takeNotice();

private:
    template <typename Operation>
    auto attempt(Operation operation) -> std::optional<decltype(operation(std::declval<Database&>()))>;
    Database* ready();
    bool openOnce();
    bool setAside(Trouble trouble, const FileIdentity& found, const std::string& why);
    void tell(std::string text);

    std::filesystem::path file_;
    Options options_;
    std::unique_ptr<Database> db_;
    FileIdentity opened_;
    std::vector<std::string> pending_;
    std::set<std::string> told_;
};

} // namespace tavu::history
