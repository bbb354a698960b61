// Start-up load of the bundled `system` folder: the settings, every table and the derived
// counts. Target: below 2 ms in a Release build. The memory cases show that what a load holds
// follows the lines in the files, not the table sizes the settings declare.
#include "allocation_counter.h"
#include "store/derived_counts.h"
#include "store/file_io.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/tables.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

namespace fs = std::filesystem;
using namespace tavu;

// A copy of the bundled folder, since LoadSettings unlocks system.tri in place.
class FolderCopy {
public:
    FolderCopy() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("tavu-bench-" + std::to_string(rd()));
        fs::create_directories(path_);
        fs::copy(TAVU_SYSTEM_DIR, path_ / "system", fs::copy_options::recursive);
    }
    ~FolderCopy() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    FolderCopy(const FolderCopy&) = delete;
    FolderCopy& operator=(const FolderCopy&) = delete;
    fs::path system() const { return path_ / "system"; }

private:
    fs::path path_;
};

struct Loaded {
    SettingsArray settings{};
    Tables tables;
    CreatureRarityCount creatureCounts{};
    ItemRarityCount itemCounts{};
    std::int32_t bookSpells = 0;
    std::int32_t bookCards = 0;
};

void loadTablesAndCounts(const fs::path& system, Loaded& out) {
    loadAllTables(system, TableSizes::fromSettings(out.settings), out.tables);
    out.creatureCounts = CountCreatureRarities(out.tables);
    out.itemCounts = CountItemRarities(out.tables);
    bool excludeE = out.settings[entry::BookCheckFirst] == 1;
    out.bookSpells = CountBookSpells(out.tables, excludeE);
    out.bookCards = CountBookCards(out.tables, excludeE);
}

// As start-up does it: unlock system.tri in place and read it, then the tables. The locked
// file is put back between iterations, outside the timing.
void BM_StartUpLoad(benchmark::State& state) {
    FolderCopy copy;
    fs::path settingsFile = copy.system() / "system.tri";
    std::string locked = readWholeFile(settingsFile);
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(settingsFile, locked);
        state.ResumeTiming();
        Loaded loaded;
        LoadSettings(settingsFile, loaded.settings);
        loadTablesAndCounts(copy.system(), loaded);
        benchmark::DoNotOptimize(loaded.bookCards);
    }
}
BENCHMARK(BM_StartUpLoad)->Unit(benchmark::kMicrosecond);

// Only the settings step of start-up: the in-place unlock writes a working file, flushes it
// and renames it over system.tri, so this is where the disk's sync time shows.
void BM_LoadSettingsInPlace(benchmark::State& state) {
    FolderCopy copy;
    fs::path settingsFile = copy.system() / "system.tri";
    std::string locked = readWholeFile(settingsFile);
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(settingsFile, locked);
        state.ResumeTiming();
        SettingsArray settings{};
        LoadSettings(settingsFile, settings);
        benchmark::DoNotOptimize(settings);
    }
}
BENCHMARK(BM_LoadSettingsInPlace)->Unit(benchmark::kMicrosecond);

// The command line's read-only load: deciphered in memory, the file left as it is.
void BM_ReadOnlyLoad(benchmark::State& state) {
    for (auto _ : state) {
        Loaded loaded;
        loaded.settings = readSettingsReadOnly(fs::path(TAVU_SYSTEM_DIR) / "system.tri");
        loadTablesAndCounts(TAVU_SYSTEM_DIR, loaded);
        benchmark::DoNotOptimize(loaded.bookCards);
    }
}
BENCHMARK(BM_ReadOnlyLoad)->Unit(benchmark::kMicrosecond);

// Peak heap bytes of one load. range(0): the size every table declares (0 = the true counts);
// range(1): how many times the none-element creature file is repeated.
void BM_LoadMemory(benchmark::State& state) {
    FolderCopy copy;
    fs::path system = copy.system();
    SettingsArray settings = readSettingsReadOnly(system / "system.tri");
    if (state.range(0) != 0)
        for (int i = entry::NoneCreatureCount; i < entry::ItemKindCountFirst + ItemKindCount; ++i)
            settings[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(state.range(0));
    std::string creatures = readWholeFile(system / "RM_01.tri");
    std::string repeated;
    for (std::int64_t i = 0; i < state.range(1); ++i)
        repeated += creatures;
    writeFileAtomically(system / "RM_01.tri", repeated);

    std::size_t peak = 0;
    for (auto _ : state) {
        bench::resetPeak();
        Loaded loaded;
        loaded.settings = settings;
        loadTablesAndCounts(system, loaded);
        peak = bench::peakSinceReset();
        benchmark::DoNotOptimize(loaded.bookCards);
    }
    state.counters["peak_bytes"] = static_cast<double>(peak);
    state.counters["RM_01_lines"] = static_cast<double>(20 * state.range(1));
}
BENCHMARK(BM_LoadMemory)
    ->ArgNames({"declared", "RM_01_copies"})
    ->Args({0, 1})
    ->Args({2000000000, 1})
    ->Args({-5, 1})
    ->Args({2000000000, 10})
    ->Args({2000000000, 100})
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
