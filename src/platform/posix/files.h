// Opening the files that the program finds or is given, without ever waiting.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <optional>
#include <string>

namespace brisko::posix {

// Opens a regular file (or a link to one) for reading. Anything else behind the
// name (a folder, a FIFO, a socket, a device) is not a file here: the result is
// -1 at once, never a wait for a writer or a device. The descriptor returned
// reads normally (blocking) and closes on exec; the caller closes it.
int OpenRegularFile(const std::string& path);

// Whether the name is a regular file or a link to one.
bool IsRegularFile(const std::string& path);

// The whole content of a regular file (or a link to one); nothing when it cannot
// be opened or read, or is anything else (a FIFO, a socket, a device), at once.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Whether the user may replace the file at `path`, whose permission bits are
// `mode`. A file without any write permission is read-only for everyone, the
// superuser included (who passes access()).
bool MayReplace(const std::string& path, mode_t mode);

// Whether no user but the owner may change what `info` describes: it belongs to the
// real user or to root, and neither its group nor others may write it (a sticky bit
// does not count: others may still put their own files in such a folder).
bool OnlyOwnerMayChange(const struct stat& info);

}  // namespace brisko::posix
