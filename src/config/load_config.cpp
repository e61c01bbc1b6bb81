// Reading the chosen config file: only the player name is taken from it.
#include "config/cvar_reader.h"
#include "settings/form1.h"

namespace brisko {

void TForm1::LoadConfig(const std::string& path) {
    const Lines lines = readTextFile(path);
    std::string name;
    ReadCvarValue(lines, 6, 4, "name", name);
    PlayerName.setText(name);
}

}  // namespace brisko
