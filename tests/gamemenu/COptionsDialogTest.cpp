#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "shell/COptionsDialog.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
// Without brick models: the preview following the chosen skin is seen in
// the end-to-end remover script.
class OptionsDialogTest : public ::testing::Test
{
protected:
    std::unique_ptr<COptionsDialog> Make()
    {
        auto dialog = std::make_unique<COptionsDialog>(m_group, std::vector<CModel*>(), m_host);
        dialog->SetSkin(0, 3);
        dialog->SetAutosave(true);
        return dialog;
    }

    CConfigFile m_group;
    CFakeMenuHost m_host;
};
}

TEST_F(OptionsDialogTest, VolumeBarFillsFromTheLeftInStepsAndAVolumeAboveTheLastStepIsLeft)
{
    // The volume at opening, the box then clicked (-1 none), the boxes lit
    // and the volume after. A click toggles the box itself first: a lit box
    // clicked stays lit.
    const struct
    {
        int volume, click, lit, after;
    } cases[] = {{100, -1, 5, 84}, {64, -1, 4, 63}, {128, -1, 6, 128}, {-50, -1, 1, 0},
                 {128, 3, 4, 63},  {100, 0, 1, 0},  {100, 4, 5, 84}};
    for (const auto& c : cases)
    {
        m_host.m_volume = c.volume;
        m_host.m_volumes_set.clear();
        auto dialog = Make();
        if (c.click >= 0)
        {
            CCheckBox* box = dialog->GetVolumeBox(c.click);
            box->SetChecked(!box->IsChecked());
            dialog->OnCommand(box);
        }
        EXPECT_EQ(m_host.m_volume, c.after) << c.volume << " " << c.click;
        for (int i = 0; i < COptionsDialog::VOLUME_BOXES; ++i)
            EXPECT_EQ(dialog->GetVolumeBox(i)->IsChecked(), i < c.lit) << c.volume << " " << c.click << " " << i;
        EXPECT_EQ(m_host.m_volumes_set.empty(), c.volume == 128 && c.click < 0) << c.volume;
    }
}

TEST_F(OptionsDialogTest, SkinsWrapBothWaysAndOneSkinHidesTheButtons)
{
    auto dialog = Make();
    dialog->OnCommand(dialog->GetSkinDownButton());
    EXPECT_EQ(dialog->GetSkinIndex(), 2);
    dialog->OnCommand(dialog->GetSkinUpButton());
    dialog->OnCommand(dialog->GetSkinUpButton());
    EXPECT_EQ(dialog->GetSkinIndex(), 1);
    dialog->SetSkin(5, 1);
    EXPECT_FALSE(dialog->GetSkinUpButton()->IsVisible());
    EXPECT_FALSE(dialog->GetSkinDownButton()->IsVisible());
    EXPECT_EQ(dialog->GetSkinIndex(), 0);
    dialog->SetSkin(-3, 0);
    EXPECT_EQ(dialog->GetSkinCount(), 1);
    EXPECT_EQ(dialog->GetSkinIndex(), 0);
}

TEST_F(OptionsDialogTest, AnimationBoxOnlyWhereTheLayoutPlacesIt)
{
    auto without = Make();
    EXPECT_FALSE(without->HasAnimationBox());
    without->SetAnimation(false);
    EXPECT_TRUE(without->GetAnimation());
    m_group.SetValue("m_od_animation_chb.x", "-1");
    EXPECT_FALSE(Make()->HasAnimationBox());
    m_group.SetValue("m_od_animation_chb.x", "390");
    auto dialog = Make();
    ASSERT_TRUE(dialog->HasAnimationBox());
    dialog->SetAnimation(false);
    dialog->GetAnimationBox()->SetChecked(true);
    dialog->OnCommand(dialog->GetAnimationBox());
    EXPECT_TRUE(dialog->GetAnimation());
}

// Autosave read back after Esc: the game menu's options test.
TEST_F(OptionsDialogTest, SoundActsAtOnce)
{
    auto dialog = Make();
    EXPECT_TRUE(dialog->GetSoundBox()->IsChecked());
    dialog->GetSoundBox()->SetChecked(false);
    dialog->OnCommand(dialog->GetSoundBox());
    EXPECT_FALSE(m_host.m_sound);
    EXPECT_FALSE(Make()->GetSoundBox()->IsChecked());
}

// A brick of the preview turns about the upright axis as far as the spin
// goes (a step beyond the limit before it turns back) and half about the
// axis facing the player: every corner of its mesh, turned so, stays within
// the reach the frame draws it again in.
TEST(OptionsDialogPreview, ABricksReachHoldsItTurnedAsThePreviewTurnsIt)
{
    const struct
    {
        float low[3], high[3], scale;
    } cases[] = {
        {{-0.5f, -0.5f, 0.0f}, {0.5f, 0.5f, 0.38f}, 40.0f}, // a brick of the skins
        {{-0.2f, -0.1f, -0.4f}, {0.7f, 0.3f, 0.1f}, 25.0f}, // off its middle, deep behind
        {{-0.5f, -0.5f, 0.0f}, {0.5f, 0.5f, 0.0f}, 40.0f},  // flat
    };
    const float limit = COptionsDialog::SPIN_LIMIT + 2.0f;
    for (const auto& c : cases)
    {
        std::string obj = "g box\n";
        for (int corner = 0; corner < 8; ++corner)
            obj += "v " + std::to_string(corner & 1 ? c.high[0] : c.low[0]) + " " +
                   std::to_string(corner & 2 ? c.high[1] : c.low[1]) + " " +
                   std::to_string(corner & 4 ? c.high[2] : c.low[2]) + "\n";
        obj += "f 1 2 4\nf 5 6 8\n";
        auto mesh = std::make_unique<CMesh>();
        mesh->LoadObj(obj.c_str(), static_cast<unsigned>(obj.size()));
        CModel model;
        model.SetMesh(std::move(mesh));
        model.SetScale(c.scale);
        float across = 0.0f, down = 0.0f;
        ASSERT_TRUE(COptionsDialog::PreviewReach(model, across, down)) << c.scale;
        float widest = 0.0f;
        for (float degrees = -limit; degrees <= limit; degrees += 0.5f)
        {
            const float t = degrees * 3.14159265f / 180.0f;
            for (int corner = 0; corner < 8; ++corner)
            {
                const float x = (corner & 1 ? c.high[0] : c.low[0]) * c.scale;
                const float y = (corner & 2 ? c.high[1] : c.low[1]) * c.scale;
                const float z = (corner & 4 ? c.high[2] : c.low[2]) * c.scale;
                // About the upright axis, then the half turn: both signs flip.
                const float turnedX = -(x * std::cos(t) + z * std::sin(t));
                EXPECT_LE(std::fabs(turnedX), across - 0.5f) << c.scale << " at " << degrees;
                EXPECT_LE(std::fabs(-y), down - 0.5f) << c.scale;
                widest = std::max(widest, std::fabs(turnedX));
            }
        }
        // No wider than the brick gets, with its unit for the edge.
        if (c.scale == 40.0f && c.high[2] > 0.0f)
        {
            EXPECT_NEAR(widest + 1.0f, across, 0.05f);
        }
    }
    // Without a mesh nothing is known: the dialog keeps its own reach.
    CModel bare;
    float across = -1.0f, down = -1.0f;
    EXPECT_FALSE(COptionsDialog::PreviewReach(bare, across, down));
    EXPECT_EQ(-1.0f, across);
}
