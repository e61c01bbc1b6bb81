#include "config/load_config.h"

#include "config/cvar_reader.h"

namespace brisko {

void LoadConfig(TForm1& form, const std::string& path) {
    const Lines lines = ReadTextFile(path);
    std::string name;
    ReadCvarValue(lines, 6, 4, "name", name);
    form.PlayerName.setText(name);
}

}  // namespace brisko
