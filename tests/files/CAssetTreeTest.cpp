#include "tools/packwriter/CAssetTree.h"

#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

TEST(CAssetTreeTest, NamesAreRelativeWithSlashesInByteOrder)
{
    CTempDir dir;
    ASSERT_EQ(mkdir(dir.File("mui").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.File("mui/remover").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.File("dat").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(dir.File("empty").c_str(), 0755), 0);
    CTempDir::WriteText(dir.File("mui/remover/menu_remover.txt"), "a");
    CTempDir::WriteText(dir.File("mui/menu.txt"), "b");
    CTempDir::WriteText(dir.File("dat/param.txt"), "c");
    CTempDir::WriteText(dir.File("Z.txt"), "d");
    std::vector<std::string> names;
    ASSERT_TRUE(CAssetTree::Collect(dir.GetPath() + "/", names));
    EXPECT_EQ(names, (std::vector<std::string>{"Z.txt", "dat/param.txt", "mui/menu.txt",
                                               "mui/remover/menu_remover.txt"}));
}

TEST(CAssetTreeTest, MissingDirectoryFails)
{
    CTempDir dir;
    std::vector<std::string> names;
    EXPECT_FALSE(CAssetTree::Collect(dir.File("none"), names));
}

TEST(CAssetTreeTest, LinkLoopEnds)
{
    CTempDir dir;
    ASSERT_EQ(mkdir(dir.File("a").c_str(), 0755), 0);
    ASSERT_EQ(symlink("..", dir.File("a/up").c_str()), 0);
    std::vector<std::string> names;
    CAssetTree::Collect(dir.GetPath(), names);
    SUCCEED();
}

TEST(CAssetTreeTest, StarCrossesDirectories)
{
    EXPECT_TRUE(CAssetTree::MatchesAny("dat/param.txt", {"dat/*"}));
    EXPECT_TRUE(CAssetTree::MatchesAny("mui/remover/menu_remover.txt", {"*.txt"}));
    EXPECT_FALSE(CAssetTree::MatchesAny("mui/font.tga", {"*.txt", "dat/*"}));
    EXPECT_FALSE(CAssetTree::MatchesAny("x", {}));
}
