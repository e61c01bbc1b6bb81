#include "app/views/search_progress_view.h"

namespace brisko::qt {

TSearchProgressView::TSearchProgressView(TSearchProgress& window, MessageBoxes& boxes)
    : WindowView(window, boxes) {
    this->window()->defaultButton = &window.StopBtn;
    this->window()->cancelButton = &window.StopBtn;
    this->window()->setWindowFlags(this->window()->windowFlags() | Qt::WindowSystemMenuHint |
                                   Qt::WindowCloseButtonHint);
}

}  // namespace brisko::qt
