// The window's side of a draw: OK pressed on the multiple-draw pages until the result list
// holds the 50 lines. Target: under 16 ms (one frame). Runs offscreen over a copy of the
// bundled data folder.
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/platform_url_opener.h"
#include "app/result_box.h"
#include "app/spin_edit.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace tavu;

class SilentDialogs : public Dialogs {
public:
    void inform(const QString&, const QString&) override {}
    void warn(const QString&, const QString&) override {}
    bool question(const QString&, const QString&, Buttons) override { return true; }
    void error(const QString&) override {}
    QString saveFileName(const SaveDialogRequest&) override { return {}; }
    QString openFileName(const SaveDialogRequest&) override { return {}; }
    QString askText(const QString&, const QString&) override { return {}; }
};

class NoUrls : public UrlOpener {
public:
    bool openUrl(const QString&) override { return true; }
};

struct Window {
    QTemporaryDir root;
    SilentDialogs dialogs;
    NoUrls urls;
    std::unique_ptr<TMainForm> form;

    Window() {
        std::filesystem::path system = std::filesystem::path(root.path().toStdString()) / "system";
        std::filesystem::copy(TAVU_SYSTEM_DIR, system, std::filesystem::copy_options::recursive);
        form = std::make_unique<TMainForm>(readStartupFiles(system), dialogs, urls);
        form->show();
        form->completePages();
    }
};

void pressOk(benchmark::State& state, const char* okName, const char* spinName, const char* listName) {
    Window w;
    auto* ok = w.form->findChild<QPushButton*>(QString::fromLatin1(okName));
    auto* spin = w.form->findChild<SpinEdit*>(QString::fromLatin1(spinName));
    auto* list = w.form->findChild<ResultBox*>(QString::fromLatin1(listName));
    spin->setValue(spin->maximum());
    for (auto _ : state) {
        ok->click();
        // Paint the list now, so the time covers what the user waits for.
        list->viewport()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list->document()->blockCount());
    }
    state.counters["lines"] = list->document()->blockCount();
}

void BM_CreatureListOk(benchmark::State& state) {
    pressOk(state, "BRandom2", "CSE4B", "CRE");
}
BENCHMARK(BM_CreatureListOk)->Unit(benchmark::kMillisecond);

void BM_ItemListOk(benchmark::State& state) {
    pressOk(state, "BRandom4", "ISE4B", "ItemRE");
}
BENCHMARK(BM_ItemListOk)->Unit(benchmark::kMillisecond);

void BM_SpellListOk(benchmark::State& state) {
    pressOk(state, "BRandom6", "SSE1B", "SpellRE");
}
BENCHMARK(BM_SpellListOk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
