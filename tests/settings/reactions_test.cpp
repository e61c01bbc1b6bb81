// The reactions of the setting controls: the common pattern, its exceptions and
// the rules that act on other controls.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "settings/catalogue.h"
#include "support/form_fixture.h"

namespace brisko {
namespace {

using test::FormFixture;

// Makes a change of the control as a user would, so that its reaction runs.
void changeAsUser(Control& control) {
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->toggle();
    } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        for (RadioButton* other : radio->group().buttons())
            if (other != radio) other->setChecked(true);
        radio->setChecked(true);
    } else if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        combo->userSelect(0);
    } else if (auto* slider = dynamic_cast<Slider*>(&control)) {
        slider->setPosition(slider->position() == slider->min() ? slider->max() : slider->min());
    }
}

// Every setting whose reaction follows the common pattern: its page code, description
// and cvar line.
// clang-format off
const SettingHelp kHelp[] = {
    {"rlightmaplighting", 0, "Lightmap lighting (or lightmapping) is a kind of shadow lighting effect. Mutually exclusive with vertex lighting. This setting improves aesthetics but incures a performance penalty.", "r_vertexlight [0/1] Default: 1"},
    {"rvertexlight", 0, "Vertex lighting is the opposite of lightmap lighting. You loose shadows and the lighting effect from certain entities but faster performance is achieved when this setting is enabled.", "r_vertexlight [0/1] default: 0"},
    {"rdynamiclight", 0, "Enables certain entities/projectiles to emit light in real time.", "r_dynamiclight [0/1] default: 1"},
    {"rfullbright", 0, "No lightmaps are rendered when this option is enabled, leaving no dynamic shadings/lighting and causing considerable performance loss (especially in enclosed areas). Cheats 1 must be set to toggle this option.", "r_fullbright [0/1] default: 0"},
    {"rlightmap", 0, "Renders only lightmaps, no textures are visible but gouraud-shading is still implemented. Cheats 1 must be set to toggle this option.", "r_lightmap [0/1] default: 0"},
    {"rfastsky", 0, "Toggles the rendering of sky and view through portals/sun effect. Reasonable performance gains can be made from disabling high quality sky, though portals will appear beige.", "r_fastsky [0/1] default: 0"},
    {"rdrawsun", 0, "Toggles the drawing of the sun and accompanying glare in the sky/shadows cast. Notable performance gains can be made by disabling high quality sky.", "r_drawsun [0/1] default: 0"},
    {"rnoportals", 0, "Toggles the player view through portals.", "r_noportals [0/1] default: 0"},
    {"GammaCombo", 0, "Sets brightness. Higher than 2 is not recommended since you'll lose most of the texturing", "r_gamma [0 - 3] default: 1"},
    {"IntensityCombo", 0, "This does not affect performance but it greatly affects visuals. The higher the value, the less dark spots/corners within a map. However, you'll lose certain texturing, most noticeably on weapons.", "r_intensity [1 - 5] default: 1"},
    {"r_lodbiasCombo", 0, "Sets weapon detail.", "r_lodbias [0 - 2] default: 0"},
    {"FlareSizeCombo", 0, "Sets flare radius.", "r_flaresize [integer] default: 40"},
    {"rsubdivisions", 0, "Sets the Level-Of-Detail (LOD). An example would be the complexity of curves. High geometry detail sets r_subdivisions to 4, while low geometry detail sets it to 999.", "r_subdivisions [1 to 999] default: 4"},
    {"ShadowCombo", 0, "Sets type of shadows rendering.", "cg_shadows [integer] default: 1"},
    {"TextureModeCombo", 0, "Sets texture filtering mode.", "r_texturemode [GL_NEAREST/GL_NEAREST_MIPMAP/GL_LINEAR/GL_LINEAR_MIPMAP_NEAREST/ GL_LINEAR_MIPMAP_LINEAR]  default: GL_LINEAR_MIPMAP_NEAREST"},
    {"cgmarks", 0, "Toggles gunshot marks on walls. For older chipsets (such as Voodoo1) considerable performance gains can be achieved by disabling this option.", "cg_marks [0/1] default: 1"},
    {"rextcompresstextures", 0, "Toggles hardware texture compression if available. Savage 4 owners should enable this option.", "r_ext_compress_textures [0/1] default: 1"},
    {"rfinish", 0, "Toggles syncing to frames. Enabling basically instructs hardware to inform game that GL calls have been completed. This will make sure you don't get teared images.", "r_finish [0/1] default: 1"},
    {"rflares", 0, "Toggles lighting flares effect (lights and weapon projectiles). Flares can hinder gameplay visibility and performance gains can be achieved by disabling this feature.", "r_flares [0/1] default: 0"},
    {"rsimpleitems", 0, "Toggles the drawing of graphic details of some entities, such as health spheres.", "cg_simpleitems [0/1] default: 0"},
    {"rignorehwgamma", 0, "Toggles option to ignore external (not in-game) hardware gamma level setting made within Windows9x's Display Properties.", "r_ignorehwgamma [0/1] default: 0"},
    {"TextureDepthCombo", 0, "Sets the texture quality.", "r_texturebits [0 to 32] default: 0"},
    {"TextureSizeCombo", 0, "Sets maximum texture size.", "r_picmip [0 to 3] default: 1"},
    {"ColorDepthCombo", 0, "Sets the color depth.", "r_colorbits [0 to 32] default: 0"},
    {"ResolutionCombo", 0, "Sets the video mode.", "r_mode [1 - 10] default: 3 (640x480)"},
    {"cgdrawammowarning", 1, "Toggles the \"Low Ammo Warning\" on the player screen.", "cg_drawammowarning [0/1] default: 1"},
    {"cgdrawcrosshair", 1, "Toggles the drawing of the crosshair.", "cg_drawcrosshair [0/1] default: 1"},
    {"cgdrawcrosshairnames", 1, "Toggles the ID display of other players when your crosshair is on them.", "cg_drawcrosshairnames [0/1] default: 1"},
    {"crosshairhealth", 1, "Toggles the color-changing property of the crosshair based on the player's current health.", "cg_crosshairhealth [0/1] default: 1"},
    {"cggun", 1, "Toggles the rendering of the weapon model.", "cg_gun [0/1] default: 1"},
    {"netgraph", 1, "Select this option to display the netgraph.", "cg_lagometer 1 default: 1"},
    {"fragcounter", 1, "Select this option to display the frag counter.", "cg_lagometer 0 default: 1"},
    {"cgthirdperson", 1, "Toggles third person view.", "cg_thirdperson [0/1] default: 0"},
    {"clnoprint", 1, "Toggles the writing of console echoes and player messages in the console buffer, and therefore on the screen.", "cl_noprint [0/1] default: 0"},
    {"MsgDisplayCombo", 1, "Sets the amount of time console messages will appear on screen.", "con_notifytime [time in seconds] default: 3"},
    {"cgshowfps", 1, "Toggles the frame rate counter. This cannot be displayed at the same time as the timer.", "cg_drawfps [0/1] default: 0"},
    {"cgdrawtimer", 1, "Toggles the game timer. This cannot be displayed at the same time as the frame rate counter.", "cg_drawtimer [0/1] default: 1"},
    {"cgautoswitch", 1, "Toggles the automatic switching to the weapon the player has just picked up.", "cg_autoswitch [0/1] default: 1"},
    {"cggibs", 1, "Toggles the rendering of gibs.", "cg_gibs [0/1] default: 1"},
    {"rsmp", 1, "Toggles multiprocessor acceleration support.", "r_smp [0/1] default: 0"},
    {"cgbrasstimeCombo", 1, "Sets how long weapon effects (like the ejected shells from the shotgun) will be rendered.", "cg_brasstime [milli-seconds] default: 1250"},
    {"HandicapCombo", 1, "Sets the maximum health of the player when spawned. Setting to a lower number while alive causes the health to slowly erode.", "handicap [number of health points] default: 100"},
    {"SkinColorCombo", 1, "Sets the player skin colour.", "model [model/skin] default: \"visor/default\""},
    {"FovCombo", 1, "Sets the size of the field of view. Values over 90 prevent the gun model from appearing.", "cg_fov [value in degrees] default: 90"},
    {"MaxFPSCombo", 1, "Sets the maximum framerate. Setting to 0 disables maxfps.", "com_maxfps [value] default: 0"},
    {"clrun", 1, "Toggles 'always run'. ", "cl_run [0/1] default: 1"},
    {"EffectColorCombo", 2, "Sets the effects color for the railgun.", "color1 [1 - 7] default: 4"},
    {"RailTrailTimeCombo", 2, "Sets the amount of time the railgun slug trail is visible.", "cg_railtrailtime [value] default: 400"},
    {"InnerWidth", 2, "Sets the innerwidth of the Railgun trail.", "r_railcorewidth [value] default: 16"},
    {"Distance", 2, "Sets the distance between the coils when the Railgun is fired.", "r_railsegmentlength [value] default: 64"},
    {"OuterWidth", 2, "Sets the outer trail width when the Railgun is fired.", "r_railwidth [value] default: 128"},
    {"PlayerPredict", 3, "Toggles client-side player prediction. Disabling causes the client to wait for updates from the server before updating the local machine.", "cg_nopredict [0/1] default:0"},
    {"MaxPacketsCombo", 3, "Sets maximum client transmission packet size. Optimum setting dependent on hardware type and connection quality.", "cl_maxpackets [value] default: 30"},
    {"RateCombo", 3, "Sets communication rate between client and server.", "rate [value] default: 3000"},
    {"loadas8bit", 3, "Toggles loading sound files as 8-bit.", "s_loadas8bit [0/1] default: 1"},
    {"cgfootsteps", 3, "Toggles player footstep sounds.", "cg_footsteps [0/1] default: 1"},
    {"SampleRateCombo", 3, "Sets the sampling rate, and therefore the quality of game sounds.", "s_khz [value] default: 22"},
    {"SoundVolume", 3, "Sets the game sounds volume level.", "s_volume [0 to 1] default: 0.7"},
};
// clang-format on

struct CommonPatternTest : FormFixture, ::testing::WithParamInterface<SettingHelp> {};

TEST_P(CommonPatternTest, ShowsItsHelpOnItsPageAndClearsSaveConfirmed) {
    const SettingHelp& row = GetParam();
    Control* control = form.find(std::string(row.control));
    ASSERT_NE(control, nullptr);
    if (row.control == "rlightmap") {
        form.rlightmap.setChecked(false);  // its help shows only when checked
    }
    form.SaveConfirmed = true;
    changeAsUser(*control);
    if (row.control == "rlightmap" && !form.rlightmap.checked()) changeAsUser(*control);

    EXPECT_EQ(help(row.page),
              std::make_pair(std::string(row.description), std::string(row.cvarLine)));
    const bool keepsConfirmation =
        row.control == "TextureSizeCombo" || row.control == "TextureModeCombo";
    EXPECT_EQ(form.SaveConfirmed, keepsConfirmation);
}

INSTANTIATE_TEST_SUITE_P(EverySetting, CommonPatternTest, ::testing::ValuesIn(kHelp),
                         [](const auto& info) { return std::string(info.param.control); });

// Changes that run no setting's help: every panel stays as it was, and only
// the player name and the lightmap box clear SaveConfirmed.
TEST_F(FormFixture, ChangesOutsideTheCommonPatternLeaveTheHelpPanels) {
    struct Case {
        const char* title;
        std::function<void()> change;
        bool clearsConfirmation;
    };
    const Case cases[] = {
        {"program selection of a list", [&] { form.GammaCombo.setItemIndex(3); }, false},
        {"user pick in ComboModel", [&] { form.ComboModel.userSelect(1); }, false},
        {"click on the checked netgraph", [&] { form.netgraph.setChecked(true); }, false},
        {"typing a player name", [&] { form.PlayerName.setText("Sarge"); }, true},
        {"unchecking the lightmap", [&] { form.rlightmap.setChecked(false); }, true},
    };
    form.rlightmap.setChecked(true);
    const auto kept = std::make_pair(std::string("before"), std::string("line"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        for (std::uint8_t page = 0; page < 4; ++page) form.UpdateHelpPanel(page, "before", "line");
        form.SaveConfirmed = true;
        c.change();
        EXPECT_EQ(form.SaveConfirmed, !c.clearsConfirmation);
        for (std::uint8_t page = 0; page < 4; ++page) EXPECT_EQ(help(page), kept) << page;
    }
}

// Unchecking the sky unchecks and disables the sun and portal boxes first (their
// reactions run when they were checked), then shows its own help.
TEST_F(FormFixture, SkyRuleRunsTheBoxReactionsBeforeItsOwnHelp) {
    const std::string sun(helpOf("rdrawsun").description);
    const std::string portals(helpOf("rnoportals").description);
    const std::string sky(helpOf("rfastsky").description);
    struct Case {
        bool sun, portals;
        std::vector<std::string> descriptions;
    };
    for (const Case& c : {Case{true, true, {sun, portals, sky}}, Case{false, true, {portals, sky}},
                          Case{false, false, {sky}}}) {
        SCOPED_TRACE(testing::Message() << "sun " << c.sun << ", portals " << c.portals);
        form.rfastsky.setChecked(true);  // enables the boxes and leaves them unchecked
        EXPECT_TRUE(form.rdrawsun.enabled());
        EXPECT_TRUE(form.rnoportals.enabled());
        EXPECT_FALSE(form.rdrawsun.checked());
        EXPECT_FALSE(form.rnoportals.checked());
        form.rdrawsun.setChecked(c.sun);
        form.rnoportals.setChecked(c.portals);
        form.UpdateHelpPanel(kRendererPage, "before", "");
        auto& descriptions = record(form.LblDescriptRenderer);

        form.rfastsky.setChecked(false);

        EXPECT_EQ(descriptions, c.descriptions);
        EXPECT_EQ(help(kRendererPage).second, helpOf("rfastsky").cvarLine);
        EXPECT_FALSE(form.rdrawsun.checked());
        EXPECT_FALSE(form.rdrawsun.enabled());
        EXPECT_FALSE(form.rnoportals.checked());
        EXPECT_FALSE(form.rnoportals.enabled());
    }
}

TEST_F(FormFixture, FlareRuleFollowsTheBoxAndKeepsTheSize) {
    form.rflares.setChecked(true);
    EXPECT_TRUE(form.FlareSizeCombo.enabled());
    EXPECT_TRUE(form.LblFlareSize.enabled());
    form.FlareSizeCombo.setItemIndex(130);
    form.rflares.setChecked(false);
    EXPECT_FALSE(form.FlareSizeCombo.enabled());
    EXPECT_FALSE(form.LblFlareSize.enabled());
    EXPECT_EQ(form.FlareSizeCombo.itemIndex(), 130);
}

// The warning comes while the help still shows what it showed, and only when
// the box is unchecked; it does not undo the change.
TEST_F(FormFixture, UncheckingPredictionWarnsBeforeTheHelp) {
    form.PlayerPredict.setChecked(true);
    EXPECT_TRUE(sp.messages.shown.empty());
    form.UpdateHelpPanel(kNetworkPage, "before", "");
    std::string helpWhileWarning;
    sp.messages.onShow = [&](const Message&) { helpWhileWarning = form.LblNetDescript.caption(); };
    form.PlayerPredict.setChecked(false);
    EXPECT_EQ(sp.messages.shown,
              test::Boxes{test::warningBox(
                  "It is not advised to disabled client-side player prediction.")});
    EXPECT_EQ(helpWhileWarning, "before");
    EXPECT_EQ(form.LblNetDescript.caption(), helpOf("PlayerPredict").description);
    EXPECT_FALSE(form.PlayerPredict.checked());
    form.PlayerPredict.setChecked(true);
    EXPECT_EQ(sp.messages.shown.size(), 1u);
}

// Slider labels show the position after clamping.
TEST_F(FormFixture, SliderLabelsShowTheirPositions) {
    const std::tuple<Slider*, int, Label*, const char*> cases[] = {
        {&form.rsubdivisions, 1, &form.LblCurves, "Curve Detail: 1"},
        {&form.rsubdivisions, 2000, &form.LblCurves, "Curve Detail: 999"},
        {&form.OuterWidth, 150, &form.LblOuterWidth, "Outer Trail Width: 150"},
        {&form.InnerWidth, 0, &form.LblInnerWidth, "Inner Trail Width: 1"},
        {&form.Distance, 5, &form.LblDistance, "Distance Between Coils: 5"},
    };
    for (const auto& [slider, position, label, caption] : cases) {
        slider->setPosition(position);
        EXPECT_EQ(label->caption(), caption);
    }
}

TEST_F(FormFixture, CheckingVertexLightUnchecksLightmapAndRunsOnlyItsOwnReaction) {
    auto& descriptions = record(form.LblDescriptRenderer);
    form.rvertexlight.setChecked(true);
    EXPECT_FALSE(form.rlightmaplighting.checked());
    EXPECT_EQ(descriptions,
              std::vector<std::string>{std::string(helpOf("rvertexlight").description)});
}

TEST_F(FormFixture, ExitEndsTheProgramWithoutAQuestion) {
    form.SaveConfirmed = false;
    form.ExitBtn.click();
    EXPECT_TRUE(sp.app.requested);
    EXPECT_TRUE(sp.messages.shown.empty());
}

}  // namespace
}  // namespace brisko
