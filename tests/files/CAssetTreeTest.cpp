#include "tools/packwriter/CAssetTree.h"

#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(CAssetTreeTest, NamesAreRelativeWithSlashesInByteOrder)
{
    CTempDir dir;
    for (const char* sub : {"mui", "mui/remover", "dat", "empty"})
        ASSERT_EQ(mkdir(dir.File(sub).c_str(), 0755), 0);
    for (const char* file : {"mui/remover/menu_remover.txt", "mui/menu.txt", "dat/param.txt", "Z.txt"})
        CTempDir::WriteText(dir.File(file), "a");
    std::vector<std::string> names;
    ASSERT_TRUE(CAssetTree::Collect(dir.GetPath() + "/", names));
    EXPECT_EQ(names, (std::vector<std::string>{"Z.txt", "dat/param.txt", "mui/menu.txt",
                                               "mui/remover/menu_remover.txt"}));
    EXPECT_FALSE(CAssetTree::Collect(dir.File("none"), names));
}

TEST(CAssetTreeTest, LinkLoopEndsRefused)
{
    CTempDir dir;
    ASSERT_EQ(mkdir(dir.File("a").c_str(), 0755), 0);
    ASSERT_EQ(symlink("..", dir.File("a/up").c_str()), 0);
    std::vector<std::string> names;
    EXPECT_FALSE(CAssetTree::Collect(dir.GetPath(), names));
}

TEST(CAssetTreeTest, StarCrossesDirectories)
{
    EXPECT_TRUE(CAssetTree::MatchesAny("dat/param.txt", {"dat/*"}));
    EXPECT_TRUE(CAssetTree::MatchesAny("mui/remover/menu_remover.txt", {"*.txt"}));
    EXPECT_FALSE(CAssetTree::MatchesAny("mui/font.tga", {"*.txt", "dat/*"}));
    EXPECT_FALSE(CAssetTree::MatchesAny("x", {}));
}
