// Every file that a layout, model, sprite, help page or code path names is
// in the pack under exactly that name, and every picture and mesh reads.
#include "tests/assets/CAssetPackReader.h"

#include "engine/gfx/CJpegDecoder.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTgaDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>
#include <string>

namespace
{
bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsFileName(const std::string& value)
{
    for (const char* ext : {".tga", ".jpg", ".txt", ".spr", ".unt", ".obj"})
        if (EndsWith(value, ext))
            return true;
    return false;
}

// Every name that the game asks the pack for, found by following the files.
std::set<std::string> NamedFiles(CAssetPackReader& pack)
{
    std::set<std::string> names = {"mui/menu.txt", "dat/param.txt", "mui/font.tga", "mui/intro.jpg",
                                   "mui/mw_main.unt", "dat/sparkle.spr", "dat/sparkle_back.spr",
                                   "dat/numbers.spr", "dat/remover/bonuses.spr", "dat/bricks_rem.txt",
                                   "mui/grids/grid1.tga", "mui/grids/grid2.tga", "dat/field.obj"};
    for (const SGameKind& kind : GetGameKinds())
    {
        names.insert(kind.GetMenuFile());
        names.insert("mui/" + kind.m_name + "/game_bg.jpg");
    }
    for (int n = 1; n <= 8; ++n)
        names.insert("mui/thumbs/0" + std::to_string(n) + ".spr");
    const int skins = StrToInt(pack.Config("dat/bricks_rem.txt").GetValue("m_skins_count", "0"));
    for (int skin = 0; skin < skins; ++skin)
        for (int color = 1; color <= 7; ++color)
            names.insert("dat/brick" + std::to_string(skin) + std::to_string(color) + ".unt");
    // Follow the layouts, descriptions and help pages.
    std::vector<std::string> todo(names.begin(), names.end());
    while (!todo.empty())
    {
        const std::string name = todo.back();
        todo.pop_back();
        if (!pack.Has(name) || !(EndsWith(name, ".txt") || EndsWith(name, ".unt") || EndsWith(name, ".spr")))
            continue;
        const CConfigFile config = pack.Config(name);
        for (const auto& pair : config.GetPairs())
            if (IsFileName(pair.second) && names.insert(pair.second).second)
                todo.push_back(pair.second);
    }
    return names;
}
}

TEST(AssetFilesTest, EveryNamedFileIsInThePackSpelledExactly)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    const std::set<std::string> names = NamedFiles(pack);
    EXPECT_GT(names.size(), 120u);
    for (const std::string& name : names)
        EXPECT_TRUE(pack.Has(name)) << name;
}

TEST(AssetFilesTest, EveryPictureDecodes)
{
    CAssetPackReader pack;
    int pictures = 0;
    for (const std::string& name : pack.Names())
    {
        const bool tga = EndsWith(name, ".tga");
        if (!tga && !EndsWith(name, ".jpg"))
            continue;
        const std::vector<unsigned char> bytes = pack.Bytes(name);
        CPicture picture;
        const bool ok = tga ? CTgaDecoder::Decode(bytes.data(), bytes.size(), picture)
                            : CJpegDecoder::Decode(bytes.data(), bytes.size(), picture);
        EXPECT_TRUE(ok) << name;
        EXPECT_GT(picture.m_width, 0) << name;
        if (!tga)
        {
            EXPECT_EQ(picture.m_components, 3) << name;
        }
        ++pictures;
    }
    EXPECT_GT(pictures, 80);
}

TEST(AssetFilesTest, WidgetStripsSplitIntoWholeFrames)
{
    // Buttons have three frames, radio buttons and check boxes four, the edit box two.
    const auto frames = [](const std::string& key, const std::string& value) {
        if (!EndsWith(value, ".tga"))
            return 0;
        if (key == "m_radio_btn" || key == "m_check_box")
            return 4;
        return EndsWith(key, "_editbox") ? 2 : EndsWith(key, "_btn") ? 3 : 0;
    };
    CAssetPackReader pack;
    std::vector<std::pair<std::string, int>> files;
    std::vector<std::string> groups = {"mui/menu.txt"};
    for (const SGameKind& kind : GetGameKinds())
        groups.push_back(kind.GetMenuFile());
    for (const std::string& name : groups)
    {
        const CConfigFile group = pack.Config(name);
        for (const auto& pair : group.GetPairs())
            if (frames(pair.first, pair.second) > 0)
                files.emplace_back(pair.second, frames(pair.first, pair.second));
    }
    EXPECT_GT(files.size(), 8u * 20);
    for (const auto& file : files)
    {
        const std::vector<unsigned char> bytes = pack.Bytes(file.first);
        CPicture picture;
        ASSERT_TRUE(CTgaDecoder::Decode(bytes.data(), bytes.size(), picture)) << file.first;
        EXPECT_EQ(picture.m_components, 4) << file.first;
        EXPECT_EQ(picture.m_height % file.second, 0) << file.first;
    }
}

TEST(AssetFilesTest, MeshesStartWithAGroupAndEndWithANewline)
{
    CAssetPackReader pack;
    int meshes = 0;
    for (const std::string& name : pack.Names())
    {
        if (!EndsWith(name, ".obj"))
            continue;
        const std::vector<unsigned char> bytes = pack.Bytes(name);
        ASSERT_GT(bytes.size(), 2u) << name;
        EXPECT_EQ(bytes[0], 'g') << name;
        EXPECT_EQ(bytes[1], ' ') << name;
        EXPECT_EQ(bytes.back(), '\n') << name;
        CMesh mesh;
        mesh.LoadObj(reinterpret_cast<const char*>(bytes.data()), static_cast<unsigned>(bytes.size()));
        EXPECT_GT(mesh.GetFaceCount(), 0u) << name;
        EXPECT_EQ(mesh.GetGroupCount(), 1) << name;
        ++meshes;
    }
    EXPECT_GE(meshes, 5);
}

TEST(AssetFilesTest, HelpPagesNameTheirBlocksAndKeepQuotesBalanced)
{
    CAssetPackReader pack;
    for (const SGameKind& kind : GetGameKinds())
    {
        const std::string name = pack.Group(kind).GetValue("m_help_text", "0");
        ASSERT_TRUE(pack.Has(name)) << name;
        const CConfigFile help = pack.Config(name);
        const int pages = StrToInt(help.GetValue("pages_count", "0"));
        const int blocks = StrToInt(help.GetValue("blocks_count", "0"));
        EXPECT_GE(pages, 1) << name;
        for (int i = 1; i <= blocks; ++i)
        {
            const std::string desc = help.GetValue(std::to_string(i) + "_block_desc", "0");
            char type = 0;
            int page = 0;
            ASSERT_EQ(std::sscanf(desc.c_str(), "%c %i", &type, &page), 2) << name << " " << i;
            EXPECT_TRUE(type == 'T' || type == 'P') << name << " " << i;
            EXPECT_GE(page, 1);
            EXPECT_LE(page, pages);
            const std::string text = help.GetValue(std::to_string(i) + "_block", "0");
            if (type == 'P')
                EXPECT_TRUE(pack.Has(text)) << text;
            else
                EXPECT_NE(help.GetValue(std::to_string(i) + "_block_add", "0"), "0") << name << " " << i;
        }
        // An odd quote would swallow the keys after it.
        const std::vector<unsigned char> bytes = pack.Bytes(name);
        int quotes = 0;
        for (unsigned char c : bytes)
            quotes += c == '"';
        EXPECT_EQ(quotes % 2, 0) << name;
    }
}
