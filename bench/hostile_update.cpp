// The command line against hostile data, as a user would meet it: peak memory of `verify` and
// of `update` over a table of line ends (16 MiB, what the download cap once let through, and
// 256 KiB, the table limit), then a real `tavu-cli update` killed with SIGKILL at random
// moments, each followed by the next start (`verify`, which clears what an update left) and a
// look at the folder: it must hold the whole old set or the whole new one, with nothing left
// beside it.
//   tavu_hostile_update [kills, default 220] [seed]
#include "dataset/site_publish.h"
#include "store/settings.h"
#include "store/settings_entries.h"
#include "store/system_files.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <httplib.h>
#include <iterator>
#include <map>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

struct Child {
    int status = 0;
    long peakKiB = 0;
    double seconds = 0;
};

pid_t spawn(const std::vector<std::string>& args) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

Child waitFor(pid_t pid, std::chrono::steady_clock::time_point started) {
    Child child;
    ::waitpid(pid, &child.status, 0);
    child.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return child;
}

Child run(const std::vector<std::string>& args) {
    auto started = std::chrono::steady_clock::now();
    return waitFor(spawn(args), started);
}

std::string readFile(const fs::path& file);

// The peak is taken by GNU time: a child counts the pages of the process it was forked from,
// and this one holds a server and large buffers; time is small.
Child measured(const std::vector<std::string>& args, const fs::path& report) {
    std::vector<std::string> timed = {"/usr/bin/time", "-f", "%M", "-o", report.string()};
    timed.insert(timed.end(), args.begin(), args.end());
    Child child = run(timed);
    std::string text = readFile(report);
    std::size_t last = text.find_last_not_of("\n");
    std::size_t start = text.find_last_of('\n', last);
    child.peakKiB = std::atol(text.c_str() + (start == std::string::npos ? 0 : start + 1));
    return child;
}

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Files by relative path with their bytes, links by their target.
Snapshot snapshot(const fs::path& dir) {
    Snapshot files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        std::string name = fs::relative(it->path(), dir).generic_string();
        if (it->is_symlink())
            files[name] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            files[name] = readFile(it->path());
    }
    return files;
}

// The bundled set with `version` in entry 58 and `tag` on the comment, so two sets differ.
void makeSet(const fs::path& dir, std::int32_t version, const std::string& tag) {
    fs::remove_all(dir);
    fs::create_directories(dir.parent_path());
    fs::copy(TAVU_SYSTEM_DIR, dir, fs::copy_options::recursive);
    writeFile(dir / "Comment.tri", readFile(dir / "Comment.tri") + tag + "\r\n");
    tavu::SettingsArray settings = tavu::readSettingsReadOnly(dir / tavu::SettingsFileName);
    settings[tavu::entry::DataVersion] = version;
    tavu::SaveSettings(dir / tavu::SettingsFileName, settings);
}

std::string megabytes(long kib) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(kib) / 1024.0);
    return text;
}

class Bench {
public:
    explicit Bench(fs::path work)
        : work_(std::move(work)) {
        makeSet(work_ / "source", 2, "new");
        makeSet(work_ / "old", 1, "old");
        fs::create_directories(system().parent_path());
        for (const char* site : {"normal", "huge", "limit"})
            tavu::publishSite(tavu::readSystemFolder(work_ / "source"), work_ / site);
        writeFile(tavu::siteFilesDir(work_ / "huge") / "RM_06.tri", std::string(16u << 20, '\n'));
        writeFile(tavu::siteFilesDir(work_ / "limit") / "RM_06.tri", std::string(256u << 10, '\n'));
        for (const char* site : {"normal", "huge", "limit"})
            server_.set_mount_point(std::string("/") + site, (work_ / site).string());
        port_ = server_.bind_to_any_port("127.0.0.1");
        listener_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ~Bench() {
        server_.stop();
        listener_.join();
    }

    std::vector<std::string> update(const std::string& site) const {
        return {TAVU_CLI,
                "--system",
                system().string(),
                "update",
                "--yes",
                "--no-wait",
                "--url",
                "http://127.0.0.1:" + std::to_string(port_) + "/" + site + "/tavuds/system_file/"};
    }
    std::vector<std::string> verify() const { return {TAVU_CLI, "--system", system().string(), "verify"}; }
    fs::path system() const { return work_ / "app" / "system"; }
    // The old set is made once and copied: a fresh save would carry a new time in its header.
    void resetToOld() const {
        fs::remove_all(system());
        fs::copy(work_ / "old", system(), fs::copy_options::recursive);
    }

    void memory() const;
    void kills(int count, std::uint32_t seed) const;

private:
    fs::path work_;
    httplib::Server server_;
    std::thread listener_;
    int port_ = 0;
};

void Bench::memory() const {
    resetToOld();
    std::printf("peak memory of tavu-cli (maximum resident set)\n");
    const fs::path report = work_ / "peak";
    std::printf("  verify, bundled folder:                 %s\n",
                megabytes(measured(verify(), report).peakKiB).c_str());
    for (std::size_t size : {16u << 20, 256u << 10}) {
        writeFile(system() / "RM_06.tri", std::string(size, '\n'));
        Child c = measured(verify(), report);
        std::printf("  verify, %-9s table of line ends:   %s (status %d)\n",
                    size > (1u << 20) ? "16 MiB" : "256 KiB", megabytes(c.peakKiB).c_str(),
                    WEXITSTATUS(c.status));
    }
    for (const char* site : {"huge", "limit"}) {
        resetToOld();
        Child c = measured(update(site), report);
        std::printf("  update, site with a %-7s table:      %s (status %d, %.2f s)\n",
                    std::string(site) == "huge" ? "16 MiB" : "256 KiB", megabytes(c.peakKiB).c_str(),
                    WEXITSTATUS(c.status), c.seconds);
    }
}

void Bench::kills(int count, std::uint32_t seed) const {
    resetToOld();
    const Snapshot oldSet = snapshot(system());
    Child whole = run(update("normal"));
    const Snapshot newSet = snapshot(system());
    if (WEXITSTATUS(whole.status) != 0 || newSet == oldSet) {
        std::printf("an uninterrupted update failed (status %d)\n", WEXITSTATUS(whole.status));
        return;
    }
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> moment(0.0, whole.seconds * 1.2);
    int asOld = 0, asNew = 0, mixed = 0, leftovers = 0, startFailed = 0;
    for (int i = 0; i < count; ++i) {
        resetToOld();
        auto started = std::chrono::steady_clock::now();
        pid_t pid = spawn(update("normal"));
        std::this_thread::sleep_for(std::chrono::duration<double>(moment(random)));
        ::kill(pid, SIGKILL);
        waitFor(pid, started);
        startFailed += WEXITSTATUS(run(verify()).status) != 0 ? 1 : 0; // the next start
        Snapshot now = snapshot(system());
        asOld += now == oldSet ? 1 : 0;
        asNew += now == newSet ? 1 : 0;
        mixed += now != oldSet && now != newSet ? 1 : 0;
        for (const auto& entry : fs::directory_iterator(system().parent_path()))
            leftovers += entry.path() != system() ? 1 : 0;
    }
    std::printf("SIGKILL of a real update at random moments (seed %u, 0 to %.0f ms)\n", seed,
                whole.seconds * 1200);
    std::printf("  kills %d: old set %d, new set %d, mixed %d, left beside the folder %d, failed starts %d\n",
                count, asOld, asNew, mixed, leftovers, startFailed);
}

} // namespace

int main(int argc, char** argv) {
    int kills = argc > 1 ? std::atoi(argv[1]) : 220;
    std::uint32_t seed = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10))
                                  : static_cast<std::uint32_t>(std::random_device{}());
    std::string pattern = (fs::temp_directory_path() / "tavu-hostile-XXXXXX").string();
    fs::path work = ::mkdtemp(pattern.data());
    {
        Bench bench(work);
        bench.memory();
        bench.kills(kills, seed);
    }
    fs::remove_all(work);
    return 0;
}
