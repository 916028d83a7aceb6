#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/widgets/CButton.h"
#include "engine/widgets/CCheckBox.h"
#include "engine/files/CConfigFile.h"
#include "engine/gfx/CModel.h"
#include "shell/COptionsDialog.h"
#include "shell/game/CGameParams.h"
#include "tests/gamemenu/CFakeMenuHost.h"

namespace
{
const int KEY_ESCAPE = 27;
const int KEY_ENTER = 13;
const int SKINS = 3;

class OptionsDialogTest : public ::testing::Test
{
protected:
    OptionsDialogTest()
    {
        // Model (skin, colour) carries skin * 100 + colour in its parameter.
        for (int s = 0; s < SKINS; ++s)
            for (int c = 0; c < CGameParams::MODELS_PER_SKIN; ++c)
            {
                auto model = std::make_unique<CModel>();
                model->SetParam(CVector4(static_cast<float>(s * 100 + c), 0.0f, 0.0f));
                m_table.push_back(model.get());
                m_models.push_back(std::move(model));
            }
        m_group.SetValue("m_od_skin.x", "100");
        m_group.SetValue("m_od_skin.y", "300");
    }

    std::unique_ptr<COptionsDialog> Make()
    {
        auto dialog = std::make_unique<COptionsDialog>(m_group, m_table, m_host);
        dialog->SetSkin(0, SKINS);
        dialog->SetAutosave(true);
        return dialog;
    }

    static std::vector<bool> Lit(const COptionsDialog& dialog)
    {
        std::vector<bool> lit;
        for (int i = 0; i < COptionsDialog::VOLUME_BOXES; ++i)
            lit.push_back(dialog.GetVolumeBox(i)->IsChecked());
        return lit;
    }

    std::vector<std::unique_ptr<CModel>> m_models;
    std::vector<CModel*> m_table;
    CConfigFile m_group;
    CFakeMenuHost m_host;
};
}

TEST_F(OptionsDialogTest, VolumeBoxFillsTheBarFromTheLeftAndSetsTheVolume)
{
    auto dialog = Make();
    dialog->OnCommand(dialog->GetVolumeBox(3));
    EXPECT_EQ(Lit(*dialog), (std::vector<bool>{true, true, true, true, false, false}));
    EXPECT_EQ(m_host.m_volume, 63);
    // A click toggles the box itself first; a lit box stays lit.
    dialog->GetVolumeBox(3)->SetChecked(false);
    dialog->OnCommand(dialog->GetVolumeBox(3));
    EXPECT_TRUE(dialog->GetVolumeBox(3)->IsChecked());
    dialog->OnCommand(dialog->GetVolumeBox(0));
    EXPECT_EQ(m_host.m_volume, 0);
}

TEST_F(OptionsDialogTest, OpeningRoundsTheVolumeDownToAStepButAboveTheLastStepLeavesIt)
{
    const struct
    {
        int volume;
        std::size_t lit;
        int shown;
    } cases[] = {{100, 5, 84}, {64, 4, 63}, {128, 6, 128}};
    for (const auto& c : cases)
    {
        m_host.m_volume = c.volume;
        m_host.m_volumes_set.clear();
        auto dialog = Make();
        EXPECT_EQ(m_host.m_volume, c.shown) << c.volume;
        std::vector<bool> lit(6, false);
        std::fill(lit.begin(), lit.begin() + static_cast<long>(c.lit), true);
        EXPECT_EQ(Lit(*dialog), lit) << c.volume;
        EXPECT_EQ(m_host.m_volumes_set.empty(), c.volume == 128) << c.volume;
    }
    // Indexes outside the boxes are kept inside them.
    auto dialog = Make();
    dialog->SetVolume(9);
    EXPECT_EQ(m_host.m_volume, 105);
    dialog->SetVolume(-2);
    EXPECT_EQ(m_host.m_volume, 0);
}

TEST_F(OptionsDialogTest, PreviewShowsTheFirstSixBricksOfTheSkinInARow)
{
    auto dialog = Make();
    dialog->SetSkin(2, SKINS);
    for (int i = 0; i < COptionsDialog::SHOWN_MODELS; ++i)
    {
        const CModel& model = dialog->GetPreviewModel(i);
        EXPECT_EQ(model.GetParam().x, 200.0f + i);
        EXPECT_EQ(model.GetPosition().x, 100.0f + 75.0f * i);
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
    m_group.SetValue("m_od_animation_chb.y", "128");
    auto dialog = Make();
    ASSERT_TRUE(dialog->HasAnimationBox());
    EXPECT_EQ(dialog->GetAnimationBox()->GetPosition().y, 128.0f);
    dialog->SetAnimation(false);
    dialog->GetAnimationBox()->SetChecked(true);
    dialog->OnCommand(dialog->GetAnimationBox());
    EXPECT_TRUE(dialog->GetAnimation());
}

TEST_F(OptionsDialogTest, SoundActsAtOnceAndAutosaveIsReadBackAfterEscToo)
{
    auto dialog = Make();
    EXPECT_TRUE(dialog->GetSoundBox()->IsChecked());
    dialog->GetSoundBox()->SetChecked(false);
    dialog->OnCommand(dialog->GetSoundBox());
    EXPECT_FALSE(m_host.m_sound);
    EXPECT_FALSE(Make()->GetSoundBox()->IsChecked());
    dialog->GetAutosaveBox()->SetChecked(false);
    dialog->OnCommand(dialog->GetAutosaveBox());
    dialog->OnKeyDown(KEY_ESCAPE);
    EXPECT_EQ(dialog->GetResult(), 1);
    EXPECT_FALSE(dialog->GetAutosave());
    dialog->OnKeyDown(KEY_ENTER);
    EXPECT_EQ(dialog->GetResult(), 0);
}

TEST_F(OptionsDialogTest, PreviewSwingsBetweenAboutMinusAndPlusForty)
{
    auto dialog = Make();
    float low = 0.0f, high = 0.0f;
    for (int i = 0; i < 2000; ++i)
    {
        dialog->Update(16.0f);
        low = std::min(low, dialog->GetSpinAngle());
        high = std::max(high, dialog->GetSpinAngle());
    }
    EXPECT_NEAR(high, 40.5f, 0.5f);
    EXPECT_NEAR(low, -40.5f, 0.5f);
}
