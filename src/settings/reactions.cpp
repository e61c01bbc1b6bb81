// The reactions of the setting controls. Every reaction follows one pattern: its
// rule if it has one, then its help into its page's help panel, then
// SaveConfirmed cleared. The exceptions are written out below.
#include <stdexcept>
#include <string>

#include "settings/form1.h"
#include "settings/railgun_styles.h"

namespace brisko {

void TForm1::showHelp(const Control& setting) {
    for (const auto& row : design()) {
        if (&row.control.control(*this) != &setting || !row.more.description) continue;
        const Page* page = pageHolding(setting);
        for (std::uint8_t code = kRendererPage; code <= kNetworkPage; ++code)
            if (&pageOf(code) == page)
                return UpdateHelpPanel(code, row.more.description, row.more.cvarLine);
    }
    throw std::logic_error("No help for " + setting.name());
}

void TForm1::settingChanged(const Control& setting) {
    showHelp(setting);
    SaveConfirmed = false;
}

void TForm1::wireReactions() {
    // Reactions with a rule, or with an exception to the pattern.
    rfastsky.onClick = [this] { rfastskyClick(); };
    rflares.onClick = [this] { rflaresClick(); };
    rsubdivisions.onChange = [this] { rsubdivisionsChange(); };
    PlayerPredict.onClick = [this] { PlayerPredictClick(); };
    rlightmap.onClick = [this] { rlightmapClick(); };
    TextureSizeCombo.onChange = [this] { TextureSizeComboChange(); };
    TextureModeCombo.onChange = [this] { TextureModeComboChange(); };
    PlayerName.onChange = [this] { PlayerNameChange(); };
    InnerWidth.onChange = [this] { InnerWidthChange(); };
    Distance.onChange = [this] { DistanceChange(); };
    OuterWidth.onChange = [this] { OuterWidthChange(); };

    // Every other setting with help follows the pattern without a rule: a box or
    // radio button on its click, a list or slider on its change.
    for (const auto& row : design()) {
        if (!row.more.description) continue;
        Reaction* reaction = std::visit(
            [](auto* control) -> Reaction* {
                if constexpr (requires { control->onClick; })
                    return &control->onClick;
                else if constexpr (requires { control->onChange; })
                    return &control->onChange;
                else
                    return nullptr;
            },
            row.control.in(*this));
        Control& setting = row.control.control(*this);
        if (reaction && !*reaction) *reaction = [this, &setting] { settingChanged(setting); };
    }
    // ComboModel has no reaction.

    // Preset choosers, buttons, navigation.
    RailGunStyleCombo.onChange = [this] { RailGunStyleComboChange(); };
    Accelerator.onDropDown = [this] { AcceleratorDropDown(); };
    Accelerator.onChange = [this] { AcceleratorChange(); };
    TuneCombo.onDropDown = [this] { TuneComboDropDown(); };
    TuneCombo.onChange = [this] { TuneComboChange(); };
    DefaultBtn.onClick = [this] { DefaultBtnClick(); };
    ExitBtn.onClick = [this] { ExitBtnClick(); };
    TreeView1.onChange = [this] { TreeView1Change(); };
    for (Page* page : {&RendererOptions, &ClientSettings, &NetworkOptions})
        page->onClick = [this] { FitWindow(); };
}

// Sky rule: the sun and portal boxes are usable only with the high quality sky.
void TForm1::rfastskyClick() {
    if (rfastsky.checked()) {
        rdrawsun.setEnabled(true);
        rnoportals.setEnabled(true);
    } else {
        rdrawsun.setChecked(false);
        rdrawsun.setEnabled(false);
        rnoportals.setChecked(false);
        rnoportals.setEnabled(false);
    }
    settingChanged(rfastsky);
}

// Flare rule: the flare size is usable only while flares are shown.
void TForm1::rflaresClick() {
    FlareSizeCombo.setEnabled(rflares.checked());
    LblFlareSize.setEnabled(rflares.checked());
    settingChanged(rflares);
}

void TForm1::rsubdivisionsChange() {
    LblCurves.setCaption("Curve Detail: " + std::to_string(rsubdivisions.position()));
    settingChanged(rsubdivisions);
}

void TForm1::PlayerPredictClick() {
    if (!PlayerPredict.checked())
        ShowMessage(platform_.messages, MessageKind::Warning, Buttons::Ok,
                    "It is not advised to disabled client-side player prediction.");
    settingChanged(PlayerPredict);
}

// Unchecking the lightmap keeps the help panel as it was.
void TForm1::rlightmapClick() {
    if (rlightmap.checked()) showHelp(rlightmap);
    SaveConfirmed = false;
}

// Texture size and mode only explain themselves: they keep SaveConfirmed.
void TForm1::TextureSizeComboChange() {
    showHelp(TextureSizeCombo);
}
void TForm1::TextureModeComboChange() {
    showHelp(TextureModeCombo);
}

void TForm1::PlayerNameChange() {
    SaveConfirmed = false;
}

void TForm1::InnerWidthChange() {
    WriteRailSliderLabel(*this, InnerWidth);
    settingChanged(InnerWidth);
}

void TForm1::DistanceChange() {
    WriteRailSliderLabel(*this, Distance);
    settingChanged(Distance);
}

void TForm1::OuterWidthChange() {
    WriteRailSliderLabel(*this, OuterWidth);
    settingChanged(OuterWidth);
}

}  // namespace brisko
