#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "shell/game/CScoreTable.h"
#include "tests/files/CTempDir.h"

namespace
{
std::vector<std::string> Names(const CScoreTable& table)
{
    std::vector<std::string> names;
    for (int i = 0; i < table.GetCount(); ++i)
        names.push_back(table.GetName(i) + "=" + std::to_string(table.GetScore(i)));
    return names;
}
}

TEST(ScoreTable, ScoresRankInTheTablesOrderEqualOnesBelowAndTheEighthFallsOut)
{
    const struct
    {
        int order;
        std::vector<int> scores;   // added in turn under the names a, b, c...
        std::vector<std::string> table;
    } cases[] = {
        {0, {10, 30, 20}, {"b=30", "c=20", "a=10"}},
        {1, {10, 30, 5}, {"c=5", "a=10", "b=30"}},
        {0, {50, 50}, {"a=50", "b=50"}},
        {0, {700, 600, 500, 400, 300, 200, 100, 350},
         {"a=700", "b=600", "c=500", "d=400", "h=350", "e=300", "f=200"}},
    };
    for (const auto& c : cases)
    {
        CScoreTable table(c.order);
        for (std::size_t i = 0; i < c.scores.size(); ++i)
            table.Add(std::string(1, static_cast<char>('a' + i)), c.scores[i]);
        EXPECT_EQ(Names(table), c.table) << c.table[0];
    }
}

TEST(ScoreTable, ZeroOrAScoreEqualToTheSeventhNeverRanks)
{
    CScoreTable table(0);
    EXPECT_EQ(-1, table.GetRank(0));
    EXPECT_EQ(0, table.GetRank(1));
    for (int score : {700, 600, 500, 400, 300, 200, 100})
        table.Add("p", score);
    EXPECT_EQ(-1, table.GetRank(100));
    EXPECT_EQ(6, table.GetRank(101));
}

TEST(ScoreTable, RoundTripThroughTheScrambledFileKeepsNamesWithSpaces)
{
    CTempDir dir;
    CScoreTable empty(0);
    ASSERT_TRUE(empty.Save(dir.File("empty.tab")));
    CConfigFile raw;
    ASSERT_TRUE(raw.Load(dir.File("empty.tab"), true, "ko%58w", 6));
    EXPECT_EQ(raw.GetPairs(), (CConfigFile::Pairs{{"num", "0"}}));

    CScoreTable table(0);
    table.Add("Anna Maria", 1234);
    table.Add("Bob", 99);
    ASSERT_TRUE(table.Save(dir.File("round.tab")));
    ASSERT_TRUE(raw.Load(dir.File("round.tab"), true, "ko%58w", 6));
    EXPECT_EQ(raw.GetPairs(), (CConfigFile::Pairs{{"name0", "Anna Maria"}, {"name1", "Bob"}, {"num", "2"},
                                                  {"score0", "1234"}, {"score1", "99"}}));
    CScoreTable back(0);
    ASSERT_TRUE(back.Load(dir.File("round.tab")));
    EXPECT_EQ(Names(back), Names(table));
}

TEST(ScoreTable, StoredEntriesLoadInFileOrderUpToTheCap)
{
    CTempDir dir;
    CConfigFile raw;
    for (int i = 0; i < 9; ++i)
    {
        raw.SetValue("name" + std::to_string(i), "n" + std::to_string(i));
        raw.SetInt("score" + std::to_string(i), i * 10);
    }
    raw.SetInt("num", 9);
    ASSERT_TRUE(raw.Save(dir.File("nine.tab"), "ko%58w", 6));
    CScoreTable table(0);
    ASSERT_TRUE(table.Load(dir.File("nine.tab")));
    ASSERT_EQ(9, table.GetCount());
    EXPECT_EQ("n0", table.GetName(0));
    EXPECT_EQ(80, table.GetScore(8));

    raw.SetValue("num", "2000000000");
    ASSERT_TRUE(raw.Save(dir.File("huge.tab"), "ko%58w", 6));
    table.Load(dir.File("huge.tab"));
    EXPECT_LE(table.GetCount(), CScoreTable::MAX_LOADED_ENTRIES);
}

TEST(ScoreTable, MissingFileKeepsTheEntriesAndADamagedOneIsNotOverwrittenUntilChanged)
{
    CTempDir dir;
    CScoreTable table(0);
    table.Add("kept", 5);
    EXPECT_FALSE(table.Load(dir.File("missing.tab")));
    ASSERT_EQ(1, table.GetCount());

    const std::string path = dir.File("damaged.tab");
    CTempDir::WriteText(path, "\xC8garbage that is not a table");
    EXPECT_FALSE(table.Load(path));
    EXPECT_EQ(0, table.GetCount());
    EXPECT_FALSE(table.Save(path));
    EXPECT_EQ(CTempDir::ReadText(path), "\xC8garbage that is not a table");
    table.Add("new", 7);
    EXPECT_TRUE(table.Save(path));
    CScoreTable back(0);
    ASSERT_TRUE(back.Load(path));
    EXPECT_EQ("new", back.GetName(0));
}
