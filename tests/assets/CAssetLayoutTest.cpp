// The menu layouts and parameter texts in the built pack hold every key
// that the menus, dialogs and kinds read.
#include "tests/assets/CAssetPackReader.h"

#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTgaDecoder.h"

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

TEST(AssetLayoutTest, MainMenuGroupHoldsEveryKeyItsScreensRead)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    const CConfigFile main = pack.Config("mui/menu.txt");
    std::vector<std::string> buttons = {"m_minimize_small_btn", "m_exit_small_btn", "m_quenth_btn", "m_quit_game_btn",
                                        "m_fullscreen_btn"};
    for (const SGameKind& kind : GetGameKinds())
        buttons.push_back(kind.GetButtonKey());
    for (const std::string& key : buttons)
    {
        EXPECT_TRUE(main.GetPairs().count(key)) << key;
        EXPECT_TRUE(HasPosition(main, key)) << key;
    }
    for (const char* key : {"m_quit_game_main_btn", "m_main_wnd", "m_exit_wnd", "m_end_editx", "m_end_edity"})
        EXPECT_TRUE(main.GetPairs().count(key)) << key;
    EXPECT_TRUE(HasPosition(main, "m_erd_exit_btn"));
    EXPECT_TRUE(HasPosition(main, "m_end_close_btn"));
    // The exit window's button stands below the picture area.
    EXPECT_GE(StrToFloat(main.GetValue("m_erd_exit_btn.y", "0")), 480.0f);
}

TEST(AssetLayoutTest, EveryKindGroupHoldsEveryKeyItsScreensReadAndFitsTheScreen)
{
    CAssetPackReader pack;
    std::set<std::string> saveFiles;
    for (int kind = 0; kind < static_cast<int>(GetGameKinds().size()); ++kind)
    {
        const std::string& name = GetGameKinds()[kind].m_name;
        SCOPED_TRACE(name);
        const CConfigFile group = pack.Group(GetGameKinds()[kind]);
        for (const std::string& key : kKindPictures)
            EXPECT_TRUE(group.GetPairs().count(key)) << key;
        for (const std::string& key : kKindPositions)
            EXPECT_TRUE(HasPosition(group, key)) << key;
        for (const std::string& key : kKindNumbers)
            EXPECT_TRUE(group.GetPairs().count(key)) << key;
        EXPECT_TRUE(group.GetPairs().count("m_help_text"));
        EXPECT_EQ(StrToInt(group.GetValue("m_game_kind", "-1")), kind);
        const std::string saveFile = group.GetValue("m_save_file", "0");
        EXPECT_NE(saveFile, "0");
        EXPECT_TRUE(saveFiles.insert(saveFile).second) << saveFile;
        // Only the filler places the animation box; it offers a fourth field size.
        EXPECT_EQ(group.GetPairs().count("m_od_animation_chb.x") != 0, name == "filler");
        if (name == "filler")
        {
            EXPECT_TRUE(HasPosition(group, "m_od_animation_chb"));
            EXPECT_TRUE(HasPosition(group, "m_gigantic_field_radio"));
        }

        // The options panel holds texts drawn at fixed places: the last volume
        // box ends at 705 and the hint sits at y 514.
        const int x = StrToInt(group.GetValue("m_od_x", "0"));
        const int y = StrToInt(group.GetValue("m_od_y", "0"));
        const int w = StrToInt(group.GetValue("m_od_width", "0"));
        const int h = StrToInt(group.GetValue("m_od_height", "0"));
        EXPECT_TRUE(w >= 740 && h >= 554 && x >= 0 && y >= 0 && x + w <= 800 && y + h <= 600)
            << x << " " << y << " " << w << " " << h;
        // The new-game dialog fits the screen with its OK button inside.
        const int nw = StrToInt(group.GetValue("m_nd_width", "0"));
        const int nh = StrToInt(group.GetValue("m_nd_height", "0"));
        EXPECT_TRUE(nw > 0 && nh > 0 && nw <= 800 && nh <= 600) << nw << " " << nh;
        EXPECT_LE(StrToFloat(group.GetValue("m_nd_ok_btn.y", "0")) + 52.0f, static_cast<float>(nh));
    }
}

TEST(AssetLayoutTest, OptionsPanelCoversEachMenuButtonWhollyOrNotAtAll)
{
    // The game menu stays drawn under its options dialog: a button the panel
    // covers only in part would show a cut piece beside the panel's frame.
    const std::vector<std::string> menuButtons = {"m_help_small_btn", "m_quenth_btn", "m_minimize_small_btn",
                                                  "m_fullscreen_btn", "m_exit_small_btn", "m_new_game_btn",
                                                  "m_continue_game_btn", "m_top7_btn", "m_options_btn",
                                                  "m_quit_game_btn"};
    CAssetPackReader pack;
    for (const SGameKind& kind : GetGameKinds())
    {
        SCOPED_TRACE(kind.m_name);
        const CConfigFile group = pack.Group(kind);
        const int left = StrToInt(group.GetValue("m_od_x", "0"));
        const int top = StrToInt(group.GetValue("m_od_y", "0"));
        const int right = left + StrToInt(group.GetValue("m_od_width", "0"));
        const int bottom = top + StrToInt(group.GetValue("m_od_height", "0"));
        for (const std::string& key : menuButtons)
        {
            const std::vector<unsigned char> bytes = pack.Bytes(group.GetValue(key, "0"));
            CPicture picture;
            ASSERT_TRUE(CTgaDecoder::Decode(bytes.data(), bytes.size(), picture)) << key;
            // A button's picture holds its three states one above the other.
            const int x = StrToInt(group.GetValue(key + ".x", "0"));
            const int y = StrToInt(group.GetValue(key + ".y", "0"));
            const int xEnd = x + picture.m_width;
            const int yEnd = y + picture.m_height / 3;
            const bool inside = x >= left && y >= top && xEnd <= right && yEnd <= bottom;
            const bool outside = xEnd <= left || x >= right || yEnd <= top || y >= bottom;
            EXPECT_TRUE(inside || outside) << key << " spans " << x << ".." << xEnd << " x " << y << ".." << yEnd
                                           << " across the panel " << left << ".." << right << " x " << top
                                           << ".." << bottom;
        }
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
