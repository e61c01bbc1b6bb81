// Restore Default Settings: one fixed set of values for the four pages,
// independent of the chosen accelerator.
#include <iterator>

#include "settings/assignments.h"
#include "settings/form1.h"

namespace brisko {

namespace {

struct DefaultRow {
    int row;
    const char* control;
    Value value;
};

using namespace values;

// clang-format off
constexpr DefaultRow kDefaults[] = {
    { 1, "rlightmaplighting",    on},
    { 2, "rvertexlight",         off},
    { 3, "rfullbright",          off},
    { 4, "rlightmap",            off},
    { 5, "rfastsky",             on},
    { 6, "rdrawsun",             off},
    { 7, "rnoportals",           on},
    { 8, "ShadowCombo",          pos(1)},
    { 9, "TextureModeCombo",     pos(3)},
    {10, "cgmarks",              on},
    {11, "rextcompresstextures", on},
    {12, "rfinish",              on},
    {13, "rflares",              off},
    {14, "rsimpleitems",         off},
    {15, "rignorehwgamma",       off},
    {16, "rsubdivisions",        slider(4)},
    {17, "GammaCombo",           pos(20)},
    {18, "IntensityCombo",       pos(40)},
    {19, "r_lodbiasCombo",       pos(1)},
    {20, "FlareSizeCombo",       pos(110)},
    {21, "TextureDepthCombo",    pos(0)},
    {22, "TextureSizeCombo",     pos(1)},
    {23, "ColorDepthCombo",      pos(0)},
    {24, "ResolutionCombo",      pos(2)},
    {25, "TuneCombo",            appendAndSelect(" Default Settings", 3)},
    {26, "cgbrasstimeCombo",     pos(8)},
    {27, "cgdrawammowarning",    on},
    {28, "cgdrawcrosshair",      on},
    {29, "cgdrawcrosshairnames", on},
    {30, "crosshairhealth",      on},
    {31, "cggun",                on},
    {32, "netgraph",             on},
    {33, "cgthirdperson",        off},
    {34, "clnoprint",            on},
    {35, "cgdrawtimer",          on},
    {36, "cgshowfps",            off},
    {37, "cgautoswitch",         on},
    {38, "cggibs",               on},
    {39, "rsmp",                 off},
    {40, "HandicapCombo",        pos(0)},
    {41, "SkinColorCombo",       pos(0)},
    {42, "FovCombo",             pos(7)},
    {43, "MaxFPSCombo",          pos(46)},
    {44, "clrun",                on},
    {45, "RailGunStyleCombo",    pos(0)},  // the selection only: rows 46 to 50 set the style
    {46, "EffectColorCombo",     pos(3)},
    {47, "RailTrailTimeCombo",   pos(21)},
    {48, "InnerWidth",           slider(16)},
    {49, "Distance",             slider(64)},
    {50, "OuterWidth",           slider(128)},
    {51, "PlayerPredict",        on},
    {52, "MaxPacketsCombo",      pos(60)},
    {53, "RateCombo",            pos(36)},
    {54, "loadas8bit",           on},
    {55, "cgfootsteps",          on},
    {56, "SampleRateCombo",      pos(1)},
    {57, "SoundVolume",          slider(7)},
    {58, "LblCurves",            caption("Curve Detail: 4")},
};
// clang-format on

constexpr bool rowsNumberedInOrder() {
    for (std::size_t i = 0; i < std::size(kDefaults); ++i)
        if (kDefaults[i].row != static_cast<int>(i) + 1) return false;
    return true;
}
static_assert(rowsNumberedInOrder());

}  // namespace

void TForm1::DefaultBtnClick() {
    const Answer answer =
        showMessage(platform_.messages, MessageKind::Warning, Buttons::YesNo,
                    "Are you sure you want to discard your settings and restore the defaults?");
    if (answer != Answer::Yes) return;
    RestoreDefaults();
    SaveConfirmed = false;
}

void TForm1::RestoreDefaults() {
    for (const DefaultRow& row : kDefaults) assign(*this, row.control, row.value);
}

}  // namespace brisko
