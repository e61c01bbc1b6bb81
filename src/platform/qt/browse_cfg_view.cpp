#include "platform/qt/browse_cfg_view.h"

#include "platform/qt/form_view.h"

namespace brisko::qt {

namespace {
// Edit1 is the first control that takes the focus.
// clang-format off
const LayoutRow kLayout[] = {
    {"Image1", "", 8, 8, 35, 35},
    {"Label1", "", 52, 4, 343, 44, kWordWrap},
    {"Label2", "", 8, 52, 44, 22},
    {"Edit1", "", 52, 52, 343, 22},
    {"Button1", "", 8, 80, 75, 25},
    {"Button2", "", 239, 80, 75, 25},
    {"Button3", "", 320, 80, 75, 25},
};
// clang-format on
}  // namespace

TBrowseCfgView::TBrowseCfgView(TBrowseCfg& dialog, MessageBoxes& boxes)
    : dialog_(dialog), binder_(boxes), window_(new WindowWidget(dialog, boxes, true, false)) {
    widgets_ = buildLayout(binder_, window_, kLayout,
                           [&dialog](const std::string& name) { return dialog.find(name); });
    window_->defaultButton = &dialog.Button2;
    window_->cancelButton = nullptr;
}

TBrowseCfgView::~TBrowseCfgView() {
    for (Control* control : dialog_.controls()) {
        control->onViewSync = nullptr;
        control->onViewFocus = nullptr;
    }
    dialog_.onViewSync = nullptr;
    delete window_;
}

QWidget* TBrowseCfgView::widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

}  // namespace brisko::qt
