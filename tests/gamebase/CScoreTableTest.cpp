#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

#include "engine/files/CConfigFile.h"
#include "shell/game/CScoreTable.h"

namespace
{
std::string TempPath(const char* name)
{
    return std::string("/tmp/mw_scores_test_") + std::to_string(getpid()) + "_" + name;
}

CScoreTable FullTable()
{
    CScoreTable table(0);
    for (int score : {700, 600, 500, 400, 300, 200, 100})
        table.Add("p" + std::to_string(score), score);
    return table;
}
}

TEST(ScoreTable, HigherScoresRankFirst)
{
    CScoreTable table(0);
    table.Add("a", 10);
    table.Add("b", 30);
    table.Add("c", 20);
    ASSERT_EQ(3, table.GetCount());
    EXPECT_EQ("b", table.GetName(0));
    EXPECT_EQ("c", table.GetName(1));
    EXPECT_EQ("a", table.GetName(2));
}

TEST(ScoreTable, LowerScoresRankFirstWithAnotherOrder)
{
    CScoreTable table(1);
    table.Add("a", 10);
    table.Add("b", 30);
    table.Add("c", 5);
    EXPECT_EQ("c", table.GetName(0));
    EXPECT_EQ("b", table.GetName(2));
}

TEST(ScoreTable, EqualScoreRanksJustBelowTheOldOne)
{
    CScoreTable table(0);
    table.Add("first", 50);
    EXPECT_EQ(1, table.GetRank(50));
    table.Add("second", 50);
    EXPECT_EQ("first", table.GetName(0));
    EXPECT_EQ("second", table.GetName(1));
}

TEST(ScoreTable, EighthEntryPushesTheLastOneOut)
{
    CScoreTable table = FullTable();
    table.Add("new", 350);
    ASSERT_EQ(7, table.GetCount());
    EXPECT_EQ("new", table.GetName(4));
    EXPECT_EQ(200, table.GetScore(6));
}

TEST(ScoreTable, ScoreEqualToTheSeventhDoesNotEnterAFullTable)
{
    CScoreTable table = FullTable();
    EXPECT_EQ(-1, table.GetRank(100));
    EXPECT_EQ(6, table.GetRank(101));
}

TEST(ScoreTable, ZeroNeverRanks)
{
    CScoreTable empty(0);
    EXPECT_EQ(-1, empty.GetRank(0));
    EXPECT_EQ(0, empty.GetRank(1));
}

TEST(ScoreTable, RoundTripThroughTheScrambledFileKeepsNamesWithSpaces)
{
    std::string path = TempPath("round.tab");
    CScoreTable table(0);
    table.Add("Anna Maria", 1234);
    table.Add("Bob", 99);
    ASSERT_TRUE(table.Save(path));

    CConfigFile raw;
    ASSERT_TRUE(raw.Load(path, true, "ko%58w", 6));
    EXPECT_EQ("2", raw.GetValue("num", ""));
    EXPECT_EQ("Anna Maria", raw.GetValue("name0", ""));
    EXPECT_EQ("99", raw.GetValue("score1", ""));

    CScoreTable back(0);
    ASSERT_TRUE(back.Load(path));
    ASSERT_EQ(2, back.GetCount());
    EXPECT_EQ("Anna Maria", back.GetName(0));
    EXPECT_EQ(1234, back.GetScore(0));
    EXPECT_EQ("Bob", back.GetName(1));
    std::remove(path.c_str());
}

TEST(ScoreTable, EmptyTableWritesNumZero)
{
    std::string path = TempPath("empty.tab");
    CScoreTable table(0);
    ASSERT_TRUE(table.Save(path));
    CConfigFile raw;
    ASSERT_TRUE(raw.Load(path, true, "ko%58w", 6));
    EXPECT_EQ("0", raw.GetValue("num", ""));
    EXPECT_EQ(1u, raw.GetPairs().size());
    std::remove(path.c_str());
}

TEST(ScoreTable, FileOfNineEntriesLoadsNineInFileOrder)
{
    std::string path = TempPath("nine.tab");
    CConfigFile raw;
    for (int i = 0; i < 9; ++i)
    {
        raw.SetValue("name" + std::to_string(i), "n" + std::to_string(i));
        raw.SetInt("score" + std::to_string(i), i * 10);
    }
    raw.SetInt("num", 9);
    ASSERT_TRUE(raw.Save(path, "ko%58w", 6));
    CScoreTable table(0);
    ASSERT_TRUE(table.Load(path));
    ASSERT_EQ(9, table.GetCount());
    EXPECT_EQ("n0", table.GetName(0));
    EXPECT_EQ(80, table.GetScore(8));
    std::remove(path.c_str());
}

TEST(ScoreTable, HugeNumIsCapped)
{
    std::string path = TempPath("huge.tab");
    CConfigFile raw;
    raw.SetValue("num", "2000000000");
    ASSERT_TRUE(raw.Save(path, "ko%58w", 6));
    CScoreTable table(0);
    table.Load(path);
    EXPECT_LE(table.GetCount(), CScoreTable::MAX_LOADED_ENTRIES);
    std::remove(path.c_str());
}

TEST(ScoreTable, MissingFileKeepsTheEntries)
{
    CScoreTable table(0);
    table.Add("kept", 5);
    EXPECT_FALSE(table.Load(TempPath("missing.tab")));
    ASSERT_EQ(1, table.GetCount());
}

TEST(ScoreTable, DamagedFileIsAnEmptyTableAndIsNotOverwrittenUntilChanged)
{
    std::string path = TempPath("damaged.tab");
    {
        std::ofstream out(path, std::ios::binary);
        out << "\xC8garbage that is not a table";
    }
    CScoreTable table(0);
    table.Add("old", 5);
    EXPECT_FALSE(table.Load(path));
    EXPECT_EQ(0, table.GetCount());
    EXPECT_FALSE(table.Save(path));
    std::ifstream in(path, std::ios::binary);
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ("\xC8garbage that is not a table", kept);

    table.Add("new", 7);
    EXPECT_TRUE(table.Save(path));
    CScoreTable back(0);
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ("new", back.GetName(0));
    std::remove(path.c_str());
}
