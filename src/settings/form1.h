// The main window: every setting lives in one of its named controls, and every
// change of a setting runs that control's reaction.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "settings/program_state.h"

namespace brisko {

struct AcceleratorProfile;

// The help of a setting, shown in the help panel of the page it sits on.
struct SettingHelp {
    const char* description = nullptr;
    const char* cvarLine = nullptr;
};

// A control disabled until an accelerator is chosen.
inline constexpr unsigned kGated = kFirstOwnFlag | kDisabled;

// Page codes of the help panels.
enum PageCode : std::uint8_t {
    kRendererPage = 0,
    kClientPage = 1,
    kRailPage = 2,
    kNetworkPage = 3
};

class TForm1 : public Window {
  public:
    // Layout facts the program computes with (pixels, client coordinates).
    static constexpr int kPagesLeft = 138;
    static constexpr int kPagesTop = 4;
    static constexpr int kPageWidth = 553;
    static constexpr int kPageHeight = 422;
    static constexpr int kSaveTestBtnTop = 432;
    static constexpr int kButtonHeight = 23;

    TForm1(Platform& platform, ProgramState& state);

    // The window's design, a row for each control in the order of the window.
    static std::span<const DesignRow<TForm1, SettingHelp>> design();

    Platform& platform() { return platform_; }
    ProgramState& program() { return state_; }

    // --- Pages, navigation and help panel
    PageStack Pages{"Pages"};
    Page RendererOptions{"RendererOptions"};
    Page ClientSettings{"ClientSettings"};
    Page RailGunOptions{"RailGunOptions"};
    Page NetworkOptions{"NetworkOptions"};
    TreeView TreeView1{"TreeView1"};

    // --- Renderer page
    Label LblTune{"LblTune"};
    ComboBox TuneCombo{"TuneCombo"};
    RadioGroup Panel1{"Panel1"};
    RadioButton rlightmaplighting{"rlightmaplighting", Panel1};
    RadioButton rvertexlight{"rvertexlight", Panel1};
    CheckBox rdynamiclight{"rdynamiclight"};
    CheckBox rfullbright{"rfullbright"};
    CheckBox rlightmap{"rlightmap"};
    CheckBox rfastsky{"rfastsky"};
    CheckBox rdrawsun{"rdrawsun"};
    CheckBox rnoportals{"rnoportals"};
    Label LblGamma{"LblGamma"};
    ComboBox GammaCombo{"GammaCombo"};
    Label LblIntensity{"LblIntensity"};
    ComboBox IntensityCombo{"IntensityCombo"};
    Label LblWeaponDetail{"LblWeaponDetail"};
    ComboBox r_lodbiasCombo{"r_lodbiasCombo"};
    Label LblFlareSize{"LblFlareSize"};
    ComboBox FlareSizeCombo{"FlareSizeCombo"};
    Label LblCurves{"LblCurves"};
    Slider rsubdivisions{"rsubdivisions", 1, 999, 999, 1};
    Label LblHigh{"LblHigh"};
    Label LblLow{"LblLow"};
    Label LblGeoDetail{"LblGeoDetail"};
    Label LblShadowType{"LblShadowType"};
    ComboBox ShadowCombo{"ShadowCombo"};
    Label LblTextureMode{"LblTextureMode"};
    ComboBox TextureModeCombo{"TextureModeCombo"};
    CheckBox cgmarks{"cgmarks"};
    CheckBox rextcompresstextures{"rextcompresstextures"};
    CheckBox rfinish{"rfinish"};
    CheckBox rflares{"rflares"};
    CheckBox rsimpleitems{"rsimpleitems"};
    CheckBox rignorehwgamma{"rignorehwgamma"};
    Label LblTextureQuality{"LblTextureQuality"};
    ComboBox TextureDepthCombo{"TextureDepthCombo"};
    Label LblTextureSize{"LblTextureSize"};
    ComboBox TextureSizeCombo{"TextureSizeCombo"};
    Label LblColorDepth{"LblColorDepth"};
    ComboBox ColorDepthCombo{"ColorDepthCombo"};
    Label LblResolution{"LblResolution"};
    ComboBox ResolutionCombo{"ResolutionCombo"};
    Picture PreviewPane{"PreviewPane"};

    // --- Left of the window
    Button DefaultBtn{"DefaultBtn"};
    Label LblAccelerator{"LblAccelerator"};
    ComboBox Accelerator{"Accelerator"};

    // --- Client page
    GroupBox HudOptions{"HudOptions"};
    CheckBox cgdrawammowarning{"cgdrawammowarning"};
    CheckBox cgdrawcrosshair{"cgdrawcrosshair"};
    CheckBox cgdrawcrosshairnames{"cgdrawcrosshairnames"};
    CheckBox crosshairhealth{"crosshairhealth"};
    CheckBox cggun{"cggun"};
    RadioGroup Panel4{"Panel4"};
    RadioButton netgraph{"netgraph", Panel4};
    RadioButton fragcounter{"fragcounter", Panel4};
    CheckBox cgthirdperson{"cgthirdperson"};
    CheckBox clnoprint{"clnoprint"};
    Label Label17{"Label17"};
    ComboBox MsgDisplayCombo{"MsgDisplayCombo"};
    RadioGroup Panel3{"Panel3"};
    RadioButton cgshowfps{"cgshowfps", Panel3};
    RadioButton cgdrawtimer{"cgdrawtimer", Panel3};
    GroupBox MiscOptions{"MiscOptions"};
    CheckBox cgautoswitch{"cgautoswitch"};
    CheckBox cggibs{"cggibs"};
    CheckBox rsmp{"rsmp"};
    Label Label3{"Label3"};
    ComboBox cgbrasstimeCombo{"cgbrasstimeCombo"};
    GroupBox PlayerPreferences{"PlayerPreferences"};
    Label Label13{"Label13"};
    ComboBox HandicapCombo{"HandicapCombo"};
    Label Label12{"Label12"};
    ComboBox SkinColorCombo{"SkinColorCombo"};
    Label Label14{"Label14"};
    ComboBox FovCombo{"FovCombo"};
    Label Label15{"Label15"};
    ComboBox MaxFPSCombo{"MaxFPSCombo"};
    Label LblModel{"LblModel"};
    ComboBox ComboModel{"ComboModel"};
    Label Label2{"Label2"};
    TextField PlayerName{"PlayerName"};
    CheckBox clrun{"clrun"};
    GroupBox PlayerMovement{"PlayerMovement"};
    CheckBox CheckBox7{"CheckBox7"};
    CheckBox CheckBox8{"CheckBox8"};
    CheckBox CheckBox9{"CheckBox9"};

    // --- Railgun page
    Label Label35{"Label35"};
    ComboBox RailGunStyleCombo{"RailGunStyleCombo"};
    Label Label1{"Label1"};
    ComboBox EffectColorCombo{"EffectColorCombo"};
    Label Label38{"Label38"};
    ComboBox RailTrailTimeCombo{"RailTrailTimeCombo"};
    Label LblInnerWidth{"LblInnerWidth"};
    Slider InnerWidth{"InnerWidth", 1, 50, 16, 2};
    Label LblDistance{"LblDistance"};
    Slider Distance{"Distance", 1, 100, 64, 4};
    Label LblOuterWidth{"LblOuterWidth"};
    Slider OuterWidth{"OuterWidth", 1, 150, 128, 5};
    Picture RailPictures{"RailPictures"};

    // --- Network page
    GroupBox GroupBox10{"GroupBox10"};
    CheckBox PlayerPredict{"PlayerPredict"};
    Label Label9{"Label9"};
    ComboBox MaxPacketsCombo{"MaxPacketsCombo"};
    Label Label23{"Label23"};
    ComboBox RateCombo{"RateCombo"};
    GroupBox GroupBox9{"GroupBox9"};
    CheckBox loadas8bit{"loadas8bit"};
    CheckBox cgfootsteps{"cgfootsteps"};
    Label Label24{"Label24"};
    ComboBox SampleRateCombo{"SampleRateCombo"};
    Label Label25{"Label25"};
    Slider SoundVolume{"SoundVolume", 0, 10, 0, 1};

    // --- Help panels: caption, text and header strip of description and cvar line
    struct HelpPanel {
        Label& descriptionCaption;
        Label& description;
        Label& cvarCaption;
        Label& cvarLine;
        Picture& descriptionStrip;
        Picture& cvarStrip;
    };
    Label Label10{"Label10"}, LblDescriptRenderer{"LblDescriptRenderer"}, Label16{"Label16"},
        LblCvarRenderer{"LblCvarRenderer"};
    Label Label26{"Label26"}, LblDescriptClient{"LblDescriptClient"}, Label27{"Label27"},
        LblCvarClient{"LblCvarClient"};
    Label Label39{"Label39"}, LblRailDescript{"LblRailDescript"}, Label42{"Label42"},
        LblRailCvar{"LblRailCvar"};
    Label Label31{"Label31"}, LblNetDescript{"LblNetDescript"}, Label33{"Label33"},
        LblNetCvar{"LblNetCvar"};
    Picture ImgDescriptRen{"ImgDescriptRen"}, ImgCvarRen{"ImgCvarRen"};
    Picture ImgDescriptClient{"ImgDescriptClient"}, ImgCvarClient{"ImgCvarClient"};
    Picture ImgDescriptRail{"ImgDescriptRail"}, ImgCvarRail{"ImgCvarRail"};
    Picture ImgDescriptNet{"ImgDescriptNet"}, ImgCvarNet{"ImgCvarNet"};
    HelpPanel helpPanel(std::uint8_t pageCode);

    // --- Bottom row and timers (Save and Save & Test are operations of their own,
    // which the program runs for these buttons)
    Button SaveTestBtn{"SaveTestBtn"};
    Button SaveBtn{"SaveBtn"};
    Button ExitBtn{"ExitBtn"};
    Timer Timer1{"Timer1", 10};
    Timer Timer2{"Timer2", 150};

    // Set while the settings are as last confirmed for saving.
    bool SaveConfirmed = false;
    // Set by every save that reaches its confirmation: whether it went on to write.
    bool ConfigModified = false;

    // --- Navigation and help (option pages)
    void UpdateHelpPanel(std::uint8_t pageCode, const std::string& description,
                         const std::string& cvarLine);
    void TreeView1Change();
    Page& pageOf(std::uint8_t pageCode);
    void FitWindow();
    void ExitBtnClick();

    // --- Reactions with a rule or an exception to the common pattern
    void rfastskyClick();
    void rflaresClick();
    void rsubdivisionsChange();
    void PlayerPredictClick();
    void rlightmapClick();
    void TextureSizeComboChange();
    void TextureModeComboChange();
    void PlayerNameChange();
    void InnerWidthChange();
    void DistanceChange();
    void OuterWidthChange();

    // A click on a spot of the window not covered by a control.
    void FormClick();

    // --- Railgun styles
    void ApplyRailgunStyle(int style);
    void RailGunStyleComboChange();

    // --- Accelerator profiles and enable state
    void AcceleratorDropDown();
    void AcceleratorChange();
    void ApplyAcceleratorProfile(const AcceleratorProfile& profile);
    void ChangeEnableState(bool on);

    // --- Tune presets and defaults
    void ApplyBestPerformance();
    void ApplyBestVisualQuality();
    void ApplyBestOfBothWorlds();
    void TuneComboChange();
    void TuneComboDropDown();
    void DefaultBtnClick();
    void RestoreDefaults();

  private:
    void buildDesign();
    void wireReactions();
    // The common pattern of a setting's reaction: its help into the panel of its
    // page, then SaveConfirmed cleared.
    void showHelp(const Control& setting);
    void settingChanged(const Control& setting);

    Platform& platform_;
    ProgramState& state_;
};

}  // namespace brisko
