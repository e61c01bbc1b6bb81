#include "engine_cvars.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace brisko::test {

namespace {

const std::string kTool = std::string(BRISKO_SHARED_DIR) + "/tools/engine-cvars";

// Runs a program, its standard output collected; -1 when it could not be run.
// `env` ("NAME=value") is added to the program's environment.
int run(const std::vector<std::string>& args, std::string& out, const std::string& env = {}) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, STDIN_FILENO);
        ::dup2(devnull, STDERR_FILENO);  // the package manager talks there
        ::close(pipeFds[0]);
        if (!env.empty()) ::putenv(const_cast<char*>(env.c_str()));
        std::vector<char*> argv;
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

bool clientInstalled() {
    std::string ignored;
    return run({"/usr/bin/dpkg", "-s", "ioquake3"}, ignored) == 0;
}

EngineReport parse(const std::string& out, const std::vector<std::string>& cvars) {
    EngineReport report;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("engine: ")) {
            report.messages.push_back(line.substr(8));
        } else if (line.starts_with("bind ")) {
            report.binds.push_back(line);
        } else if (line.ends_with(" (unset)")) {
            report.unset.push_back(line.substr(0, line.size() - 8));
        } else {
            // NAME=VALUE; the names are the ones asked for, in the order asked.
            for (const std::string& cvar : cvars)
                if (line.starts_with(cvar + "=") && !report.values.contains(cvar)) {
                    report.values[cvar] = line.substr(cvar.size() + 1);
                    break;
                }
        }
    }
    return report;
}

}  // namespace

EngineRun runEngine(const std::string& config, const std::vector<std::string>& cvars) {
    EngineRun result;
    if (!std::filesystem::exists(kTool)) {
        result.why = "the engine tool " + kTool + " is not there";
        return result;
    }
    // One engine (and one package installation) at a time across test processes.
    const int lock = ::open("/tmp/brisko-engine-cvars.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lock >= 0) ::flock(lock, LOCK_EX);
    std::vector<std::string> args = {"/bin/bash", kTool, "--client", config};
    args.insert(args.end(), cvars.begin(), cvars.end());
    std::string out;
    const std::string console = (std::filesystem::temp_directory_path() /
                                 ("brisko-engine-" + std::to_string(::getpid()) + ".log"))
                                    .string();
    const int code = run(args, out, "ENGINE_CVARS_LOG=" + console);
    if (lock >= 0) ::close(lock);

    if (code == 0) {
        result.report = parse(out, cvars);
        std::ifstream log(console, std::ios::binary);
        result.report->console.assign(std::istreambuf_iterator<char>(log), {});
    } else if (code == 3) {
        result.why = "the engine may not run without network here ('unshare -rn' not permitted)";
    } else if (!clientInstalled()) {
        result.why = "the game engine (package ioquake3) cannot be installed here";
    } else {
        result.failed = true;
        result.why = "engine-cvars exited with " + std::to_string(code) + ": " + out;
    }
    std::filesystem::remove(console);
    return result;
}

}  // namespace brisko::test
