#include "dialogs/search_progress.h"

namespace brisko {

namespace {

// Longer paths keep their beginning and end, with an ellipsis between; so do the
// places searched (a path and a few words).
constexpr std::size_t kPathShown = 56;
constexpr std::size_t kPlaceShown = kPathShown + 12;
constexpr const char* kEllipsis = "\u2026";

bool continuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The path cut in its middle to about `shown` bytes, never inside a character.
std::string shortened(const std::string& path, std::size_t shown = kPathShown) {
    if (path.size() <= shown) return path;
    std::size_t head = shown / 3;
    std::size_t tail = path.size() - (shown - head - 1);
    while (head > 0 && continuationByte(path[head])) --head;
    while (tail < path.size() && continuationByte(path[tail])) ++tail;
    return path.substr(0, head) + kEllipsis + path.substr(tail);
}

using P = TSearchProgress;

// Two lines for the texts that hold a path.
// clang-format off
const DesignRow<TSearchProgress> kDesign[] = {
    {&P::LblSearching, {},  12,  12, 436, 30, kWordWrap},
    {&P::LblFolders,   {},  12,  48, 436, 16},
    {&P::LblFound,     {},  12,  66, 436, 16},
    {&P::LblWaiting,   {},  12,  88, 436, 30, kWordWrap},
    {&P::StopBtn,      {}, 336, 125, 112, 25, 0, {"Stop Searching"}},
    {&P::WatchTimer},
};
// clang-format on

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
    build(kDesign);
    StopBtn.onClick = [this] { StopBtnClick(); };
    WatchTimer.onTimer = [this] { watchSearch(); };
}

void TSearchProgress::follow(FolderSearch& search, const std::string& foundLabel) {
    if (search.finished()) return;
    search_ = &search;
    foundLabel_ = &foundLabel;
    const Clock::time_point now = clock();
    started_ = countFrom_.value_or(now);
    countFrom_.reset();
    refresh(now);
    centreOn(platform_.screen.desktop());
    WatchTimer.setEnabled(true);
    const ModalResult result = platform_.windows.runModal(*this, WatchTimer);
    WatchTimer.setEnabled(false);
    search_ = nullptr;
    foundLabel_ = nullptr;
    // Stop Searching, or the window closed.
    if (result != ModalResult::Ok) search.stop();
}

void TSearchProgress::watchSearch() {
    if (!search_) return;
    if (search_->finished()) {
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
    const FolderSearch::Progress progress = search_->progress(now);
    const SearchPlace& place = progress.place;
    LblSearching.setCaption("Searching " + shortened(place.where, kPlaceShown) + " for " +
                            place.sought + kEllipsis);
    LblFolders.setCaption("Folders searched: " + grouped(progress.folders));
    LblFound.setCaption(*foundLabel_ + ": " + grouped(progress.found));
    LblWaiting.setCaption(progress.waitingFor.empty()
                              ? std::string()
                              : "Waiting for " + shortened(progress.waitingFor) + " " + kEllipsis);
}

}  // namespace brisko
