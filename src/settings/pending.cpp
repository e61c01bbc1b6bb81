// TEMPORARY: empty bodies for operations being built in their own files. Each
// definition moves out of here into its file; this file then goes.
#include "settings/form1.h"

namespace brisko {

void TForm1::SaveTestBtnClick() {}

}  // namespace brisko
