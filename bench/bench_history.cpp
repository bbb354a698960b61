// Recording a draw in the history on disk: the window records into a history it keeps open,
// tavu-cli opens the file, records and closes. Target: under 1 ms a draw either way.
//   bench_history [--benchmark_...]   (the file lies in the working folder, on its disk)
#include "history/history.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using tavu::history::DrawEntry;
using tavu::history::History;

// A 50-card book as the window shows it.
DrawEntry bookDraw(int number) {
    DrawEntry draw;
    draw.command = "book";
    draw.code = "TAVU1-" + std::to_string(number) + "-7F3A9C21";
    for (int i = 1; i <= 50; ++i)
        draw.lines.push_back(std::to_string(i) + "枚目　ファイアードレイク（火）　レア");
    draw.programVersion = "1.0.0";
    draw.dataVersion = 20240101;
    return draw;
}

// A folder of its own in the working folder, removed at the end.
class BenchFolder {
public:
    BenchFolder()
        : path_(fs::current_path() / ("bench-history-" + std::to_string(::getpid()))) {
        fs::create_directories(path_);
    }
    ~BenchFolder() { fs::remove_all(path_); }
    fs::path file() const { return path_ / "history.sqlite3"; }

private:
    fs::path path_;
};

void fail(benchmark::State& state, History& history) {
    state.SkipWithError(history.takeNotice().value_or("not recorded").c_str());
}

void BM_RecordIntoOpenHistory(benchmark::State& state) {
    BenchFolder folder;
    History history(folder.file());
    DrawEntry draw = bookDraw(1);
    for (auto _ : state)
        if (!history.record(draw)) {
            fail(state, history);
            break;
        }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordIntoOpenHistory)->Unit(benchmark::kMicrosecond);

void BM_OpenRecordClose(benchmark::State& state) {
    BenchFolder folder;
    History(folder.file()).record(bookDraw(0)); // the file exists, as after the first draw
    DrawEntry draw = bookDraw(1);
    for (auto _ : state) {
        History history(folder.file());
        if (!history.record(draw)) {
            fail(state, history);
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OpenRecordClose)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
