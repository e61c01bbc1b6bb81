// Games on temporary drives for the tests of Save & Test: drives C: and D:, and
// PATH made of two folders, "P:" then "Q:", for the life of the object (with
// WINEPREFIX unset). Files are named "C:Games/quake3.exe"; a kind letter before
// the name says what to make: x an executable that records how it was started
// (into `record`), w a Windows program (a .exe beginning with "MZ"), t a text file
// nobody may execute, d a folder.
#pragma once

#include <filesystem>

#include "support/scoped_env.h"
#include "support/scripted_platform.h"
#include "support/temp_tree.h"

namespace brisko::test {

struct GameTree {
    TempTree c, d, p, q;
    ScopedEnv path{"PATH", (p.root() + ":" + q.root()).c_str()};
    ScopedEnv prefix{"WINEPREFIX", nullptr};
    std::string record = d.path("started.txt");

    explicit GameTree(TableDrives& drives) {
        drives.roots['C'] = c.dir();
        drives.roots['D'] = d.dir();
    }
    // "C:x" as a full path; any other text as it is.
    std::string operator()(const std::string& name) const {
        if (name.size() < 2 || name[1] != ':') return name;
        const TempTree& tree = name[0] == 'C' ? c : name[0] == 'D' ? d : name[0] == 'P' ? p : q;
        return name.size() == 2 ? tree.root() : tree.path(name.substr(2));
    }
    void make(const std::string& spec) const {
        const std::string path = (*this)(spec.substr(2));
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        if (spec[0] == 'd') std::filesystem::create_directories(path);
        if (spec[0] == 'w') std::ofstream(path) << "MZ\x90";
        if (spec[0] == 't') std::ofstream(path) << "#!/bin/sh\n";
        if (spec[0] != 'x') return;
        // Written whole, then renamed, so that a reader never sees half of it.
        std::ofstream(path) << "#!/bin/sh\n{ pwd; echo \"$WINEPREFIX\"; for a in \"$@\"; do "
                               "echo \"[$a]\"; done; } > '"
                            << record << ".new' && /bin/mv '" << record << ".new' '" << record
                            << "'\n";
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
};

}  // namespace brisko::test
