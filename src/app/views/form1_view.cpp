#include "app/views/form1_view.h"

namespace brisko::qt {

TForm1View::TForm1View(TForm1& form, MessageBoxes& boxes) : WindowView(form, boxes, true) {
    window()->defaultButton = &form.SaveBtn;
    window()->onEmptyClick = [&form] { form.FormClick(); };
}

}  // namespace brisko::qt
