#include "platform/qt/select_config_view.h"

#include "platform/qt/form_view.h"

namespace brisko::qt {

namespace {
// clang-format off
const LayoutRow kLayout[] = {
    {"Image1", "", 8, 8, 35, 35},
    {"Label1", "", 52, 8, 342, 32, kWordWrap},
    {"Label2", "", 8, 50, 92, 22},
    {"CfgFilesCombo", "", 100, 50, 294, 22},
    {"Button1", "", 238, 80, 75, 25},
    {"Button2", "", 319, 80, 75, 25},
};
// clang-format on
}  // namespace

TSelectConfigView::TSelectConfigView(TSelectConfig& dialog, MessageBoxes& boxes)
    : dialog_(dialog), binder_(boxes), window_(new WindowWidget(dialog, boxes, true, false)) {
    widgets_ = buildLayout(binder_, window_, kLayout,
                           [&dialog](const std::string& name) { return dialog.find(name); });
    window_->defaultButton = &dialog.Button1;
    window_->cancelButton = &dialog.Button2;
}

TSelectConfigView::~TSelectConfigView() {
    for (Control* control : dialog_.controls()) {
        control->onViewSync = nullptr;
        control->onViewFocus = nullptr;
    }
    dialog_.onViewSync = nullptr;
    delete window_;
}

QWidget* TSelectConfigView::widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

}  // namespace brisko::qt
