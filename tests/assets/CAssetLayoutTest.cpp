// The menu layouts and parameter texts in the built pack hold every key
// that the menus, dialogs and kinds read.
#include "tests/assets/CAssetPackReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{
bool HasPosition(const CConfigFile& group, const std::string& name)
{
    return group.GetPairs().count(name + ".x") && group.GetPairs().count(name + ".y") && group.GetPairs().count(name + ".z");
}

const std::vector<std::string> kMainButtons = {"m_minimize_small_btn", "m_exit_small_btn", "m_quenth_btn",
                                               "m_bricks_remover_game_btn", "m_bricks_mover_game_btn",
                                               "m_bricks_slider_game_btn", "m_bricks_designer_game_btn",
                                               "m_bricks_eraser_game_btn", "m_bricks_eraser2_game_btn",
                                               "m_bricks_filler_game_btn", "m_bricks_jewel_game_btn",
                                               "m_quit_game_btn", "m_fullscreen_btn"};
const std::vector<std::string> kKindPictures = {"m_dialog_window_back", "m_clear_btn", "m_close_btn", "m_up_btn",
                                                "m_down_btn", "m_ok_btn", "m_cancel_btn", "m_radio_btn",
                                                "m_check_box", "m_skin_up_btn", "m_skin_down_btn",
                                                "m_enter_name_editbox", "m_background", "m_help_small_btn",
                                                "m_minimize_small_btn", "m_fullscreen_btn", "m_exit_small_btn",
                                                "m_quenth_btn", "m_new_game_btn", "m_continue_game_btn",
                                                "m_top7_btn", "m_options_btn", "m_quit_game_btn"};
const std::vector<std::string> kKindPositions = {"m_help_small_btn", "m_minimize_small_btn", "m_fullscreen_btn",
                                                 "m_exit_small_btn", "m_quenth_btn", "m_new_game_btn",
                                                 "m_continue_game_btn", "m_top7_btn", "m_options_btn",
                                                 "m_quit_game_btn", "m_t7d_clear_btn", "m_t7d_close_btn",
                                                 "m_t7d_up_btn", "m_t7d_down_btn", "m_td_ok_btn", "m_td_cancel_btn",
                                                 "m_od_close_btn", "m_od_autosave_chb", "m_od_sound_chb",
                                                 "m_od_skin_up_btn", "m_od_skin_down_btn", "m_hd_close_btn",
                                                 "m_hd_up_btn", "m_hd_down_btn", "m_nd_ok_btn", "m_nd_cancel_btn",
                                                 "m_small_field_radio", "m_medium_field_radio",
                                                 "m_large_field_radio", "m_easy_radio", "m_medium_radio",
                                                 "m_hard_radio"};
const std::vector<std::string> kKindNumbers = {"m_game_kind", "m_td_x", "m_td_y", "m_td_width", "m_td_height",
                                               "m_od_x", "m_od_y", "m_od_width", "m_od_height", "m_od_skin.x",
                                               "m_od_skin.y", "m_hd_x", "m_hd_y", "m_hd_width", "m_hd_height",
                                               "m_nd_width", "m_nd_height"};
}

TEST(AssetLayoutTest, PackOpensWithItsMagic)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    EXPECT_GT(pack.Names().size(), 100u);
}

TEST(AssetLayoutTest, MainMenuGroupHoldsEveryKeyItsScreensRead)
{
    CAssetPackReader pack;
    const CConfigFile main = pack.Config("mui/menu.txt");
    for (const std::string& key : kMainButtons)
    {
        EXPECT_TRUE(main.GetPairs().count(key)) << key;
        EXPECT_TRUE(HasPosition(main, key)) << key;
    }
    for (const char* key : {"m_quit_game_main_btn", "m_main_wnd", "m_exit_wnd", "m_end_editx", "m_end_edity"})
        EXPECT_TRUE(main.GetPairs().count(key)) << key;
    EXPECT_TRUE(HasPosition(main, "m_erd_exit_btn"));
    EXPECT_TRUE(HasPosition(main, "m_end_close_btn"));
}

TEST(AssetLayoutTest, ExitWindowButtonStandsBelowThePictureArea)
{
    CAssetPackReader pack;
    const CConfigFile main = pack.Config("mui/menu.txt");
    EXPECT_GE(StrToFloat(main.GetValue("m_erd_exit_btn.y", "0")), 480.0f);
}

TEST(AssetLayoutTest, EveryKindGroupHoldsEveryKeyItsScreensRead)
{
    CAssetPackReader pack;
    for (int kind = 0; kind < 8; ++kind)
    {
        const CConfigFile group = pack.Config(CAssetPackReader::KindFile(kind));
        for (const std::string& key : kKindPictures)
            EXPECT_TRUE(group.GetPairs().count(key)) << CAssetPackReader::kKinds[kind] << " " << key;
        for (const std::string& key : kKindPositions)
            EXPECT_TRUE(HasPosition(group, key)) << CAssetPackReader::kKinds[kind] << " " << key;
        for (const std::string& key : kKindNumbers)
            EXPECT_TRUE(group.GetPairs().count(key)) << CAssetPackReader::kKinds[kind] << " " << key;
        EXPECT_TRUE(group.GetPairs().count("m_help_text")) << kind;
        EXPECT_TRUE(group.GetPairs().count("m_save_file")) << kind;
    }
}

TEST(AssetLayoutTest, KindIndicesFollowTheKindOrder)
{
    CAssetPackReader pack;
    for (int kind = 0; kind < 8; ++kind)
        EXPECT_EQ(StrToInt(pack.Config(CAssetPackReader::KindFile(kind)).GetValue("m_game_kind", "-1")), kind);
}

TEST(AssetLayoutTest, EveryKindHasItsOwnSaveFile)
{
    CAssetPackReader pack;
    std::set<std::string> seen;
    for (int kind = 0; kind < 8; ++kind)
    {
        const std::string file = pack.Config(CAssetPackReader::KindFile(kind)).GetValue("m_save_file", "0");
        EXPECT_NE(file, "0");
        EXPECT_TRUE(seen.insert(file).second) << file;
    }
}

TEST(AssetLayoutTest, OnlyTheFillerPlacesTheAnimationBox)
{
    CAssetPackReader pack;
    for (int kind = 0; kind < 8; ++kind)
    {
        const CConfigFile group = pack.Config(CAssetPackReader::KindFile(kind));
        const int x = StrToInt(group.GetValue("m_od_animation_chb.x", "-1"));
        if (std::string(CAssetPackReader::kKinds[kind]) == "filler")
        {
            EXPECT_NE(x, -1);
            EXPECT_TRUE(HasPosition(group, "m_od_animation_chb"));
        }
        else
            EXPECT_EQ(x, -1) << CAssetPackReader::kKinds[kind];
    }
}

TEST(AssetLayoutTest, FillerOffersAFourthFieldSize)
{
    CAssetPackReader pack;
    EXPECT_TRUE(HasPosition(pack.Config("mui/filler/menu_filler.txt"), "m_gigantic_field_radio"));
}

TEST(AssetLayoutTest, OptionsPanelHoldsTheTextsDrawnAtFixedPlaces)
{
    CAssetPackReader pack;
    for (int kind = 0; kind < 8; ++kind)
    {
        const CConfigFile group = pack.Config(CAssetPackReader::KindFile(kind));
        const int x = StrToInt(group.GetValue("m_od_x", "0"));
        const int y = StrToInt(group.GetValue("m_od_y", "0"));
        const int w = StrToInt(group.GetValue("m_od_width", "0"));
        const int h = StrToInt(group.GetValue("m_od_height", "0"));
        // The last volume box ends at 665 and the hint sits at y 500.
        EXPECT_GE(w, 700);
        EXPECT_GE(h, 540);
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LE(x + w, 800);
        EXPECT_LE(y + h, 600);
    }
}

TEST(AssetLayoutTest, NewGameDialogsFitTheScreen)
{
    CAssetPackReader pack;
    for (int kind = 0; kind < 8; ++kind)
    {
        const CConfigFile group = pack.Config(CAssetPackReader::KindFile(kind));
        const int w = StrToInt(group.GetValue("m_nd_width", "0"));
        const int h = StrToInt(group.GetValue("m_nd_height", "0"));
        EXPECT_GT(w, 0);
        EXPECT_GT(h, 0);
        EXPECT_LE(w, 800);
        EXPECT_LE(h, 600);
        // The OK button lies inside the dialog.
        EXPECT_LE(StrToFloat(group.GetValue("m_nd_ok_btn.y", "0")) + 52.0f, static_cast<float>(h));
    }
}

TEST(AssetLayoutTest, ParamsHoldWebAddressesWithoutScheme)
{
    CAssetPackReader pack;
    const CConfigFile params = pack.Config("dat/param.txt");
    for (const char* key : {"gameurl", "siteurl"})
    {
        const std::string value = params.GetValue(key, "0");
        EXPECT_NE(value, "0") << key;
        EXPECT_EQ(value.find(':'), std::string::npos) << value;
    }
}

TEST(AssetLayoutTest, RemoverTuningKeepsTheRulesInRange)
{
    CAssetPackReader pack;
    const CConfigFile tuning = pack.Config("dat/bricks_rem.txt");
    EXPECT_GT(StrToFloat(tuning.GetValue("m_field_width", "0")), 0.0f);
    int perStep[3] = {0, 0, 0};
    StrToIntArray(tuning.GetValue("m_bricks_per_step", "0"), perStep, 3);
    for (int value : perStep)
        EXPECT_GE(value, 1);
    EXPECT_GE(StrToInt(tuning.GetValue("m_skins_count", "0")), 3);
}

TEST(AssetLayoutTest, LayoutsAndParametersAreScrambledInThePack)
{
    CAssetPackReader pack;
    int scrambled = 0;
    for (const std::string& name : pack.Names())
        if (pack.GetPack().GetFile(name).GetFlag() == 'y')
            ++scrambled;
    EXPECT_GT(scrambled, 9);
    // And read back as text.
    EXPECT_EQ(pack.Config("mui/menu.txt").GetValue("m_main_wnd", "0"), "mui/main/main_bg.jpg");
}
