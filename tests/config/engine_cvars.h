// Runs a written config through the real game engine (the shared engine-cvars
// tool, with the full client) and gives the values the engine ends with.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brisko::test {

struct EngineReport {
    std::map<std::string, std::string> values;  // cvar -> value as the engine holds it
    std::vector<std::string> unset;             // cvars the engine does not know
    std::vector<std::string> binds;             // "bind KEY "COMMAND"" as the engine holds them
    std::vector<std::string> messages;          // the engine's complaints about the file
    std::string console;                        // all the engine printed
};

struct EngineRun {
    std::optional<EngineReport> report;  // nothing when the engine cannot run here
    std::string why;                     // why not, or the tool's output on failure
    bool failed = false;                 // the tool ran and broke
};

EngineRun runEngine(const std::string& config, const std::vector<std::string>& cvars);

}  // namespace brisko::test
