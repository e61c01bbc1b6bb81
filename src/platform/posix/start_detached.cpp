#include "platform/posix/start_detached.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/environment.h"

namespace brisko::posix {

namespace {

std::string nameOfVariable(const std::string& variable) {
    return variable.substr(0, variable.find('='));
}

// The variables Brisko was started with, those of `added` replacing any of the
// same name.
std::vector<std::string> environmentWith(const std::vector<std::string>& added) {
    std::vector<std::string> variables;
    for (const std::string& variable : StartedEnvironment()) {
        bool replaced = false;
        for (const std::string& other : added)
            replaced = replaced || nameOfVariable(other) == nameOfVariable(variable);
        if (!replaced) variables.push_back(variable);
    }
    variables.insert(variables.end(), added.begin(), added.end());
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDir, const std::vector<std::string>& environment) {
    // Everything the child needs is made before the fork: after it, only calls
    // that are safe in the child of a process with threads.
    std::vector<std::string> words = {program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<std::string> variables = environmentWith(environment);
    const std::vector<char*> argv = pointersTo(words);
    const std::vector<char*> envp = pointersTo(variables);

    // The started program's own child reports through the pipe why it could not
    // run; the pipe closes unread when the program runs.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::setsid();
        const pid_t game = ::fork();
        if (game != 0) ::_exit(game < 0 ? 1 : 0);
        int error = 0;
        if (::chdir(workingDir.c_str()) == 0) ::execve(program.c_str(), argv.data(), envp.data());
        error = errno;
        [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int status = -1;
    if (middle > 0)
        while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
        }
    int error = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return middle > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace brisko::posix
