#include "dialogs/map_select.h"

#include <charconv>

#include "launch/launch_game.h"

namespace brisko {

namespace {

constexpr const char* kSection = "Brisko";

using M = TMapSelect;

// MapSelectCombo lists the test maps; the game started chooses its map by the index.
// clang-format off
const DesignRow<TMapSelect> kDesign[] = {
    {&M::Image1,         {},   8,   8,  35,  35, 0,         {"icon"}},
    {&M::Label2,         {},  52,   8, 342,  32, kWordWrap, {"Please select a map with which you want to test your modified config."}},
    {&M::Label1,         {},  52,  48,  64,  22, 0,         {"Test Map:"}},
    {&M::MapSelectCombo, {}, 118,  48, 130,  22, 0,         {"Q3Test1", "Q3Test2", "Q3Tourney"}},
    {&M::Cheats,         {}, 262,  48, 132,  22, 0,         {"Enable Cheats"}},
    {&M::Button3,        {},   8,  84,  75,  25, 0,         {"More >>"}},
    {&M::Button1,        {}, 238,  84,  75,  25, 0,         {"&OK"}},
    {&M::Button2,        {}, 319,  84,  75,  25, 0,         {"&Cancel"}},
    {&M::Label3,         {},   8, 128, 140,  16, 0,         {"Additional Parameters:"}},
    {&M::txtParameters,  {}, 150, 124, 244,  22, kDisabled},
};
// clang-format on

// A whole number as stored in Brisko.ini, or the error for a text that is none.
int toInteger(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last || first == last)
        throw AppError("'" + text + "' is not a valid integer value");
    return value;
}

}  // namespace

TMapSelect::TMapSelect(Platform& platform, const ProgramState& state, SearchFollower* follower)
    : Window("MapSelect", "Select Test Map", 402, 115),
      platform_(platform),
      state_(state),
      follower_(follower) {
    build(kDesign);
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
}

void TMapSelect::FormCreate() {
    if (!platform_.profile.exists()) {
        MapSelectCombo.setItemIndex(0);
        return;
    }
    MapSelectCombo.setItemIndex(toInteger(platform_.profile.read(kSection, "TestMap", "0")));
    Cheats.setChecked(toInteger(platform_.profile.read(kSection, "Cheats", "0")) == 1);
}

void TMapSelect::Button3Click() {
    if (Button3.caption() == "More >>") {
        setBounds(left(), top(), width(), height() + kExpandBy);
        Button3.setCaption("<< Less");
        txtParameters.setEnabled(true);
        txtParameters.setFocus();
    } else {
        setBounds(left(), top(), width(), height() - kExpandBy);
        Button3.setCaption("More >>");
        txtParameters.setEnabled(false);
    }
}

// The dialog closes with OK whatever the steps after it raise.
void TMapSelect::Button1Click() {
    setModalResult(ModalResult::Ok);
    const int index = MapSelectCombo.itemIndex();
    platform_.profile.write(kSection, "TestMap", std::to_string(index));
    platform_.profile.write(kSection, "Cheats", Cheats.checked() ? "1" : "0");
    LaunchGame(platform_, state_.currentConfigPath, index, Cheats.checked(), txtParameters.text(),
               follower_);
}

void TMapSelect::Button2Click() {
    setModalResult(ModalResult::Cancel);
}

void ShowTestMapDialog(TMapSelect& dialog, Platform& platform) {
    dialog.centreOn(platform.screen.desktop());
    platform.windows.showModal(dialog);
}

}  // namespace brisko
