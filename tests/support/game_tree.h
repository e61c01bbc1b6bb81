// Games on temporary drives for the tests of Save & Test: drives C: and D:, the
// system's root S:, and PATH made of two folders, P: then Q:, for the life of the
// object (WINEPREFIX and XDG_CONFIG_HOME unset). A file is named by a kind letter and a path,
// "wC:Games/quake3.exe": x an executable that records how it was started (into `record`, as
// "program|arg|…|@folder[ WINEPREFIX=…]"), w a Windows program (a .exe beginning
// with "MZ"), t a text file that nobody may execute, d a folder.
#pragma once

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scoped_env.h"
#include "support/scripted_platform.h"
#include "support/temp_tree.h"

namespace brisko::test {

struct GameTree {
    TempTree c, d, p, q, s;
    ScopedEnv path{"PATH", (p.root() + ":" + q.root()).c_str()};
    ScopedEnv prefix{"WINEPREFIX", nullptr};
    ScopedEnv configHome{"XDG_CONFIG_HOME", nullptr};
    std::string record = d.path("started.txt");

    explicit GameTree(TableDrives& drives) {
        drives.roots['C'] = c.dir();
        drives.roots['D'] = d.dir();
        drives.system = s.dir();
    }
    // Every "C:" (D:, P:, Q:, S:) that starts a word of the text, made a full path.
    std::string operator()(std::string text) const {
        static constexpr char kLetters[] = "CDPQS";
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            const char* at = std::strchr(kLetters, text[i]);
            if (!at || text[i + 1] != ':' || (i > 0 && !std::strchr("|@= ", text[i - 1]))) continue;
            const TempTree& tree = *std::array{&c, &d, &p, &q, &s}[at - kLetters];
            const bool bare = i + 2 == text.size() || std::strchr("|@ ", text[i + 2]);
            text.replace(i, 2, bare ? tree.root() : tree.dir());
        }
        return text;
    }
    // Makes the blank-separated files.
    void make(const std::string& files) const {
        std::istringstream words(files);
        for (std::string word; words >> word;) {
            const std::filesystem::path file = (*this)(word.substr(1));
            std::filesystem::create_directories(word[0] == 'd' ? file : file.parent_path());
            if (word[0] == 'w') std::ofstream(file) << "MZ\x90";
            if (word[0] == 't') std::ofstream(file) << "#!/bin/sh\n";
            if (word[0] != 'x') continue;
            std::ofstream(file)
                << "#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > '" << record
                << ".new'\necho \"@$(pwd)${WINEPREFIX:+ WINEPREFIX=$WINEPREFIX}\" >> '" << record
                << ".new'\n/bin/mv '" << record << ".new' '" << record << "'\n";
            std::filesystem::permissions(file, std::filesystem::perms::owner_all);
        }
    }
};

}  // namespace brisko::test
