// Page switching, the help panels, the window-geometry repair and Exit.
#include "settings/form1.h"

namespace brisko {

Page& TForm1::pageOf(std::uint8_t pageCode) {
    switch (pageCode) {
        case kRendererPage:
            return RendererOptions;
        case kClientPage:
            return ClientSettings;
        case kRailPage:
            return RailGunOptions;
        default:
            return NetworkOptions;
    }
}

void TForm1::UpdateHelpPanel(std::uint8_t pageCode, const std::string& description,
                             const std::string& cvarLine) {
    if (pageCode > kNetworkPage) return;
    HelpPanel panel = helpPanel(pageCode);
    panel.description.setCaption(description);
    panel.cvarLine.setCaption(cvarLine);
}

// Each node brings the page of its own caption to the front.
void TForm1::TreeView1Change() {
    static constexpr std::uint8_t kPageOfNode[] = {kClientPage, kRendererPage, kRailPage,
                                                   kNetworkPage};
    const int node = TreeView1.selected();
    if (node >= 0 && node < static_cast<int>(std::size(kPageOfNode)))
        Pages.bringToFront(pageOf(kPageOfNode[node]));
}

void TForm1::FormClick() {
    FitWindow();
}

void TForm1::FitWindow() {
    const Rect screen = platform_.screen.screen();
    const Rect desktop = platform_.screen.desktop();
    if (width() >= screen.width) {
        setState(WindowState::Normal);
        const int newWidth = kPagesLeft + kPageWidth + 9;
        const int newHeight = height() - clientHeight() + kSaveTestBtnTop + kButtonHeight + 4;
        setBounds(left(), top(), newWidth, newHeight);
        centreOn(desktop);
    }
    if (left() == screen.width - width()) centreOn(desktop);
}

void TForm1::ExitBtnClick() {
    platform_.app.requestTermination();
}

}  // namespace brisko
