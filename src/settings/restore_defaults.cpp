// Restore Default Settings: one fixed set of values for the four pages,
// independent of the chosen accelerator.
#include <iterator>

#include "settings/assignments.h"
#include "settings/form1.h"

namespace brisko {

namespace {

struct DefaultRow {
    int row;
    Member<TForm1> control;
    Value value;
};

using namespace values;
using F = TForm1;

// clang-format off
constexpr DefaultRow kDefaults[] = {
    { 1, &F::rlightmaplighting,    on},
    { 2, &F::rvertexlight,         off},
    { 3, &F::rfullbright,          off},
    { 4, &F::rlightmap,            off},
    { 5, &F::rfastsky,             on},
    { 6, &F::rdrawsun,             off},
    { 7, &F::rnoportals,           on},
    { 8, &F::ShadowCombo,          pos(1)},
    { 9, &F::TextureModeCombo,     pos(3)},
    {10, &F::cgmarks,              on},
    {11, &F::rextcompresstextures, on},
    {12, &F::rfinish,              on},
    {13, &F::rflares,              off},
    {14, &F::rsimpleitems,         off},
    {15, &F::rignorehwgamma,       off},
    {16, &F::rsubdivisions,        slider(4)},
    {17, &F::GammaCombo,           pos(20)},
    {18, &F::IntensityCombo,       pos(40)},
    {19, &F::r_lodbiasCombo,       pos(1)},
    {20, &F::FlareSizeCombo,       pos(110)},
    {21, &F::TextureDepthCombo,    pos(0)},
    {22, &F::TextureSizeCombo,     pos(1)},
    {23, &F::ColorDepthCombo,      pos(0)},
    {24, &F::ResolutionCombo,      pos(2)},
    {25, &F::TuneCombo,            appendAndSelect(" Default Settings", 3)},
    {26, &F::cgbrasstimeCombo,     pos(8)},
    {27, &F::cgdrawammowarning,    on},
    {28, &F::cgdrawcrosshair,      on},
    {29, &F::cgdrawcrosshairnames, on},
    {30, &F::crosshairhealth,      on},
    {31, &F::cggun,                on},
    {32, &F::netgraph,             on},
    {33, &F::cgthirdperson,        off},
    {34, &F::clnoprint,            on},
    {35, &F::cgdrawtimer,          on},
    {36, &F::cgshowfps,            off},
    {37, &F::cgautoswitch,         on},
    {38, &F::cggibs,               on},
    {39, &F::rsmp,                 off},
    {40, &F::HandicapCombo,        pos(0)},
    {41, &F::SkinColorCombo,       pos(0)},
    {42, &F::FovCombo,             item("90")},
    {43, &F::MaxFPSCombo,          item("0")},
    {44, &F::clrun,                on},
    {45, &F::RailGunStyleCombo,    pos(0)},  // the selection only: rows 46 to 50 set the style
    {46, &F::EffectColorCombo,     pos(3)},
    {47, &F::RailTrailTimeCombo,   pos(21)},
    {48, &F::InnerWidth,           slider(16)},
    {49, &F::Distance,             slider(64)},
    {50, &F::OuterWidth,           slider(128)},
    {51, &F::PlayerPredict,        on},
    {52, &F::MaxPacketsCombo,      item("30")},
    {53, &F::RateCombo,            item("3000")},
    {54, &F::loadas8bit,           on},
    {55, &F::cgfootsteps,          on},
    {56, &F::SampleRateCombo,      pos(1)},
    {57, &F::SoundVolume,          slider(7)},
    {58, &F::LblCurves,            caption("Curve Detail: 4")},
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
        ShowMessage(platform_.messages, MessageKind::Warning, Buttons::YesNo,
                    "Are you sure you want to discard your settings and restore the defaults?");
    if (answer != Answer::Yes) return;
    RestoreDefaults();
    SaveConfirmed = false;
}

void TForm1::RestoreDefaults() {
    for (const DefaultRow& row : kDefaults) Assign(*this, row.control, row.value);
}

}  // namespace brisko
