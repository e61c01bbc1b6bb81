#include "writer_support.h"

#include <grp.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

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
        Control* control = form.find(s.control);
        if (auto* box = dynamic_cast<CheckBox*>(control))
            box->setChecked(s.value != 0);
        else if (auto* radio = dynamic_cast<RadioButton*>(control))
            radio->setChecked(s.value != 0);
        else if (auto* list = dynamic_cast<ComboBox*>(control))
            list->setItemIndex(s.value);
        else if (auto* slider = dynamic_cast<Slider*>(control))
            slider->setPosition(s.value);
        else
            ADD_FAILURE() << "no setting control " << s.control;
    }
}

namespace {

// clang-format off
const Setting kStateA[] = {
    {"rlightmaplighting", 1}, {"rdynamiclight", 1}, {"rfullbright", 0}, {"rlightmap", 1},
    {"rfastsky", 1}, {"rdrawsun", 1}, {"rnoportals", 0}, {"ShadowCombo", 3},
    {"TextureModeCombo", 4}, {"cgmarks", 1}, {"rextcompresstextures", 0}, {"rfinish", 1},
    {"FlareSizeCombo", 110}, {"rflares", 1}, {"rsimpleitems", 0}, {"rignorehwgamma", 1},
    {"rsubdivisions", 4}, {"GammaCombo", 18}, {"IntensityCombo", 38}, {"r_lodbiasCombo", 0},
    {"TextureDepthCombo", 2}, {"TextureSizeCombo", 1}, {"ColorDepthCombo", 1},
    {"ResolutionCombo", 3}, {"MsgDisplayCombo", 3}, {"cgdrawammowarning", 1},
    {"cgdrawcrosshair", 1}, {"cgdrawcrosshairnames", 0}, {"crosshairhealth", 1}, {"cggun", 0},
    {"netgraph", 1}, {"cgthirdperson", 0}, {"clnoprint", 1}, {"cgshowfps", 1}, {"cgautoswitch", 0},
    {"cgbrasstimeCombo", 3}, {"cggibs", 1}, {"rsmp", 0}, {"HandicapCombo", 0}, {"ComboModel", 1},
    {"EffectColorCombo", 3}, {"FovCombo", 7}, {"MaxFPSCombo", 35}, {"clrun", 1},
    {"RailTrailTimeCombo", 21}, {"InnerWidth", 12}, {"Distance", 40}, {"OuterWidth", 100},
    {"PlayerPredict", 1}, {"MaxPacketsCombo", 60}, {"RateCombo", 0}, {"loadas8bit", 0},
    {"cgfootsteps", 1}, {"SampleRateCombo", 1}, {"SoundVolume", 7},
};

// The sun and portal boxes are checked again after the sky is unchecked.
const Setting kStateB[] = {
    {"rvertexlight", 1}, {"rdynamiclight", 0}, {"rfullbright", 1}, {"rlightmap", 0},
    {"rfastsky", 0}, {"rdrawsun", 1}, {"rnoportals", 1}, {"ShadowCombo", 1},
    {"TextureModeCombo", 0}, {"cgmarks", 0}, {"rextcompresstextures", 1}, {"rfinish", 0},
    {"FlareSizeCombo", 150}, {"rflares", 0}, {"rsimpleitems", 1}, {"rignorehwgamma", 0},
    {"rsubdivisions", 999}, {"GammaCombo", 30}, {"IntensityCombo", 0}, {"r_lodbiasCombo", 2},
    {"TextureDepthCombo", 0}, {"TextureSizeCombo", 3}, {"ColorDepthCombo", 2},
    {"ResolutionCombo", 9}, {"MsgDisplayCombo", 0}, {"cgdrawammowarning", 0},
    {"cgdrawcrosshair", 0}, {"cgdrawcrosshairnames", 1}, {"crosshairhealth", 0}, {"cggun", 1},
    {"fragcounter", 1}, {"cgthirdperson", 1}, {"clnoprint", 0}, {"cgdrawtimer", 1},
    {"cgautoswitch", 1}, {"cgbrasstimeCombo", 16}, {"cggibs", 0}, {"rsmp", 1},
    {"HandicapCombo", 99}, {"ComboModel", 0}, {"SkinColorCombo", 1}, {"EffectColorCombo", 6}, {"FovCombo", 15},
    {"MaxFPSCombo", 46}, {"clrun", 0}, {"RailTrailTimeCombo", 25}, {"InnerWidth", 1},
    {"Distance", 100}, {"OuterWidth", 150}, {"PlayerPredict", 0}, {"MaxPacketsCombo", 70},
    {"RateCombo", 41}, {"loadas8bit", 1}, {"cgfootsteps", 0}, {"SampleRateCombo", 0},
    {"SoundVolume", 10},
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
    state.currentConfigPath = config;
}

void WriterFixture::save() {
    dispatchUserEvent(sp.messages, [this] { form.SaveBtn.click(); });
}

}  // namespace brisko::test
