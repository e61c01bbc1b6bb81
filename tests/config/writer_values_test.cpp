// The values written for the lists, sliders and buttons whose value is not the
// text shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "config/config_writer.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

// The lines composed for the window as it is.
Lines composed(TForm1& form) {
    form.PlayerName.setText("Tester");
    return ComposeConfig(form, {}).lines;
}

// One control set to each of several values, and the value written for a cvar,
// with other controls set first where the cvar depends on them too.
struct MappingCase {
    std::vector<Setting> first;
    Member<TForm1> control;
    const char* cvar;
    std::vector<std::pair<int, const char*>> written;
};

void PrintTo(const MappingCase& c, std::ostream* out) {
    *out << nameOf(c.control) << " -> " << c.cvar;
}

class WrittenValueTest : public FormFixture, public ::testing::WithParamInterface<MappingCase> {};

TEST_P(WrittenValueTest, WritesTheMappedValue) {
    const MappingCase& c = GetParam();
    applySettings(form, c.first);
    for (const auto& [value, text] : c.written) {
        SCOPED_TRACE(value);
        const Setting setting{c.control, value};
        applySettings(form, {&setting, 1});
        std::vector<std::string> lines;
        for (const std::string& line : composed(form))
            if (line.starts_with(std::string("seta ") + c.cvar + " ")) lines.push_back(line);
        EXPECT_EQ(lines,
                  std::vector<std::string>{std::string("seta ") + c.cvar + " \"" + text + "\""});
    }
}

using F = TForm1;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Mappings, WrittenValueTest, ::testing::Values(
    // Shadows: stencil bits and the shadow kind.
    MappingCase{{}, &F::ShadowCombo, "r_stencilbits", {{0, "0"}, {1, "0"}, {2, "8"}, {3, "8"}}},
    MappingCase{{}, &F::ShadowCombo, "cg_shadows", {{0, "0"}, {3, "3"}}},
    MappingCase{{}, &F::TextureModeCombo, "r_texturemode",
                {{0, "GL_NEAREST"}, {1, "GL_NEAREST_MIPMAP"}, {2, "GL_LINEAR"},
                 {3, "GL_LINEAR_MIPMAP_NEAREST"}, {4, "GL_LINEAR_MIPMAP_LINEAR"}}},
    // Texture quality, colour depth, depth buffer.
    MappingCase{{}, &F::TextureDepthCombo, "r_texturebits", {{0, "0"}, {1, "16"}, {2, "32"}}},
    MappingCase{{}, &F::ColorDepthCombo, "r_colorbits", {{0, "0"}, {1, "16"}, {2, "32"}, {-1, "0"}}},
    MappingCase{{}, &F::ColorDepthCombo, "r_depthbits", {{0, "0"}, {1, "16"}, {2, "32"}}},
    // Resolution: the mode number is the position in the list, counted from 1.
    MappingCase{{}, &F::ResolutionCombo, "r_mode", {{0, "1"}, {2, "3"}, {9, "10"}}},
    // Shell casings and rail trails in milliseconds.
    MappingCase{{}, &F::cgbrasstimeCombo, "cg_brasstime",
                {{0, "2000"}, {1, "1900"}, {10, "1000"}, {15, "500"}, {16, "0"}, {-1, ""}}},
    MappingCase{{}, &F::RailTrailTimeCombo, "cg_railtrailtime",
                {{0, "2500"}, {15, "1000"}, {21, "400"}, {24, "100"}, {25, "0"}}},
    // Sound volume in tenths, sample rate in kHz.
    MappingCase{{}, &F::SoundVolume, "s_volume",
                {{0, "0"}, {1, "0.1"}, {5, "0.5"}, {9, "0.9"}, {10, "1"}}},
    MappingCase{{}, &F::SampleRateCombo, "s_khz", {{0, "11"}, {1, "22"}, {2, "44"}, {3, "48"}}},
    MappingCase{{}, &F::SampleRateCombo, "s_sdlspeed", {{0, "11025"}, {1, "22050"}, {2, "44100"}, {3, "48000"}}},
    // How long messages stay: the cheat-protected centre print and today's notify time.
    MappingCase{{}, &F::MsgDisplayCombo, "cg_centertime", {{0, "0"}, {5, "5"}}},
    MappingCase{{}, &F::MsgDisplayCombo, "con_notifytime", {{0, "0"}, {5, "5"}}},
    // Lag-o-meter under its own name; the rail coil distance as r_segmentlength.
    MappingCase{{}, &F::netgraph, "lagometer", {{1, "1"}}},
    MappingCase{{}, &F::fragcounter, "lagometer", {{1, "0"}}},
    MappingCase{{}, &F::Distance, "r_segmentlength", {{37, "37"}}},
    // The player's model with the player colour as its skin, body and head; the
    // rail's effect colour as the game's colour code ("Blue" 1 … "White" 7).
    MappingCase{{{&F::SkinColorCombo, 1}}, &F::ComboModel, "model", {{0, "visor/blue"}, {1, "sarge/blue"}}},
    MappingCase{{{&F::ComboModel, 1}}, &F::SkinColorCombo, "headmodel", {{0, "sarge/red"}, {1, "sarge/blue"}}},
    MappingCase{{}, &F::EffectColorCombo, "color",
                {{0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}, {5, "6"}, {6, "7"}}},
    MappingCase{{}, &F::EffectColorCombo, "color1",
                {{0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}, {5, "6"}, {6, "7"}}},
    // Lighting.
    MappingCase{{}, &F::rlightmaplighting, "r_vertexlight", {{1, "0"}}},
    MappingCase{{}, &F::rvertexlight, "r_vertexlight", {{1, "1"}}}));
// clang-format on

// Today's sizes and the desktop's are a custom mode of their size, the custom size
// right after r_mode; the first ten stay modes 1 to 10. The old file's custom size
// is kept for those only: it would override the window's.
TEST_F(FormFixture, TodaysResolutionsAreCustomModes) {
    struct Case {
        const char* item;
        Lines lines;  // from r_mode to r_modefullscreen
        Lines carried;
    };
    const Lines old = {"// head", "unbindall", "seta r_customwidth \"1600\"",
                       "seta R_CUSTOMHEIGHT 900"};
    sp.screen.activeRect = {0, 0, 2560, 1440};
    form.Accelerator.userSelect(3);  // "nVidia TNT"
    for (const Case& c :
         {Case{"1920x1080",
               {"seta r_mode \"-1\"", "seta r_customwidth \"1920\"", "seta r_customheight \"1080\"",
                "seta r_modefullscreen \"\""},
               {}},
          Case{"Desktop (2560x1440)",
               {"seta r_mode \"-1\"", "seta r_customwidth \"2560\"", "seta r_customheight \"1440\"",
                "seta r_modefullscreen \"\""},
               {}},
          Case{"1024x768", {"seta r_mode \"6\"", "seta r_modefullscreen \"\""}, {old[2], old[3]}},
          Case{"2048x1536",
               {"seta r_mode \"10\"", "seta r_modefullscreen \"\""},
               {old[2], old[3]}}}) {
        SCOPED_TRACE(c.item);
        form.ResolutionCombo.selectItem(c.item);
        ASSERT_EQ(form.ResolutionCombo.text(), c.item);
        form.PlayerName.setText("Tester");
        const Lines lines = ComposeConfig(form, old).lines;
        const auto mode = std::find(lines.begin(), lines.end(), c.lines.front());
        ASSERT_LE(mode + static_cast<long>(c.lines.size()), lines.end());
        EXPECT_EQ(Lines(mode, mode + static_cast<long>(c.lines.size())), c.lines);
        const auto notTweaked = std::find(lines.begin(), lines.end(), "// Not Tweaked");
        EXPECT_EQ(Lines(notTweaked + 1, lines.end()), c.carried);
    }
}

}  // namespace
}  // namespace brisko::test
