// A file system that does not answer, for the tests: the FUSE file system of
// stuck_fuse.py mounted in a mount namespace of the calling process (which
// should be a child of the test: see in_child.h).
#pragma once

#include <sched.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace brisko::test {

// Mounts the stuck FUSE file system at `point`, in a mount namespace of this
// process; its process, or -1 with the reason.
inline pid_t mountStuck(const std::string& point, const std::string& release, std::string& reason) {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        reason = "cannot make a mount namespace (needs root)";
        return -1;
    }
    std::string python = "/usr/bin/python3";
    std::string script = BRISKO_SOURCE_DIR "/tests/support/stuck_fuse.py";
    std::string at = point, file = release;
    char* argv[] = {python.data(), script.data(), at.data(), file.data(), nullptr};
    pid_t pid = -1;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) {
        reason = "no " + python;
        return -1;
    }
    for (int i = 0; i < 200; ++i) {
        std::ifstream mounts("/proc/self/mounts");
        for (std::string line; std::getline(mounts, line);)
            if (line.find(" " + point + " ") != std::string::npos) return pid;
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    reason = "the FUSE mount was refused (needs fuse3, python3-fusepy and root)";
    return -1;
}

}  // namespace brisko::test
