// Any bytes as the old config: the settings window loads them and saves into a
// fresh temporary folder, answering Yes to every question, and the save must keep
// its promises. A broken promise aborts with the reason, so libFuzzer keeps the input.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "config/config_save.h"
#include "config/load_config.h"
#include "config/player_name.h"
#include "config/text_lines.h"
#include "settings/form1.h"
#include "support/scripted_platform.h"
#include "support/temp_tree.h"

namespace {

using namespace brisko;

void require(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(missing)";
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The lines of a written file: each ends with CR LF, the last one too.
std::vector<std::string> writtenLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    require(start == bytes.size(), "the file ends with a whole line");
    return lines;
}

// From "// Renderer Options" to the sound volume, whatever the settings.
constexpr std::size_t kFixedLines = 80;

// A setting under its first name, followed at once by the same value under the
// name today's engines read.
constexpr std::pair<const char*, const char*> kTodaysNames[] = {
    {"crosshairhealth", "cg_crosshairhealth"},
    {"lagometer", "cg_lagometer"},
    {"fov", "cg_fov"},
    {"maxfps", "com_maxfps"},
    {"r_segmentlength", "r_railsegmentlength"},
    {"model", "headmodel"},
    {"color", "color1"},
    {"r_ext_compress_textures", "r_ext_compressed_textures"},
    {"cg_gun", "cg_drawgun"},
    {"cg_centertime", "con_notifytime"}};

void checkTodaysNames(const std::vector<std::string>& settings) {
    for (const auto& [first, today] : kTodaysNames) {
        const std::string prefix = std::string("seta ") + first + " \"";
        const auto at =
            std::find_if(settings.begin(), settings.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
        require(at != settings.end() && at + 1 != settings.end(), "each paired setting is written");
        require(*(at + 1) == std::string("seta ") + today + " \"" + at->substr(prefix.size()),
                "today's name follows with the same value");
    }
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Empty, blank, a comment or "unbindall": the file writes its own.
bool isLayout(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line.compare(first, 2, "//") == 0) return true;
    std::string word = line.substr(first, line.find_last_not_of(" \t") + 1 - first);
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "unbindall";
}

// The lower-case cvar a line sets: its first word or, after seta, set, sets or
// setu, its second, without quotes.
std::string cvarSet(const std::string& line) {
    std::vector<std::string> words;
    for (std::size_t i = 0; i < line.size() && words.size() < 2;) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        std::string word;
        for (; i < line.size() && !isBlank(line[i]); ++i)
            if (line[i] != '"')
                word += static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
        words.push_back(word);
    }
    if (words.empty()) return "";
    const bool command =
        words[0] == "seta" || words[0] == "set" || words[0] == "sets" || words[0] == "setu";
    return command ? (words.size() > 1 ? words[1] : "") : words[0];
}

// After "// Not Tweaked": the listed cvars' lines, from the old file's third line
// on in its order, then every other line of the old file in its order; of these,
// each line the file does not write itself nor carries among the bindings.
void checkCarriedLines(const Lines& oldLines, const std::vector<std::string>& settings,
                       const std::vector<std::string>& carried) {
    std::set<std::string> written;
    for (const std::string& line : settings) written.insert(line.substr(5, line.find(' ', 5) - 5));
    std::size_t next = 2;
    bool others = false;
    for (const std::string& line : carried) {
        std::size_t at = next;
        while (at < oldLines.size() && oldLines[at] != line) ++at;
        if (at >= oldLines.size() && !others) {
            others = true;
            at = 0;
            while (at < oldLines.size() && oldLines[at] != line) ++at;
        }
        require(at < oldLines.size(), "a carried line comes from the old file, in order");
        // A listed cvar's line is any line that reads its name from the sixth
        // character on ("// BFr_preloadtextures"); the other lines are no layout.
        require(!others || !isLayout(line), "no empty line, comment or unbindall is carried");
        next = at + 1;
    }
    std::multiset<std::string> expected;
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const std::string& line = oldLines[i];
        if ((i >= 2 && line.starts_with("bind")) || isLayout(line)) continue;
        if (!written.contains(cvarSet(line))) expected.insert(line);
    }
    const std::multiset<std::string> kept(carried.begin(), carried.end());
    require(std::includes(kept.begin(), kept.end(), expected.begin(), expected.end()),
            "every other line of the old file is kept");
}

void checkWrittenFile(const std::string& old, const std::string& name, const std::string& bytes) {
    const Lines oldLines = SplitLines(old);
    const std::vector<std::string> lines = writtenLines(bytes);
    const std::vector<std::string> head = {
        "// generated by quake, tweaked by Brisko, do not modify", "unbindall",
        "// Player Controls"};
    require(lines.size() >= head.size() && std::equal(head.begin(), head.end(), lines.begin()),
            "the file begins with the header");
    std::size_t at = head.size();
    for (std::size_t i = 2; i < oldLines.size(); ++i)
        if (oldLines[i].starts_with("bind"))
            require(at < lines.size() && lines[at++] == oldLines[i],
                    "every bind line once, in order");
    require(lines.size() >= at + kFixedLines + 1, "the whole fixed layout is written");
    require(lines[at] == "// Renderer Options", "the settings follow the bindings");
    require(std::count(lines.begin() + at, lines.begin() + at + kFixedLines,
                       "seta name \"" + name + "\"") == 1,
            "the player name is written once");
    require(lines[at + kFixedLines - 1].starts_with("seta s_volume \""),
            "the sound volume ends it");
    require(lines[at + kFixedLines] == "// Not Tweaked", "the carried cvars follow");
    const std::vector<std::string> settings(lines.begin() + at, lines.begin() + at + kFixedLines);
    checkTodaysNames(settings);
    checkCarriedLines(oldLines, settings, {lines.begin() + at + kFixedLines + 1, lines.end()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string old(reinterpret_cast<const char*>(data), size);
    test::TempTree folder;
    const std::string config = folder.file("q3config.cfg", old);
    test::ScriptedPlatform sp;
    ProgramState state;
    state.currentConfigPath = config;
    TForm1 form(sp.platform, state);
    InitialiseSettingsWindow(form);
    DispatchUserEvent(sp.messages, [&] { LoadConfig(form, config); });
    std::string name = form.PlayerName.text();
    if (name.empty()) name = "Player";  // the empty-name question is answered Yes
    sp.messages.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
    ConfigSave save(form);
    DispatchUserEvent(sp.messages, [&] { save.SaveBtnClick(); });

    for (const Message& box : sp.messages.shown)
        require(box.kind != MessageKind::Error, "no error box for a readable file");
    if (!IsWritablePlayerName(name)) {
        // The save refuses the name and leaves everything as it was.
        require(sp.messages.shown.size() == 1 && sp.messages.shown[0].kind == MessageKind::Warning,
                "an unwritable name is refused with a warning");
        require(readAll(config) == old, "a refused save leaves the config");
        require(folder.entries() == std::vector<std::string>{"q3config.cfg"},
                "a refused save leaves nothing in the folder");
        return 0;
    }
    require(sp.messages.shown.back().kind == MessageKind::Confirmation, "the save is confirmed");
    checkWrittenFile(old, name, readAll(config));
    require(readAll(folder.path("Tamblin.backup")) == old, "the backup holds the old bytes");
    require(folder.entries() == std::vector<std::string>{"Tamblin.backup", "q3config.cfg"},
            "nothing else is left in the folder");
    return 0;
}
