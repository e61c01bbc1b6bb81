#include "writer_support.h"

#include <grp.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "config/config_file.h"

namespace brisko::test {

namespace fs = std::filesystem;

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(missing)";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string goldenFile(const std::string& name) {
    const std::string path = std::string(BRISKO_SOURCE_DIR) + "/tests/config/golden/" + name;
    if (!fs::is_regular_file(path)) throw std::runtime_error("missing golden file " + path);
    return readBytes(path);
}

bool becomeNobody() {
    const gid_t nogroup = 65534;
    return ::setgroups(0, nullptr) == 0 && ::setresgid(nogroup, nogroup, nogroup) == 0 &&
           ::setresuid(65534, 65534, 65534) == 0;
}

void applySettings(TForm1& form, std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        std::visit(
            Overloaded{
                [&](CheckBox* box) { box->setChecked(s.value != 0); },
                [&](RadioButton* radio) { radio->setChecked(s.value != 0); },
                [&](ComboBox* list) { list->setItemIndex(s.value); },
                [&](Slider* slider) { slider->setPosition(s.value); },
                [&](Control* other) { ADD_FAILURE() << "no setting control " << other->name(); },
            },
            s.control.in(form));
    }
}

namespace {

using F = TForm1;

// clang-format off
const Setting kStateA[] = {
    {&F::rlightmaplighting, 1}, {&F::rdynamiclight, 1}, {&F::rfullbright, 0}, {&F::rlightmap, 1},
    {&F::rfastsky, 1}, {&F::rdrawsun, 1}, {&F::rnoportals, 0}, {&F::ShadowCombo, 3},
    {&F::TextureModeCombo, 4}, {&F::cgmarks, 1}, {&F::rextcompresstextures, 0}, {&F::rfinish, 1},
    {&F::FlareSizeCombo, 110}, {&F::rflares, 1}, {&F::rsimpleitems, 0}, {&F::rignorehwgamma, 1},
    {&F::rsubdivisions, 4}, {&F::GammaCombo, 18}, {&F::IntensityCombo, 38}, {&F::r_lodbiasCombo, 0},
    {&F::TextureDepthCombo, 2}, {&F::TextureSizeCombo, 1}, {&F::ColorDepthCombo, 1},
    {&F::ResolutionCombo, 3}, {&F::MsgDisplayCombo, 3}, {&F::cgdrawammowarning, 1},
    {&F::cgdrawcrosshair, 1}, {&F::cgdrawcrosshairnames, 0}, {&F::crosshairhealth, 1}, {&F::cggun, 0},
    {&F::netgraph, 1}, {&F::cgthirdperson, 0}, {&F::clnoprint, 1}, {&F::cgshowfps, 1}, {&F::cgautoswitch, 0},
    {&F::cgbrasstimeCombo, 3}, {&F::cggibs, 1}, {&F::rsmp, 0}, {&F::HandicapCombo, 0}, {&F::ComboModel, 1},
    {&F::EffectColorCombo, 3}, {&F::FovCombo, 14}, {&F::MaxFPSCombo, 44}, {&F::clrun, 1},
    {&F::RailTrailTimeCombo, 21}, {&F::InnerWidth, 12}, {&F::Distance, 40}, {&F::OuterWidth, 100},
    {&F::PlayerPredict, 1}, {&F::MaxPacketsCombo, 62}, {&F::RateCombo, 3}, {&F::loadas8bit, 0},
    {&F::cgfootsteps, 1}, {&F::SampleRateCombo, 1}, {&F::SoundVolume, 7},
};

// The sun and portal boxes are checked again after the sky is unchecked.
const Setting kStateB[] = {
    {&F::rvertexlight, 1}, {&F::rdynamiclight, 0}, {&F::rfullbright, 1}, {&F::rlightmap, 0},
    {&F::rfastsky, 0}, {&F::rdrawsun, 1}, {&F::rnoportals, 1}, {&F::ShadowCombo, 1},
    {&F::TextureModeCombo, 0}, {&F::cgmarks, 0}, {&F::rextcompresstextures, 1}, {&F::rfinish, 0},
    {&F::FlareSizeCombo, 150}, {&F::rflares, 0}, {&F::rsimpleitems, 1}, {&F::rignorehwgamma, 0},
    {&F::rsubdivisions, 999}, {&F::GammaCombo, 30}, {&F::IntensityCombo, 0}, {&F::r_lodbiasCombo, 2},
    {&F::TextureDepthCombo, 0}, {&F::TextureSizeCombo, 3}, {&F::ColorDepthCombo, 2},
    {&F::ResolutionCombo, 9}, {&F::MsgDisplayCombo, 0}, {&F::cgdrawammowarning, 0},
    {&F::cgdrawcrosshair, 0}, {&F::cgdrawcrosshairnames, 1}, {&F::crosshairhealth, 0}, {&F::cggun, 1},
    {&F::fragcounter, 1}, {&F::cgthirdperson, 1}, {&F::clnoprint, 0}, {&F::cgdrawtimer, 1},
    {&F::cgautoswitch, 1}, {&F::cgbrasstimeCombo, 16}, {&F::cggibs, 0}, {&F::rsmp, 1},
    {&F::HandicapCombo, 99}, {&F::ComboModel, 0}, {&F::SkinColorCombo, 1}, {&F::EffectColorCombo, 6}, {&F::FovCombo, 23},
    {&F::MaxFPSCombo, 55}, {&F::clrun, 0}, {&F::RailTrailTimeCombo, 25}, {&F::InnerWidth, 1},
    {&F::Distance, 100}, {&F::OuterWidth, 150}, {&F::PlayerPredict, 0}, {&F::MaxPacketsCombo, 72},
    {&F::RateCombo, 44}, {&F::loadas8bit, 1}, {&F::cgfootsteps, 0}, {&F::SampleRateCombo, 0},
    {&F::SoundVolume, 10},
};
// clang-format on

}  // namespace

std::span<const Setting> stateA() {
    return kStateA;
}
std::span<const Setting> stateB() {
    return kStateB;
}

std::vector<std::string> crlfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

void WriterFixture::useConfig(const std::string& bytes, const std::string& name) {
    config = folder.path(name);
    writeBytes(config, bytes);
    ChooseConfig(state, config);
}

void WriterFixture::save() {
    DispatchUserEvent(sp.messages, [this] { form.SaveBtn.click(); });
}

}  // namespace brisko::test
