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

#include "discovery/folder_search.h"
#include "launch/game.h"
#include "platform/platform.h"

namespace brisko {

class InstalledGames {
  public:
    // The roots that look it up, each with where it looks for the game in the
    // player's words; what they find is kept here, where this must stay until
    // their search has finished.
    std::vector<SearchRoot> roots(const Drives& drives);

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
