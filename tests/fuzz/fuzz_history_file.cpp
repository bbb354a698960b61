#include "history/history.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path workFolder() {
    fs::path dir = fs::temp_directory_path() / ("tavu-fuzz-history-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

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
    static const fs::path dir = workFolder();
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::path file = dir / "history.sqlite3";
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
