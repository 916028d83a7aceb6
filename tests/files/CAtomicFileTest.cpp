#include "engine/files/CAtomicFile.h"

#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

TEST(CAtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporary)
{
    CTempDir dir;
    CTempDir::WriteText(dir.File("f"), "a much longer old content");
    ASSERT_TRUE(CAtomicFile::Write(dir.File("f"), std::string("abc\0def", 7)));
    EXPECT_EQ(CTempDir::ReadText(dir.File("f")), std::string("abc\0def", 7));
    ASSERT_TRUE(CAtomicFile::Write(dir.File("empty"), nullptr, 0));
    ASSERT_TRUE(CAtomicFile::Write(dir.File("data/sub/f.cfg"), std::string("x")));
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"data", "empty", "f"}));
    EXPECT_EQ(CTempDir::ReadText(dir.File("data/sub/f.cfg")), "x");
}

TEST(CAtomicFileTest, FailureSaysWhyLeavesNoTemporaryAndTheTargetUntouched)
{
    CTempDir dir;
    // A directory cannot be replaced by a file: the rename fails.
    ASSERT_EQ(mkdir(dir.File("target").c_str(), 0755), 0);
    CTempDir::WriteText(dir.File("target/inner"), "x");
    CTempDir::WriteText(dir.File("file"), "x");
    EXPECT_FALSE(CAtomicFile::Write(dir.File("target"), std::string("new")));
    EXPECT_FALSE(CAtomicFile::Write(dir.File("file/inner"), std::string("y")));
    EXPECT_FALSE(CAtomicFile::GetLastError().empty());
    EXPECT_FALSE(CAtomicFile::Write("", std::string("y")));
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"file", "target"}));
    EXPECT_EQ(CTempDir::ReadText(dir.File("target/inner")), "x");
    ASSERT_TRUE(CAtomicFile::Write(dir.File("ok"), std::string("x")));
    EXPECT_EQ(CAtomicFile::GetLastError(), "");
}

TEST(CAtomicFileTest, StaleTemporariesGoAndEverythingElseStays)
{
    CTempDir dir;
    const std::vector<std::string> kept = {"dx.cfg", "remover.cfg", "scores100.tab", "x.cfg.tmp-12345",
                                           "x.cfg.tmp-ab!def", "x.cfg.XYZ123", "notes.tmp-abcdefg"};
    for (const std::string& name : kept)
        CTempDir::WriteText(dir.File(name), "keep");
    CTempDir::WriteText(dir.File("dx.cfg.tmp-Ab3xY9"), "torn");
    CTempDir::WriteText(dir.File("scores100.tab.tmp-000000"), "torn");
    EXPECT_EQ(CAtomicFile::RemoveStaleTemporaries(dir.File("")), 2);
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> left = dir.List();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, expected);
}

