// The start-up search of drive C: against GNU find on the same generated tree, in
// the same run, with the cache warm or (--cold) cold:
//
//   discovery_bench [--root=PATH] [--entries=N] [--reps=N] [--threads=1,2] [--cold]
//                   [benchmark flags]
//
// The tree is made by the shared mktree tool (deterministic for the same entry
// count) and kept beside a stamp file, so later runs reuse it. Every walk runs
// once untimed first, to warm the cache. With --cold, the page cache is written
// back and dropped before every repetition instead (as the first start after a
// boot finds it); that needs root, and the run is skipped where the system does
// not allow it. Each walk runs with each thread count of --threads (default: one,
// then two). The ratios printed at the end are median walk time / median find
// time: below 1 the walk is faster.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "discovery/folder_search.h"
#include "launch/game_search.h"

extern char** environ;

namespace {

struct Options {
    std::string root = (std::filesystem::temp_directory_path() / "brisko-bench-tree").string();
    long entries = 1'000'000;
    int reps = 5;
    std::vector<unsigned> threads{1, 2};
    bool cold = false;
};

Options parseOptions(int& argc, char** argv) {
    Options options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--root=", 0) == 0)
            options.root = arg.substr(7);
        else if (arg.rfind("--entries=", 0) == 0)
            options.entries = std::stol(arg.substr(10));
        else if (arg.rfind("--reps=", 0) == 0)
            options.reps = std::stoi(arg.substr(7));
        else if (arg == "--cold")
            options.cold = true;
        else if (arg.rfind("--threads=", 0) == 0) {
            options.threads.clear();
            std::istringstream list(arg.substr(10));
            for (std::string count; std::getline(list, count, ',');)
                options.threads.push_back(static_cast<unsigned>(std::stoul(count)));
        } else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return options;
}

// Runs a program; returns its exit status and the number of lines it printed.
std::pair<int, long> runCounting(std::vector<std::string> args) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {-1, 0};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    long lines = 0;
    char buffer[65536];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        for (ssize_t i = 0; i < n; ++i) lines += buffer[i] == '\n';
    ::close(pipeFds[0]);
    if (spawned != 0) return {-1, 0};
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, lines};
}

// Makes the tree unless the one there was made for the same entry count.
bool prepareTree(const Options& options) {
    const std::string stamp = options.root + ".entries";
    std::ifstream in(stamp);
    long made = 0;
    if (in >> made && made == options.entries && std::filesystem::is_directory(options.root)) {
        std::cout << "Reusing the tree " << options.root << " (" << made << " entries)\n";
        return true;
    }
    std::cout << "Making a tree of " << options.entries << " entries at " << options.root
              << " ...\n";
    const std::string command = std::string("python3 '") + BRISKO_MKTREE + "' '" + options.root +
                                "' --force --entries " + std::to_string(options.entries) +
                                " | grep -E '^(STATS|EXE)'";
    if (std::system(command.c_str()) != 0) return false;
    std::ofstream(stamp) << options.entries << "\n";
    return true;
}

// Writes every dirty page back and drops the clean ones from the page cache, with
// the folders' entries and inodes; false where the system does not let us.
bool dropPageCache() {
    ::sync();
    std::ofstream control("/proc/sys/vm/drop_caches");
    return static_cast<bool>(control << "3\n" << std::flush);
}

long findCount(const std::string& root) {
    return runCounting({"find", root, "-iname", "q3config.cfg"}).second;
}

std::size_t walkOne(const std::string& root, unsigned threads) {
    std::vector<std::string> found;
    brisko::FolderSearch search(
        {brisko::SearchRoot::walk(root, {{{"q3config.cfg"}, brisko::Check::Listed, &found}})},
        {.threads = threads});
    search.finish();
    return found.size();
}

// The tree as drive C:, the only drive.
class TreeDrive : public brisko::Drives {
  public:
    explicit TreeDrive(std::string root) : root_(std::move(root) + "/") {}
    std::uint32_t logicalDriveMask() const override { return 1u << ('C' - 'A'); }
    std::string root(char letter) const override { return letter == 'C' ? root_ : ""; }

  private:
    std::string root_;
};

// The program's start-up search: config files and games, in one walk.
std::size_t walkStartup(const std::string& root, unsigned threads) {
    const brisko::StartupFiles found =
        brisko::FindStartupFiles(TreeDrive(root), {.threads = threads});
    const brisko::GamesFound& games = found.gamesOnDriveC;
    return found.configFiles.size() + games.windowsGames.size() + games.nativeEngines.size();
}

// Keeps the median real time of every benchmark while printing as usual.
class MedianReporter : public benchmark::ConsoleReporter {
  public:
    MedianReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
    std::map<std::string, double> medians;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const Options options = parseOptions(argc, argv);
    // Repetitions of the three runs are interleaved, so that a change of load on the
    // machine hits them alike; a flag given on the command line still wins.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    argc = static_cast<int>(args.size());
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (!prepareTree(options)) {
        std::cerr << "mktree failed\n";
        return 1;
    }
    const std::string root = options.root;
    if (options.cold && !dropPageCache()) {
        std::cout << "--cold: the page cache cannot be dropped here (it needs root and a "
                     "writable /proc/sys/vm/drop_caches); skipped\n";
        return 0;
    }

    // Warm the cache, and show what each one finds.
    if (options.cold) {
        std::cout << "Cold: the page cache is dropped before every repetition\n";
    } else {
        std::cout << "find -iname q3config.cfg: " << findCount(root) << " paths\n";
        for (unsigned threads : options.threads)
            std::cout << "walk for q3config.cfg, " << threads
                      << " thread(s): " << walkOne(root, threads) << " paths\n"
                      << "start-up walk (config files and games), " << threads
                      << " thread(s): " << walkStartup(root, threads) << " paths\n";
    }

    // Each repetition runs `work` once, after dropping the cache in --cold mode.
    const auto add = [&options](const char* name, auto work) {
        const bool cold = options.cold;
        benchmark::RegisterBenchmark(name,
                                     [cold, work](benchmark::State& state) {
                                         for (auto _ : state) {
                                             if (cold) {
                                                 state.PauseTiming();
                                                 dropPageCache();
                                                 state.ResumeTiming();
                                             }
                                             benchmark::DoNotOptimize(work());
                                         }
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(options.reps)
            ->ReportAggregatesOnly(true);
    };
    add("find", [root] { return findCount(root); });
    std::vector<std::string> walks;
    for (unsigned threads : options.threads) {
        const std::string suffix = "_threads_" + std::to_string(threads);
        walks.push_back("walk" + suffix);
        add(walks.back().c_str(), [root, threads] { return walkOne(root, threads); });
        walks.push_back("startup_walk" + suffix);
        add(walks.back().c_str(), [root, threads] { return walkStartup(root, threads); });
    }

    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double find = reporter.medians["find"];
    if (find > 0) {
        std::cout << std::fixed << std::setprecision(2);
        for (const std::string& walk : walks)
            if (reporter.medians.count(walk))
                std::cout << "ratio " << walk << " / find: " << reporter.medians[walk] / find
                          << "\n";
    }
    return 0;
}
