#include "config/player_name.h"

namespace brisko {

bool IsWritablePlayerName(std::string_view name) {
    if (name.size() > kMaxPlayerNameBytes) return false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\' || byte == ';' || byte < 32 || byte == 127) return false;
    }
    return true;
}

}  // namespace brisko
