#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CConfigFile.h"
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
