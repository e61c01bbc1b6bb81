// Running part of a test in a forked child (its own mounts, descriptor limits or
// user), which reports back the lines it prints.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace brisko::test {

// Runs `body` in a forked child and returns the lines it printed; a child that
// prints "skip: REASON" first makes the test skip.
inline std::vector<std::string> inChild(const std::function<std::vector<std::string>()>& body) {
    int out[2];
    if (::pipe(out) != 0) return {"pipe failed"};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        std::string text;
        for (const std::string& line : body()) text += line + '\n';
        for (std::size_t done = 0; done < text.size();) {
            const ssize_t n = ::write(out[1], text.data() + done, text.size() - done);
            if (n <= 0) ::_exit(1);
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

#define SKIP_IF_CHILD_SKIPPED(lines) \
    if (!(lines).empty() && (lines)[0].rfind("skip: ", 0) == 0) GTEST_SKIP() << (lines)[0]

}  // namespace brisko::test
