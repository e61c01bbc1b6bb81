// TEMPORARY: empty bodies for operations being built in their own files. Each
// definition moves out of here into its file; this file then goes.
#include "settings/form1.h"

namespace brisko {

void TForm1::ApplyRailgunStyle(int) {}
void TForm1::RailGunStyleComboChange() {}
void TForm1::AcceleratorDropDown() {}
void TForm1::AcceleratorChange() {}
void TForm1::ChangeEnableState(bool) {}
void TForm1::ApplyBestPerformance() {}
void TForm1::ApplyBestVisualQuality() {}
void TForm1::ApplyBestOfBothWorlds() {}
void TForm1::TuneComboChange() {}
void TForm1::TuneComboDropDown() {}
void TForm1::DefaultBtnClick() {}
void TForm1::RestoreDefaults() {}
void TForm1::SaveBtnClick() {}
void TForm1::CheckPlayerName() {}
void TForm1::SaveTestBtnClick() {}

}  // namespace brisko
