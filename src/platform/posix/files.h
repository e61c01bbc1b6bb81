// Opening the files that the program finds or is given, without ever waiting.
#pragma once

#include <string>

namespace brisko::posix {

// Opens a regular file (or a link to one) for reading. Anything else behind the
// name (a folder, a FIFO, a socket, a device) is not a file here: the result is
// -1 at once, never a wait for a writer or a device. The descriptor returned
// reads normally (blocking) and closes on exec; the caller closes it.
int OpenRegularFile(const std::string& path);

// Whether the name is a regular file or a link to one.
bool IsRegularFile(const std::string& path);

}  // namespace brisko::posix
