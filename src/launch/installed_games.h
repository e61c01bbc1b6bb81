// What of the games is installed where programs are installed: the programs on
// PATH, the engines at the places distributions put them, the Flatpak
// applications. It is looked up by the roots of a search (on the search's threads,
// followed and stopped like the walk of the drives), so that a folder that does
// not answer never holds the window's thread.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "discovery/search_follower.h"
#include "launch/game.h"
#include "platform/platform.h"

namespace brisko {

class InstalledGames {
  public:
    // The roots that look it up, in this order, and where they look, for the
    // progress window.
    static constexpr std::size_t kRoots = 3;
    static std::vector<SearchRoot> roots(const Drives& drives);
    static std::vector<SearchPlace> places(const std::string& sought);

    InstalledGames() = default;
    // From what the roots found (the search's results from the first of them on).
    explicit InstalledGames(std::span<std::vector<std::vector<std::string>>> found);

    // The first of these programs on PATH: each folder in turn, the names in order.
    std::optional<std::string> onPath(std::span<const char* const> names) const;
    std::optional<std::string> onPath(const char* name) const { return onPath({&name, 1}); }
    // The game's first engine on PATH, else at the places distributions put it.
    std::optional<std::string> engine(const Game& game) const;
    // The flatpak program when the application is installed (for the user or the
    // system) and flatpak is on PATH.
    std::optional<std::string> flatpak(const char* application) const;

  private:
    std::vector<std::string> onPath_, fixedPlaces_, flatpaks_;
};

}  // namespace brisko
