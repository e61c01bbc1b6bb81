#include "app/views/search_progress_view.h"

namespace brisko::qt {

namespace {
// Two lines for the texts that hold a path.
// clang-format off
const LayoutRow kLayout[] = {
    {"LblSearching", "", 12, 12, 436, 30, kWordWrap},
    {"LblFolders", "", 12, 48, 436, 16},
    {"LblFound", "", 12, 66, 436, 16},
    {"LblWaiting", "", 12, 88, 436, 30, kWordWrap},
    {"StopBtn", "", 336, 125, 112, 25},
};
// clang-format on
}  // namespace

TSearchProgressView::TSearchProgressView(TSearchProgress& window, MessageBoxes& boxes)
    : WindowView(window, boxes, kLayout,
                 [&window](const std::string& name) { return window.find(name); }) {
    this->window()->defaultButton = &window.StopBtn;
    this->window()->cancelButton = &window.StopBtn;
    this->window()->setWindowFlags(this->window()->windowFlags() | Qt::WindowSystemMenuHint |
                                   Qt::WindowCloseButtonHint);
}

}  // namespace brisko::qt
