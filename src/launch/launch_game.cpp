#include "launch/launch_game.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "launch/games.h"
#include "platform/ascii.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The Wine prefix that holds a program: the folder above its last "drive_c".
std::string winePrefixOf(const std::string& program) {
    const auto driveC = program.rfind("/drive_c/");
    if (driveC == std::string::npos) return {};
    return driveC == 0 ? "/" : program.substr(0, driveC);
}

// Steam's copy of the game lies in a library's "steamapps/common/" folder.
bool isSteamGame(const std::string& game) {
    return AsciiLower(game).find("/steamapps/common/") != std::string::npos;
}

// How the chosen game is started: the program, the words before the game's own,
// the working folder and the variables added.
struct Start {
    std::string program;
    std::vector<std::string> args;
    std::string folder;
    std::vector<std::string> environment;
};

Start windowsStart(const GameChoice& choice) {
    const std::string& game = choice.path;
    const std::string folder = FolderOf(game);
    const char* steamApplication = choice.game->steamApplication;
    if (steamApplication && isSteamGame(game)) {
        if (auto steam = choice.installed.onPath("steam"))
            return {*steam, {"-applaunch", steamApplication}, folder, {}};
        if (auto flatpak = choice.installed.flatpak(kSteamFlatpak))
            return {*flatpak, {"run", kSteamFlatpak, "-applaunch", steamApplication}, folder, {}};
    }
    const auto wine = choice.installed.onPath("wine");
    if (!wine)
        throw AppError("Cannot start " + game +
                       ": Windows programs need Wine, which was not found");
    Start start{*wine, {game}, folder, {}};
    if (const std::string prefix = winePrefixOf(game); !prefix.empty())
        start.environment.push_back("WINEPREFIX=" + prefix);
    return start;
}

Start startOf(const Drives& drives, const GameChoice& game) {
    switch (game.kind) {
        case GameChoice::Kind::Flatpak:
            return {
                game.path, {"run", game.game->flatpak}, WithoutTrailingSlash(drives.root('C')), {}};
        case GameChoice::Kind::Windows:
            return windowsStart(game);
        case GameChoice::Kind::Engine:
            break;
    }
    return {game.path, {}, FolderOf(game.path), {}};
}

// Whether the game reads a word back as it is given. The engine joins its
// arguments with blanks, quoting those that hold a blank, and splits the text into
// commands at '+' outside quotes, at ';' and at line ends; outside quotes "//" and
// "/*" begin comments; and it reads every byte above 127 as a blank.
bool passesToTheGame(std::string_view word) {
    const bool plain = std::none_of(word.begin(), word.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte >= 0x7F || c == '"' || c == ';' || c == '+';
    });
    return plain && word.find("//") == std::string_view::npos &&
           word.find("/*") == std::string_view::npos;
}

}  // namespace

std::string GameParameters(const std::string& map, bool cheats, const std::string& extra) {
    std::string parameters = (cheats ? " +devmap " : " +map ") + map;
    const auto characters =
        std::count_if(extra.begin(), extra.end(), [](char byte) { return (byte & 0xC0) != 0x80; });
    if (characters >= 2) parameters += " " + extra;
    return parameters;
}

std::vector<std::string> GameWords(const std::string& parameters, bool windowsProgram) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (const char c : parameters + ' ') {
        const bool blank = (c == ' ' || c == '\t') && !quoted;
        if (blank && inWord) words.push_back(std::move(word));
        if (blank) {
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '"' && windowsProgram)
            quoted = !quoted;
        else
            word += c;
    }
    return words;
}

void LaunchGame(Platform& platform, const std::string& configPath, int testMap, bool cheats,
                const std::string& extra, SearchFollower* follower) {
    const std::optional<GameChoice> game = ChooseGame(platform.drives, configPath, follower);
    if (!game) throw AppError("List index out of bounds (0)");

    for (const std::string& folder : {game->homePath, game->mod})
        if (!passesToTheGame(folder))
            throw AppError("Cannot start " + game->path + ": the folder name \"" + folder +
                           "\" cannot be passed to the game");
    Start start = startOf(platform.drives, *game);
    // Where the config lies, each as words of their own.
    if (!game->homePath.empty())
        start.args.insert(start.args.end(), {"+set", "fs_homepath", game->homePath});
    if (!game->mod.empty()) start.args.insert(start.args.end(), {"+set", "fs_game", game->mod});
    const TestMaps& maps = game->game->testMaps;
    const bool mapChosen = testMap >= 0 && testMap < static_cast<int>(maps.size());
    const std::string map = mapChosen ? maps[static_cast<std::size_t>(testMap)] : "";
    const bool windows = game->kind == GameChoice::Kind::Windows;
    for (std::string& arg : GameWords(GameParameters(map, cheats, extra), windows))
        start.args.push_back(std::move(arg));
    // Only a program named from the root: from the game's folder a relative name
    // would name another program.
    if (!start.program.starts_with('/') ||
        !platform.processes.startDetached(start.program, start.args, start.folder,
                                          start.environment))
        throw AppError("Cannot start " + game->path);
}

}  // namespace brisko
