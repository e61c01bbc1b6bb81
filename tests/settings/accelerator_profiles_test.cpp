// The accelerator chooser: the placeholder, the profiles of the renderer lists,
// the enable state and the tune preset applied again.
#include <gtest/gtest.h>

#include "preset_test_support.h"
#include "support/form_fixture.h"

namespace brisko::test {
namespace {

// Puts " Default Settings" in TuneCombo, as restoring the defaults does, so that
// choosing a card applies no preset.
void selectNoPreset(TForm1& form) {
    form.TuneCombo.addItem(" Default Settings");
    form.TuneCombo.setItemIndex(3);
}

TEST_F(FormFixture, OpeningTheListRemovesThePlaceholderOnce) {
    const States before = snapshot(form);
    form.Accelerator.userOpen();
    EXPECT_EQ(form.Accelerator.count(), 10);
    EXPECT_EQ(form.Accelerator.item(0), "ATi Rage Fury");
    EXPECT_EQ(form.Accelerator.itemIndex(), -1);
    // Nothing else happens until a card is picked.
    EXPECT_EQ(form.ShadowCombo.count(), 4);
    EXPECT_FALSE(form.TreeView1.enabled());
    EXPECT_EQ(sp.processors.asked, 0);

    form.Accelerator.userOpen();
    EXPECT_EQ(form.Accelerator.count(), 10);
    EXPECT_EQ(form.Accelerator.item(0), "ATi Rage Fury");

    Items items = form.Accelerator.items();
    items.insert(items.begin(), "Select One");
    form.Accelerator.setItems(items);
    form.Accelerator.setItemIndex(0);
    EXPECT_EQ(changes(before, snapshot(form)), States{});
}

// The list is rebuilt from the full list (without the start-up list's trailing
// blank); the selected position stays selected when it is still offered.
TEST_F(FormFixture, TheProfileRebuildsTheResolutionList) {
    struct Case {
        int selected;
        const char* card;
        int offered;
        int index;
    };
    selectNoPreset(form);
    for (const Case& c : {Case{2, "nVidia TNT", 20, 2}, Case{13, "3Dfx Voodoo 3", 20, 13},
                          Case{13, "Matrox G200", 6, -1}, Case{5, "3Dfx Voodoo 1", 3, -1},
                          Case{2, "3Dfx Voodoo 2", 4, 2}}) {
        SCOPED_TRACE(c.card);
        form.ResolutionCombo.setItemIndex(c.selected);
        chooseAccelerator(form, c.card);
        EXPECT_EQ(form.ResolutionCombo.items(),
                  Items(kResolutions.begin(), kResolutions.begin() + c.offered));
        EXPECT_EQ(form.ResolutionCombo.itemIndex(), c.index);
    }
}

// The last item is the size of the screen the window is on when the card is chosen.
TEST_F(FormFixture, TheDesktopItemIsTheActiveScreensSize) {
    sp.screen.activeRect = {1024, 0, 2560, 1440};
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_EQ(form.ResolutionCombo.item(19), "Desktop (2560x1440)");
}

TEST_F(FormFixture, TheReappliedPresetSelectsAResolutionAfterTheProfileDroppedIt) {
    form.ResolutionCombo.setItemIndex(5);
    chooseAccelerator(form, "3Dfx Voodoo 1");  // " Best Performance" is selected
    EXPECT_EQ(form.ResolutionCombo.text(), "512x384");
}

TEST_F(FormFixture, Voodoo3AfterTntDropsTheStencilAndColourItemsAndTntPutsThemBack) {
    selectNoPreset(form);
    chooseAccelerator(form, "nVidia TNT");
    form.ShadowCombo.setItemIndex(3);
    form.ColorDepthCombo.setItemIndex(2);
    chooseAccelerator(form, "3Dfx Voodoo 3");
    EXPECT_EQ(form.ShadowCombo.items(), kTwoShadows);
    EXPECT_EQ(form.ShadowCombo.itemIndex(), -1);
    EXPECT_EQ(form.ColorDepthCombo.items(), kTwoDepths);
    EXPECT_EQ(form.ColorDepthCombo.itemIndex(), -1);
    EXPECT_EQ(form.ResolutionCombo.count(), 20);

    form.ShadowCombo.setItemIndex(1);
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_EQ(form.ShadowCombo.items(), kFourShadows);
    EXPECT_EQ(form.ShadowCombo.text(), "Ordinary Shadows");
    EXPECT_EQ(form.ColorDepthCombo.items(), kThreeDepths);
}

TEST_F(FormFixture, TwoBasicCardsInARowRemoveNothingTheSecondTime) {
    selectNoPreset(form);
    chooseAccelerator(form, "3Dfx Voodoo 1");
    form.ShadowCombo.setItemIndex(1);
    form.ColorDepthCombo.setItemIndex(1);
    chooseAccelerator(form, "Matrox G200");
    EXPECT_EQ(form.ShadowCombo.items(), kTwoShadows);
    EXPECT_EQ(form.ShadowCombo.text(), "Ordinary Shadows");
    EXPECT_EQ(form.ColorDepthCombo.items(), kTwoDepths);
    EXPECT_EQ(form.ColorDepthCombo.text(), "16-bit");
    EXPECT_EQ(form.ResolutionCombo.count(), 6);
}

TEST_F(FormFixture, ListsOfAnyOtherLengthAreLeftAlone) {
    selectNoPreset(form);
    form.ShadowCombo.deleteItem(3);      // three shadow items
    form.ColorDepthCombo.deleteItem(2);  // two colour depths
    form.ColorDepthCombo.deleteItem(1);  // one colour depth
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_EQ(form.ShadowCombo.count(), 3);
    EXPECT_EQ(form.ColorDepthCombo.count(), 1);
    chooseAccelerator(form, "3Dfx Voodoo 1");
    EXPECT_EQ(form.ShadowCombo.count(), 3);
    EXPECT_EQ(form.ColorDepthCombo.count(), 1);
}

TEST_F(FormFixture, ChoosingACardUnlocksTheGatedControlsOnly) {
    selectNoPreset(form);
    chooseAccelerator(form, "Matrox G400");
    // clang-format off
    const Control* const gated[] = {
        &form.TreeView1, &form.Accelerator, &form.LblAccelerator, &form.TuneCombo,
        &form.rlightmaplighting, &form.rdynamiclight, &form.rvertexlight, &form.rfullbright,
        &form.rlightmap, &form.rfastsky, &form.LblShadowType, &form.ShadowCombo,
        &form.LblTextureMode, &form.TextureModeCombo, &form.cgmarks, &form.rextcompresstextures,
        &form.rfinish, &form.rflares, &form.LblGamma, &form.LblIntensity, &form.LblWeaponDetail,
        &form.GammaCombo, &form.IntensityCombo, &form.r_lodbiasCombo, &form.LblCurves,
        &form.LblHigh, &form.LblLow, &form.LblGeoDetail, &form.rsubdivisions, &form.LblColorDepth,
        &form.LblTextureQuality, &form.TextureDepthCombo, &form.TextureSizeCombo,
        &form.LblResolution, &form.LblTextureSize, &form.ColorDepthCombo, &form.ResolutionCombo,
        &form.DefaultBtn, &form.LblTune, &form.Panel1, &form.rsimpleitems, &form.rignorehwgamma};
    // clang-format on
    for (const Control* control : gated) EXPECT_TRUE(control->enabled()) << control->name();
    // The sky and flare rules keep theirs; the player movement box stays locked.
    const Control* const locked[] = {&form.rdrawsun,     &form.rnoportals,     &form.FlareSizeCombo,
                                     &form.LblFlareSize, &form.PlayerMovement, &form.CheckBox7,
                                     &form.rsmp};
    for (const Control* control : locked) EXPECT_FALSE(control->enabled()) << control->name();
}

TEST_F(FormFixture, SmpFollowsTheProcessorQueryOnEveryChoice) {
    selectNoPreset(form);
    form.rsmp.setChecked(true);
    sp.processors.second = true;
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_TRUE(form.rsmp.enabled());
    EXPECT_EQ(sp.processors.asked, 1);

    sp.processors.second = false;
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_FALSE(form.rsmp.enabled());
    EXPECT_EQ(sp.processors.asked, 2);
    EXPECT_TRUE(form.rsmp.checked());
}

// The accelerator number counts the cards, not the raw list positions.
TEST_F(FormFixture, TheNumberFollowsTheCardWhileThePlaceholderIsStillListed) {
    form.Accelerator.userSelect(2);  // "Intel i740" without the list opened
    EXPECT_EQ(form.Accelerator.count(), 11);
    EXPECT_EQ(form.ShadowCombo.items(), kTwoShadows);
    EXPECT_EQ(form.ResolutionCombo.count(), 6);
    EXPECT_EQ(form.ResolutionCombo.text(), "512x384");
}

TEST_F(FormFixture, ThePlaceholderSelectedCountsAsTheFirstCard) {
    chooseAccelerator(form, "3Dfx Voodoo 1");
    form.Accelerator.setItems({"Select One", "ATi Rage Fury", "Intel i740"});
    form.Accelerator.userSelect(0);
    EXPECT_EQ(form.ShadowCombo.items(), kFourShadows);
    EXPECT_EQ(form.ResolutionCombo.count(), 20);
    EXPECT_EQ(form.ResolutionCombo.text(), "640x480");
}

TEST_F(FormFixture, WithoutASelectionNoProfileAndNoPerCardValues) {
    chooseAccelerator(form, "3Dfx Voodoo 1");
    form.ResolutionCombo.setItemIndex(0);
    form.rvertexlight.setChecked(false);
    form.rlightmaplighting.setChecked(true);
    form.Accelerator.userSelect(-1);
    EXPECT_EQ(form.ShadowCombo.items(), kTwoShadows);
    EXPECT_EQ(form.ResolutionCombo.count(), 3);
    EXPECT_EQ(form.ResolutionCombo.text(), "400x300");
    EXPECT_TRUE(form.rvertexlight.checked());  // the rest of the preset still runs
}

TEST_F(FormFixture, ChoosingTheSameCardAgainResetsThePresetValues) {
    chooseAccelerator(form, "nVidia TNT");
    form.rvertexlight.setChecked(false);
    form.rlightmaplighting.setChecked(true);
    form.ResolutionCombo.setItemIndex(7);
    chooseAccelerator(form, "nVidia TNT");
    EXPECT_TRUE(form.rvertexlight.checked());
    EXPECT_EQ(form.ResolutionCombo.text(), "640x480");
}

}  // namespace
}  // namespace brisko::test
