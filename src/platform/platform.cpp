#include "platform/platform.h"

namespace brisko {

namespace {
const char* captionOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return "Warning";
        case MessageKind::Error:
            return "Error";
        case MessageKind::Information:
            return "Information";
        case MessageKind::Confirmation:
            return "Confirm";
    }
    return "";
}
}  // namespace

Answer ShowMessage(MessageBoxes& boxes, MessageKind kind, Buttons buttons, const std::string& text,
                   const std::string& details) {
    return boxes.show({kind, buttons, text, captionOf(kind), details});
}

void ShowUnhandledError(MessageBoxes& boxes, const std::string& message) {
    boxes.show({MessageKind::Error, Buttons::Ok, message + ".", "Brisko", {}});
}

void DispatchUserEvent(MessageBoxes& boxes, const std::function<void()>& event) {
    try {
        event();
    } catch (const AppError& error) {
        ShowUnhandledError(boxes, error.what());
    } catch (const SilentAbort&) {
    }
}

}  // namespace brisko
