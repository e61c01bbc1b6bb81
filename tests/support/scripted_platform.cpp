#include "support/scripted_platform.h"

#include <chrono>
#include <thread>

namespace brisko::test {

Answer ScriptedMessages::show(const Message& message) {
    shown.push_back(message);
    if (onShow) onShow(message);
    if (answers.empty()) return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessages::texts() const {
    std::vector<std::string> out;
    for (const Message& m : shown) out.push_back(m.text);
    return out;
}

std::optional<std::string> ScriptedFileDialogs::open(const FileDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::uint32_t TableDrives::logicalDriveMask() const {
    std::uint32_t mask = 0;
    for (const auto& [letter, root] : roots) mask |= 1u << (letter - 'A');
    return mask;
}

std::string TableDrives::root(char letter) const {
    auto it = roots.find(letter);
    return it == roots.end() ? std::string() : it->second;
}

std::string MemoryProfile::read(const std::string& section, const std::string& key,
                                const std::string& fallback) {
    auto it = values.find(section + "/" + key);
    return it == values.end() ? fallback : it->second;
}

void MemoryProfile::write(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!writable) throw AppError("Unable to write to " + path());
    values[section + "/" + key] = value;
    present = true;
}

ModalResult ScriptedWindows::showModal(Window& window) {
    modal.push_back(window.name());
    window.setModalResult(ModalResult::None);
    window.show();
    if (!scripts.empty()) {
        auto script = scripts.front();
        scripts.pop_front();
        script(window);
    }
    window.hide();
    return window.modalResult() == ModalResult::None ? ModalResult::Cancel : window.modalResult();
}

void ScriptedWindows::show(Window& window) {
    modeless.push_back(window.name());
    window.show();
}

ModalResult ScriptedWindows::runModal(Window& window, Timer& timer) {
    window.setModalResult(ModalResult::None);
    while (window.modalResult() == ModalResult::None) {
        timer.tick();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    window.hide();
    return window.modalResult();
}

}  // namespace brisko::test
