#include "tests/menus/MenuTestFiles.h"

#include "tests/gfx/CFontTestPicture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/gfx/CTexture.h"
#include "games/GameKinds.h"
#include "shell/CMainMenu.h"

namespace
{
const std::string& KindName(int k)
{
    return GetGameKinds()[k].m_name;
}

std::string MainLayout()
{
    std::string text =
        "m_main_wnd pics/back.tga\n"
        "m_exit_wnd pics/back.tga\n"
        "m_font_tex mui/font.tga\n"
        "m_minimize_small_btn pics/small.tga\n"
        "m_minimize_small_btn.x 600\nm_minimize_small_btn.y 10\nm_minimize_small_btn.z 0\n"
        "m_fullscreen_btn pics/small.tga\n"
        "m_fullscreen_btn.x 650\nm_fullscreen_btn.y 10\nm_fullscreen_btn.z 0\n"
        "m_exit_small_btn pics/small.tga\n"
        "m_exit_small_btn.x 700\nm_exit_small_btn.y 10\nm_exit_small_btn.z 0\n"
        "m_quenth_btn pics/wide.tga\n"
        "m_quenth_btn.x 556\nm_quenth_btn.y 448\nm_quenth_btn.z 0\n"
        // The quit button's picture key also holds a place; the menu must not use it.
        "m_quit_game_main_btn pics/wide.tga\n"
        "m_quit_game_main_btn.x 300\nm_quit_game_main_btn.y 300\nm_quit_game_main_btn.z 0\n"
        "m_quit_game_btn pics/wide.tga\n"
        "m_quit_game_btn.x 14\nm_quit_game_btn.y 448\nm_quit_game_btn.z 0\n"
        "m_erd_exit_btn.x 275\nm_erd_exit_btn.y 508\nm_erd_exit_btn.z 0\n";
    for (int k = 0; k < 8; ++k)
    {
        const std::string key = GetGameKinds()[k].GetButtonKey();
        const int x = CMenuTestFiles::kKindX[k / 4];
        const int y = CMenuTestFiles::kKindTop + (k % 4) * CMenuTestFiles::kKindStep;
        text += key + " pics/wide.tga\n";
        text += key + ".x " + std::to_string(x) + "\n" + key + ".y " + std::to_string(y) + "\n" + key + ".z 0\n";
    }
    return text;
}
}

CMenuTestFiles::CMenuTestFiles()
{
    CTexture::SetUploadEnabled(false);

    Write("mui/menu.txt", MainLayout());
    // The main menu shows the kinds of the table.
    CGameKindRegistry kinds;
    RegisterGameKinds(kinds);
    CMainMenu::SetKinds(kinds);
    for (int k = 0; k < 8; ++k)
        Write("mui/" + KindName(k) + "/menu_" + KindName(k) + ".txt",
              "m_game_kind " + std::to_string(k) + "\n");
    WriteTga("pics/back.tga", 8, 8);
    WriteTga("pics/small.tga", 30, 90);
    WriteTga("pics/wide.tga", kButtonWidth, kButtonHeight * 3);
    WriteTga("pics/thumb.tga", 16, 12);
    const std::vector<unsigned char> font = CFontTestPicture::Make({24, 24, 24, 22});
    Write("mui/font.tga", std::string(font.begin(), font.end()));
    Write("mui/mw_main.unt", "// no mesh: the title draws nothing\n");
    for (int n = 1; n <= 8; ++n)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "mui/thumbs/%02d.spr", n);
        Write(name, "file_name pics/thumb.tga\n");
    }
}

void CMenuTestFiles::Write(const std::string& path, const std::string& text) const
{
    const std::filesystem::path full = std::filesystem::path(m_dir.GetPath()) / path;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream out(full, std::ios::binary);
    out << text;
}

void CMenuTestFiles::WriteTga(const std::string& path, int width, int height, bool pattern) const
{
    // The pattern runs over the rows as stored, from the bottom.
    const auto bytes = CGfxTestFiles::MakeTga(width, height, 32, [&](int x, int fromTop) -> uint32_t {
        const uint32_t u = static_cast<uint32_t>(x), v = static_cast<uint32_t>(height - 1 - fromTop);
        return pattern ? ((u + v) * 3 & 0xff) << 24 | (v * 5 & 0xff) << 16 | (u * 7 & 0xff) << 8 | 0xff : 0;
    });
    Write(path, std::string(bytes.begin(), bytes.end()));
}

void CMenuTestFiles::Remove(const std::string& path) const
{
    std::error_code error;
    std::filesystem::remove(std::filesystem::path(m_dir.GetPath()) / path, error);
}
