// The history window over a long history: fills a history of 100,000 draws through the core,
// opens the window on it and scrolls to the last row in steps, each a jump to the bottom that
// fetches the next page of rows and paints it. Reports how long opening took, how long the
// steps kept the event loop from turning (wall and processor time: on a loaded machine the
// wall time also counts waiting for a core) and, for comparison, a search through every row.
// Target: opening and every step under 50 ms.
//   bench_history_window [rows]   (the file lies in the working folder, on its disk)
#include "app/dialogs.h"
#include "app/draw_history.h"
#include "app/history_model.h"
#include "app/history_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace tavu;

class SilentDialogs : public Dialogs {
public:
    void inform(const QString&, const QString&) override {}
    void warn(const QString&, const QString&) override {}
    bool question(const QString&, const QString&, Buttons) override { return false; }
    void error(const QString&) override {}
    QString saveFileName(const SaveDialogRequest&) override { return {}; }
    QString openFileName(const SaveDialogRequest&) override { return {}; }
    QString askText(const QString&, const QString&) override { return {}; }
};

// A 20-card list as the window records it, each draw's lines a little different.
history::DrawEntry listDraw(int number) {
    history::DrawEntry draw;
    draw.command = number % 3 == 0 ? "book" : "creature-multiple";
    draw.code =
        "tavu1.creature-multiple.e=all.r=NSR.n=20.v=100.s=" + std::to_string(number) + ".d=2f4cb07984ec0657";
    for (int i = 1; i <= 20; ++i)
        draw.lines.push_back("無　ファイアードレイク" + std::to_string((number + i) % 97) + "　火　レア");
    draw.programVersion = "1.00";
    draw.dataVersion = 100;
    return draw;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The wall and processor time of a step of the window's, until it has painted.
struct Cost {
    double wall = 0;
    double cpu = 0;
    void atLeast(const Cost& other) {
        wall = std::max(wall, other.wall);
        cpu = std::max(cpu, other.cpu);
    }
};

// Runs `step` and the events it sets off, the window's paint among them: what the event loop
// does before it can turn again.
Cost timed(const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    const double cpu = threadCpuMs();
    step();
    QApplication::processEvents();
    return {static_cast<double>(clock.nsecsElapsed()) / 1e6, threadCpuMs() - cpu};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const fs::path folder = fs::current_path() / ("bench-history-window-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path file = folder / "history.sqlite3";

    QElapsedTimer clock;
    clock.start();
    {
        history::History filling(file);
        for (int i = 0; i < rows; ++i)
            if (!filling.record(listDraw(i))) {
                std::fprintf(stderr, "not recorded: %s\n", filling.takeNotice().value_or("").c_str());
                return 1;
            }
    }
    std::printf("filled %d rows in %.1f s\n", rows, static_cast<double>(clock.elapsed()) / 1000.0);

    SilentDialogs dialogs;
    // The fonts are loaded once a process paints its first text; the program has by the time
    // the history is opened, so the bench has too.
    {
        DrawHistory none{history::History(folder / "empty.sqlite3")};
        HistoryWindow warm(
            none, dialogs, [](const QString&) {}, [] { return QString(); });
        warm.show();
        timed([] {});
    }
    DrawHistory history{history::History(file)};
    HistoryWindow* window = nullptr;
    QTableView* table = nullptr;
    const Cost opened = timed([&] {
        window = new HistoryWindow(
            history, dialogs, [](const QString&) {}, [] { return QString(); });
        window->show();
        table = window->table();
    });

    Cost longest;
    std::vector<double> walls;
    QScrollBar* bar = table->verticalScrollBar();
    while (window->model()->canFetchMore({}) || bar->value() < bar->maximum()) {
        const Cost step = timed([bar] { bar->setValue(bar->maximum()); });
        longest.atLeast(step);
        walls.push_back(step.wall);
    }
    const int steps = static_cast<int>(walls.size());
    std::sort(walls.begin(), walls.end());
    const auto percentile = [&walls](double p) {
        return walls[static_cast<std::size_t>(p * (walls.size() - 1))];
    };
    const int listed = window->model()->rowCount();
    const Cost back = timed([bar] { bar->setValue(bar->maximum() / 2); });
    const Cost chosen = timed([table, listed] { table->selectRow(listed / 2); });
    auto* text = window->findChild<QLineEdit*>(QStringLiteral("historyText"));
    const Cost search = timed([text, window] {
        text->setText(QStringLiteral("s=99999."));
        window->applyFilter();
    });
    std::printf("%d rows listed in %d steps to the end (wall / processor ms, target < 50 wall):\n"
                "  opened %.1f / %.1f\n  steps: median %.1f, 99th percentile %.1f wall\n"
                "  longest step %.1f / %.1f\n  back to the middle %.1f / %.1f\n"
                "  a row chosen %.1f / %.1f\n  a search through every row %.1f / %.1f\n",
                listed, steps, opened.wall, opened.cpu, percentile(0.5), percentile(0.99), longest.wall,
                longest.cpu, back.wall, back.cpu, chosen.wall, chosen.cpu, search.wall, search.cpu);
    delete window;
    fs::remove_all(folder);
    return listed == rows && longest.wall < 50 && opened.wall < 50 ? 0 : 1;
}
