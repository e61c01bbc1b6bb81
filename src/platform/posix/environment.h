// The folders of the user's environment for programs and settings, and the
// environment Brisko gives the programs it starts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisko::posix {

// $XDG_CONFIG_HOME, clean as CleanAbsolutePath makes it, when it holds an absolute
// path.
std::optional<std::string> ConfigHome();

// The folders of $PATH in order, each made absolute (relative to the folder Brisko
// was started in) and clean as CleanAbsolutePath makes it, with a trailing '/'; an
// empty entry is the folder Brisko was started in.
std::vector<std::string> PathFolders();

// Without a session bus ($DBUS_SESSION_BUS_ADDRESS unset or empty), sets the bus
// address to "disabled:", to be called before the toolkit starts: Qt's
// accessibility bridge then fails at once to reach the bus, where libdbus would
// start one through dbus-launch looked for on PATH (which waits on a PATH folder
// that does not answer, before any window is there).
void DisableMissingSessionBus();

// Brisko's environment ("NAME=value") as it was started with it: the bus address
// that DisableMissingSessionBus set is left out.
std::vector<std::string> StartedEnvironment();

}  // namespace brisko::posix
