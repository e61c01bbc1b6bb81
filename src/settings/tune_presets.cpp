// The tune presets: fixed values for about forty settings on all four pages,
// chosen for speed, for looks or for a balance of the two. A few values depend
// on the chosen accelerator.
#include "settings/tune_presets.h"

#include <array>
#include <iterator>
#include <numeric>
#include <utility>

#include "settings/accelerator_profiles.h"
#include "settings/assignments.h"
#include "settings/form1.h"

namespace brisko {

namespace {

enum Preset { kBestPerformance, kBestVisualQuality, kBestOfBothWorlds, kPresetCount };

// Columns of the per-accelerator values.
enum Column {
    kPerformanceResolution,
    kVisualShadows,
    kVisualColourDepth,
    kVisualResolution,
    kBothResolution,
    kColumnCount
};

struct AcceleratorValues {
    const char* item;  // the accelerator, by accelerator number
    int positions[kColumnCount];
};

// Positions in the lists as the accelerator's profile leaves them.
// clang-format off
constexpr AcceleratorValues kPerAccelerator[] = {
    //                        Perf.  Visual: shadows colour res.  Both
    {"ATi Rage Fury",       {  2,            2,      2,     5,     3}},
    {"Intel i740",          {  1,            1,      1,     3,     2}},
    {"nVidia TNT",          {  2,            2,      2,     5,     3}},
    {"nVidia TNT 2",        {  2,            2,      2,     5,     3}},
    {"Matrox G200",         {  1,            1,      1,     2,     2}},
    {"Matrox G400",         {  2,            2,      2,     5,     3}},
    {"3Dfx Voodoo 1",       {  1,            1,      1,     2,     2}},
    {"3Dfx Voodoo 2",       {  1,            1,      1,     3,     2}},
    {"3Dfx SLI Voodoo 2",   {  2,            1,      1,     5,     3}},
    {"3Dfx Voodoo 3",       {  2,            1,      1,     5,     3}},
};

struct PresetRow {
    int row;
    Member<TForm1> control;
    Value values[kPresetCount];  // " Best Performance", " Best Visual Quality", " Best of Both Worlds"
};

using namespace values;
using F = TForm1;

constexpr PresetRow kRows[] = {
    { 1, &F::rvertexlight,         {on,                         off,                        off}},
    { 2, &F::rdynamiclight,        {off,                        on,                         off}},
    { 3, &F::rlightmaplighting,    {none,                       on,                         on}},
    { 4, &F::rfullbright,          {off,                        off,                        off}},
    { 5, &F::rlightmap,            {off,                        off,                        off}},
    { 6, &F::rfastsky,             {off,                        on,                         on}},
    { 7, &F::rnoportals,           {none,                       on,                         on}},
    { 8, &F::rdrawsun,             {none,                       on,                         off}},
    { 9, &F::ShadowCombo,          {pos(0),                     perAccelerator(kVisualShadows), pos(0)}},
    {10, &F::TextureModeCombo,     {pos(3),                     pos(4),                     pos(4)}},
    {11, &F::cgmarks,              {off,                        on,                         on}},
    {12, &F::rextcompresstextures, {on,                         off,                        off}},
    {13, &F::rfinish,              {off,                        on,                         on}},
    {14, &F::rflares,              {off,                        on,                         on}},
    {15, &F::FlareSizeCombo,       {pos(150),                   pos(110),                   pos(130)}},
    {16, &F::rsimpleitems,         {on,                         off,                        off}},
    {17, &F::rignorehwgamma,       {on,                         on,                         on}},
    {18, &F::r_lodbiasCombo,       {pos(2),                     pos(0),                     pos(0)}},
    {19, &F::rsubdivisions,        {slider(999),                slider(1),                  slider(10)}},
    {20, &F::TextureSizeCombo,     {pos(2),                     pos(0),                     pos(1)}},
    {21, &F::TextureDepthCombo,    {pos(0),                     pos(2),                     pos(1)}},
    {22, &F::ColorDepthCombo,      {pos(0),                     perAccelerator(kVisualColourDepth), pos(1)}},
    {23, &F::ResolutionCombo,      {perAccelerator(kPerformanceResolution), perAccelerator(kVisualResolution), perAccelerator(kBothResolution)}},
    {24, &F::cgbrasstimeCombo,     {fromEnd(1),                 fromEnd(11),                fromEnd(9)}},
    {25, &F::cggibs,               {off,                        on,                         on}},
    {26, &F::cgdrawammowarning,    {on,                         on,                         on}},
    {27, &F::cgdrawcrosshair,      {on,                         on,                         on}},
    {28, &F::cgdrawcrosshairnames, {on,                         on,                         on}},
    {29, &F::crosshairhealth,      {on,                         on,                         on}},
    {30, &F::cggun,                {off,                        on,                         on}},
    {31, &F::netgraph,             {buttonOn(&F::fragcounter),  on,                         on}},
    {32, &F::cgthirdperson,        {off,                        off,                        off}},
    {33, &F::clnoprint,            {on,                         on,                         on}},
    {34, &F::cgshowfps,            {on,                         on,                         on}},
    {35, &F::MaxFPSCombo,          {item("0"),                  item("0"),                  item("0")}},
    {36, &F::clrun,                {on,                         on,                         on}},
    {37, &F::RailGunStyleCombo,    {railStyle(3),               railStyleRepainted(1),      railStyle(0)}},
    {38, &F::PlayerPredict,        {on,                         on,                         on}},
    {39, &F::loadas8bit,           {on,                         off,                        off}},
    {40, &F::cgfootsteps,          {off,                        on,                         on}},
    {41, &F::SampleRateCombo,      {pos(0),                     pos(1),                     pos(1)}},
    {42, &F::SoundVolume,          {slider(7),                  slider(7),                  slider(7)}},
};
// clang-format on
constexpr int kRowCount = static_cast<int>(std::size(kRows));
static_assert(std::size(kPerAccelerator) == 10, "one row per accelerator");

constexpr bool rowsNumberedInOrder() {
    for (int i = 0; i < kRowCount; ++i)
        if (kRows[i].row != i + 1) return false;
    return true;
}
static_assert(rowsNumberedInOrder(), "the swaps name rows by number");

// " Best Performance" selects the flare size before it sets the flares, and the
// texture depth before the texture size.
constexpr std::pair<int, int> kBestPerformanceSwaps[] = {{14, 15}, {20, 21}};

std::array<int, kRowCount> rowOrder(Preset preset) {
    std::array<int, kRowCount> order{};
    std::iota(order.begin(), order.end(), 0);
    if (preset == kBestPerformance)
        for (auto [first, second] : kBestPerformanceSwaps)
            std::swap(order[first - 1], order[second - 1]);
    return order;
}

void applyPreset(TForm1& form, Preset preset) {
    for (int index : rowOrder(preset)) {
        const PresetRow& row = kRows[index];
        Value value = row.values[preset];
        if (value.kind == Value::Kind::PerAccelerator) {
            const auto number = AcceleratorNumber(form.Accelerator);
            if (!number) continue;
            value = pos(kPerAccelerator[*number].positions[value.n]);
        }
        Assign(form, row.control, value);
    }
}

}  // namespace

void ApplyTunePresetAt(TForm1& form, int position) {
    switch (position) {
        case kBestPerformance:
            form.ApplyBestPerformance();
            break;
        case kBestVisualQuality:
            form.ApplyBestVisualQuality();
            break;
        case kBestOfBothWorlds:
            form.ApplyBestOfBothWorlds();
            break;
        default:
            break;
    }
}

void TForm1::ApplyBestPerformance() {
    applyPreset(*this, kBestPerformance);
}
void TForm1::ApplyBestVisualQuality() {
    applyPreset(*this, kBestVisualQuality);
}
void TForm1::ApplyBestOfBothWorlds() {
    applyPreset(*this, kBestOfBothWorlds);
}

void TForm1::TuneComboChange() {
    ApplyTunePresetAt(*this, TuneCombo.itemIndex());
}

// Leaves the three preset items, " Best Performance" selected, without applying it.
void TForm1::TuneComboDropDown() {
    constexpr int kPresetItems = 3;
    if (TuneCombo.count() <= kPresetItems) return;
    while (TuneCombo.count() > kPresetItems) TuneCombo.deleteItem(TuneCombo.count() - 1);
    TuneCombo.setItemIndex(0);
}

}  // namespace brisko
