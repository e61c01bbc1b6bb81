// The values written for the lists, sliders and buttons whose value is not the
// text shown.
#include <gtest/gtest.h>

#include <vector>

#include "config/config_writer.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

struct ValueCase {
    std::vector<Setting> settings;
    const char* cvar;
    const char* line;  // the one line written for the cvar
};

class WrittenValueTest : public FormFixture, public ::testing::WithParamInterface<ValueCase> {
  protected:
    std::vector<std::string> linesFor(const std::string& cvar) {
        Lines lines;
        ComposeUpToName(form, {}, lines);
        ComposeFromName(form, {}, lines);
        std::vector<std::string> found;
        for (const std::string& line : lines)
            if (line.starts_with("seta " + cvar + " ")) found.push_back(line);
        return found;
    }
};

TEST_P(WrittenValueTest, WritesTheMappedValue) {
    form.PlayerName.setText("Tester");
    applySettings(form, GetParam().settings);
    EXPECT_EQ(linesFor(GetParam().cvar), std::vector<std::string>{GetParam().line});
}

INSTANTIATE_TEST_SUITE_P(
    Mappings, WrittenValueTest,
    ::testing::Values(
        // Shadows: stencil bits and the shadow kind.
        ValueCase{{{"ShadowCombo", 0}}, "r_stencilbits", "seta r_stencilbits \"0\""},
        ValueCase{{{"ShadowCombo", 1}}, "r_stencilbits", "seta r_stencilbits \"0\""},
        ValueCase{{{"ShadowCombo", 2}}, "r_stencilbits", "seta r_stencilbits \"8\""},
        ValueCase{{{"ShadowCombo", 3}}, "r_stencilbits", "seta r_stencilbits \"8\""},
        ValueCase{{{"ShadowCombo", 0}}, "cg_shadows", "seta cg_shadows \"0\""},
        ValueCase{{{"ShadowCombo", 3}}, "cg_shadows", "seta cg_shadows \"3\""},
        // Texture mode.
        ValueCase{{{"TextureModeCombo", 0}}, "r_texturemode", "seta r_texturemode \"GL_NEAREST\""},
        ValueCase{
            {{"TextureModeCombo", 1}}, "r_texturemode", "seta r_texturemode \"GL_NEAREST_MIPMAP\""},
        ValueCase{{{"TextureModeCombo", 2}}, "r_texturemode", "seta r_texturemode \"GL_LINEAR\""},
        ValueCase{{{"TextureModeCombo", 3}},
                  "r_texturemode",
                  "seta r_texturemode \"GL_LINEAR_MIPMAP_NEAREST\""},
        ValueCase{{{"TextureModeCombo", 4}},
                  "r_texturemode",
                  "seta r_texturemode \"GL_LINEAR_MIPMAP_LINEAR\""},
        // Texture quality, colour depth, depth buffer.
        ValueCase{{{"TextureDepthCombo", 0}}, "r_texturebits", "seta r_texturebits \"0\""},
        ValueCase{{{"TextureDepthCombo", 1}}, "r_texturebits", "seta r_texturebits \"16\""},
        ValueCase{{{"TextureDepthCombo", 2}}, "r_texturebits", "seta r_texturebits \"32\""},
        ValueCase{{{"ColorDepthCombo", 0}}, "r_colorbits", "seta r_colorbits \"0\""},
        ValueCase{{{"ColorDepthCombo", 1}}, "r_colorbits", "seta r_colorbits \"16\""},
        ValueCase{{{"ColorDepthCombo", 2}}, "r_colorbits", "seta r_colorbits \"32\""},
        ValueCase{{{"ColorDepthCombo", 0}}, "r_depthbits", "seta r_depthbits \"0\""},
        ValueCase{{{"ColorDepthCombo", 1}}, "r_depthbits", "seta r_depthbits \"16\""},
        ValueCase{{{"ColorDepthCombo", 2}}, "r_depthbits", "seta r_depthbits \"32\""},
        ValueCase{{{"ColorDepthCombo", -1}}, "r_colorbits", "seta r_colorbits \"0\""},
        // Resolution: the mode number is the position in the list, counted from 1.
        ValueCase{{{"ResolutionCombo", 0}}, "r_mode", "seta r_mode \"1\""},
        ValueCase{{{"ResolutionCombo", 2}}, "r_mode", "seta r_mode \"3\""},
        ValueCase{{{"ResolutionCombo", 9}}, "r_mode", "seta r_mode \"10\""},
        // Shell casings in milliseconds.
        ValueCase{{{"cgbrasstimeCombo", 0}}, "cg_brasstime", "seta cg_brasstime \"2000\""},
        ValueCase{{{"cgbrasstimeCombo", 1}}, "cg_brasstime", "seta cg_brasstime \"1900\""},
        ValueCase{{{"cgbrasstimeCombo", 10}}, "cg_brasstime", "seta cg_brasstime \"1000\""},
        ValueCase{{{"cgbrasstimeCombo", 15}}, "cg_brasstime", "seta cg_brasstime \"500\""},
        ValueCase{{{"cgbrasstimeCombo", 16}}, "cg_brasstime", "seta cg_brasstime \"0\""},
        ValueCase{{{"cgbrasstimeCombo", -1}}, "cg_brasstime", "seta cg_brasstime \"\""},
        // Model and skin: the skin is the railgun effect colour.
        ValueCase{{{"ComboModel", 1}, {"EffectColorCombo", 3}, {"SkinColorCombo", 1}},
                  "model",
                  "seta model \"sarge/red\""},
        ValueCase{{{"ComboModel", 0}, {"EffectColorCombo", 2}, {"SkinColorCombo", 0}},
                  "model",
                  "seta model \"visor/cyan\""},
        // Rail trail time in milliseconds.
        ValueCase{
            {{"RailTrailTimeCombo", 0}}, "cg_railtrailtime", "seta cg_railtrailtime \"2500\""},
        ValueCase{
            {{"RailTrailTimeCombo", 15}}, "cg_railtrailtime", "seta cg_railtrailtime \"1000\""},
        ValueCase{
            {{"RailTrailTimeCombo", 21}}, "cg_railtrailtime", "seta cg_railtrailtime \"400\""},
        ValueCase{
            {{"RailTrailTimeCombo", 24}}, "cg_railtrailtime", "seta cg_railtrailtime \"100\""},
        ValueCase{{{"RailTrailTimeCombo", 25}}, "cg_railtrailtime", "seta cg_railtrailtime \"0\""},
        // Sound volume in tenths.
        ValueCase{{{"SoundVolume", 0}}, "s_volume", "seta s_volume \"0\""},
        ValueCase{{{"SoundVolume", 1}}, "s_volume", "seta s_volume \"0.1\""},
        ValueCase{{{"SoundVolume", 5}}, "s_volume", "seta s_volume \"0.5\""},
        ValueCase{{{"SoundVolume", 9}}, "s_volume", "seta s_volume \"0.9\""},
        ValueCase{{{"SoundVolume", 10}}, "s_volume", "seta s_volume \"1\""},
        ValueCase{{{"SampleRateCombo", 0}}, "s_khz", "seta s_khz \"11\""},
        ValueCase{{{"SampleRateCombo", 1}}, "s_khz", "seta s_khz \"22\""},
        // Lag-o-meter under its own name; the rail coil distance as r_segmentlength.
        ValueCase{{{"netgraph", 1}}, "lagometer", "seta lagometer \"1\""},
        ValueCase{{{"fragcounter", 1}}, "lagometer", "seta lagometer \"0\""},
        ValueCase{{{"Distance", 37}}, "r_segmentlength", "seta r_segmentlength \"37\""},
        // Lighting.
        ValueCase{{{"rlightmaplighting", 1}}, "r_vertexlight", "seta r_vertexlight \"0\""},
        ValueCase{{{"rvertexlight", 1}}, "r_vertexlight", "seta r_vertexlight \"1\""}));

TEST_F(FormFixture, CvarsOnlyUnderTheirWrittenNames) {
    form.PlayerName.setText("Tester");
    Lines lines;
    ComposeUpToName(form, {}, lines);
    ComposeFromName(form, {}, lines);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.starts_with("seta cg_lagometer ")) << line;
        EXPECT_FALSE(line.starts_with("seta r_railsegmentlength ")) << line;
        EXPECT_FALSE(line.starts_with("seta color")) << line;
    }
}

}  // namespace
}  // namespace brisko::test
