// Starting a program that Brisko does not wait for.
#pragma once

#include <string>
#include <vector>

namespace brisko::posix {

// Starts `program` (a path) with `args`, in `workingDir`, with the variables of
// `environment` ("NAME=value") set on top of those Brisko was started with (see
// StartedEnvironment), as a process of its own that outlives Brisko; never through
// a shell. Every string goes to the program as its bytes. False when the program
// cannot be started (missing, not executable, the folder missing).
bool StartDetached(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDir, const std::vector<std::string>& environment);

}  // namespace brisko::posix
