#include "history/history.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder of this run's own, in memory where the system offers it (every run syncs the file,
// which a disk makes slow), removed when the run ends.
class WorkFolder {
public:
    WorkFolder() {
        std::error_code error;
        fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("tavu-fuzz-history-" + std::to_string(::getpid()));
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    // The folder, emptied.
    const fs::path& fresh() const {
        fs::remove_all(path_);
        fs::create_directories(path_);
        return path_;
    }

private:
    fs::path path_;
};

tavu::history::DrawEntry draw() {
    tavu::history::DrawEntry entry;
    entry.time = "2026-12-08T15:30:12Z";
    entry.command = "book";
    entry.code = "TAVU1-FUZZ";
    entry.lines = {"ファイアードレイク", ""};
    return entry;
}

} // namespace

// Any bytes at all where the history file lies: a draw is recorded and reads back whole, or
// the history says why not. Never a crash or a hang.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const WorkFolder folder;
    fs::path file = folder.fresh() / "history.sqlite3";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    tavu::history::History history(file, {std::chrono::milliseconds(0), nullptr});
    auto id = history.record(draw());
    if (id) {
        std::int64_t ids[] = {*id};
        auto rows = history.fetch(ids);
        if (!rows || rows->size() != 1 || rows->front().draw != draw())
            std::abort();
    } else if (!history.takeNotice()) {
        std::abort();
    }
    (void)history.list({});
    (void)history.count({"book", "ドレイク"});
    return 0;
}
