#include "dialogs/search_progress.h"

#include <algorithm>

#include "platform/posix/paths.h"

namespace brisko {

namespace {

// Longer paths keep their beginning and end, with an ellipsis between.
constexpr std::size_t kPathShown = 56;
constexpr const char* kEllipsis = "\u2026";

bool continuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The path cut in its middle to about kPathShown bytes, never inside a character.
std::string shortened(const std::string& path) {
    if (path.size() <= kPathShown) return path;
    std::size_t head = kPathShown / 3;
    std::size_t tail = path.size() - (kPathShown - head - 1);
    while (head > 0 && continuationByte(path[head])) --head;
    while (tail < path.size() && continuationByte(path[tail])) ++tail;
    return path.substr(0, head) + kEllipsis + path.substr(tail);
}

// 1234567 as "1,234,567".
std::string grouped(std::uint64_t number) {
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

}  // namespace

TSearchProgress::TSearchProgress(Platform& platform)
    : Window("SearchProgress", "Brisko", 460, 160), platform_(platform) {
    own({&LblSearching, &LblFolders, &LblFound, &LblWaiting, &StopBtn, &Timer1});
    StopBtn.setCaption("Stop Searching");
    StopBtn.onClick = [this] { StopBtnClick(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
}

void TSearchProgress::follow(DriveSearch& search) {
    if (search.walk().finished()) return;
    search_ = &search;
    const Clock::time_point now = clock();
    started_ = countFrom_.value_or(now);
    countFrom_.reset();
    refresh(now);
    centreOn(platform_.screen.desktop());
    Timer1.setEnabled(true);
    const ModalResult result = platform_.windows.runModal(*this, Timer1);
    Timer1.setEnabled(false);
    search_ = nullptr;
    // Stop Searching, or the window closed.
    if (result != ModalResult::Ok) search.walk().stop();
}

void TSearchProgress::Timer1Timer() {
    if (!search_) return;
    if (search_->walk().finished()) {
        setModalResult(ModalResult::Ok);
        return;
    }
    const Clock::time_point now = clock();
    if (now - started_ < kShowAfter) return;
    if (!visible() || now - refreshed_ >= kRefreshEvery) refresh(now);
    if (!visible()) {
        show();
        StopBtn.setFocus();
    }
}

void TSearchProgress::StopBtnClick() {
    setModalResult(ModalResult::Cancel);
}

void TSearchProgress::refresh(Clock::time_point now) {
    refreshed_ = now;
    const FolderSearch::Progress progress = search_->walk().progress(now);
    const std::size_t root = std::min(progress.root, search_->drives() - 1);
    const bool configs = search_->sought() == Sought::ConfigFiles;
    LblSearching.setCaption(std::string("Searching drive ") + search_->letter(root) + ": (" +
                            shortened(WithoutTrailingSlash(search_->folder(root))) + ") for " +
                            (configs ? "config files" : "the game") + kEllipsis);
    LblFolders.setCaption("Folders searched: " + grouped(progress.folders));
    LblFound.setCaption((configs ? "Config files found: " : "Games found: ") +
                        grouped(progress.found));
    LblWaiting.setCaption(progress.waitingFor.empty()
                              ? std::string()
                              : "Waiting for " + shortened(progress.waitingFor) + " " + kEllipsis);
}

}  // namespace brisko
