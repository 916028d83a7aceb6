#include "engine/files/CConfigFile.h"

#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
CConfigFile Parsed(const std::string& text)
{
    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    return config;
}
}

TEST(CConfigFileTest, OnePairPerLine)
{
    const CConfigFile config = Parsed("a 1\nb two\n");
    EXPECT_EQ(config.GetValue("a", "0"), "1");
    EXPECT_EQ(config.GetValue("b", "0"), "two");
    EXPECT_EQ(config.GetPairs().size(), 2u);
}

TEST(CConfigFileTest, CrLfTabsAndSeveralPairsOnALineReadTheSame)
{
    const CConfigFile reference = Parsed("a 1\nb 2\nc 3\n");
    EXPECT_EQ(Parsed("a 1\r\nb 2\r\nc 3\r\n").GetPairs(), reference.GetPairs());
    EXPECT_EQ(Parsed("a\t1\tb\t2\nc\t\t3").GetPairs(), reference.GetPairs());
    EXPECT_EQ(Parsed("a 1 b 2 c 3").GetPairs(), reference.GetPairs());
    EXPECT_EQ(Parsed("  a\n\n 1 \r\n b 2 c\n3\n\n").GetPairs(), reference.GetPairs());
}

TEST(CConfigFileTest, CommentAfterAPairIsDropped)
{
    const CConfigFile config = Parsed("a 1 // the first\n// only a comment\nb 2//tight\n");
    EXPECT_EQ(config.GetValue("a", "0"), "1");
    EXPECT_EQ(config.GetValue("b", "0"), "2");
    EXPECT_EQ(config.GetPairs().size(), 2u);
}

TEST(CConfigFileTest, SlashesInsideQuotesStillStartAComment)
{
    // The value runs on to the next quote once the closing quote is blanked.
    const CConfigFile config = Parsed("url \"a//b\"\nnext 1\nlast \"x y\"\n");
    EXPECT_EQ(config.GetValue("url", "0"), "a    \nnext 1\nlast ");
    EXPECT_EQ(config.GetValue("x", "none"), "y\"");
    EXPECT_FALSE(config.HasKey("next"));
}

TEST(CConfigFileTest, SingleSlashIsAnOrdinaryCharacter)
{
    const CConfigFile config = Parsed("file mui/font.tga\n");
    EXPECT_EQ(config.GetValue("file", "0"), "mui/font.tga");
}

TEST(CConfigFileTest, CommentAtTheEndWithoutLineEnd)
{
    const CConfigFile config = Parsed("a 1 //");
    EXPECT_EQ(config.GetValue("a", "0"), "1");
    EXPECT_EQ(config.GetPairs().size(), 1u);
}

TEST(CConfigFileTest, DuplicatedKeyKeepsItsLastValue)
{
    EXPECT_EQ(Parsed("a 1\na 2\na 3\n").GetValue("a", "0"), "3");
}

TEST(CConfigFileTest, QuotedValueKeepsBlanksAndLineEnds)
{
    const CConfigFile config = Parsed("name \"John Smith\" text \"two\nlines\"");
    EXPECT_EQ(config.GetValue("name", "0"), "John Smith");
    EXPECT_EQ(config.GetValue("text", "0"), "two\nlines");
}

TEST(CConfigFileTest, UnclosedQuoteRunsToTheEnd)
{
    EXPECT_EQ(Parsed("a \"open to the end").GetValue("a", "0"), "open to the end");
}

TEST(CConfigFileTest, KeyMayHoldQuotes)
{
    EXPECT_EQ(Parsed("k\"ey v").GetValue("k\"ey", "0"), "v");
}

TEST(CConfigFileTest, KeyAtTheVeryEndGetsAnEmptyValue)
{
    const CConfigFile config = Parsed("a 1\nlast");
    ASSERT_TRUE(config.HasKey("last"));
    EXPECT_EQ(config.GetValue("last", "0"), "");
    EXPECT_TRUE(Parsed("a 1 last   \n\r\t").HasKey("last"));
}

TEST(CConfigFileTest, BytesAboveOneHundredTwentySevenAreOrdinary)
{
    const CConfigFile config = Parsed("n\xe9 \xfc\xff\n");
    EXPECT_EQ(config.GetValue("n\xe9", "0"), "\xfc\xff");
}

TEST(CConfigFileTest, LoadingWithoutClearMerges)
{
    CConfigFile config = Parsed("a 1\nb 2\n");
    const std::string second = "b 20\nc 30\n";
    ASSERT_TRUE(config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(second.data()), second.size(), false));
    EXPECT_EQ(config.GetValue("a", "0"), "1");
    EXPECT_EQ(config.GetValue("b", "0"), "20");
    EXPECT_EQ(config.GetValue("c", "0"), "30");
}

TEST(CConfigFileTest, LoadingWithClearForgetsOldPairs)
{
    CConfigFile config = Parsed("a 1\n");
    const std::string second = "b 2\n";
    ASSERT_TRUE(config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(second.data()), second.size(), true));
    EXPECT_FALSE(config.HasKey("a"));
}

TEST(CConfigFileTest, CallersBytesAreNotChanged)
{
    const std::string text = "a 1 // comment\n";
    std::string copy = text;
    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(copy.data()), copy.size(), true);
    EXPECT_EQ(copy, text);
}

TEST(CConfigFileTest, AbsentKeyGivesTheDefaultAndIsNotAdded)
{
    CConfigFile config;
    EXPECT_EQ(config.GetValue("missing", "dflt"), "dflt");
    EXPECT_FALSE(config.HasKey("missing"));
    EXPECT_EQ(config.ToText(), "");
}

TEST(CConfigFileTest, WrittenFormIsSortedByBytesWithLfAndQuotesForBlanksAndEmptyValues)
{
    CConfigFile config;
    config.SetValue("b", "two words");
    config.SetValue("a", "one");
    config.SetValue("B", "upper");
    config.SetValue("a_long", "x\ty");
    config.SetValue("\xe0", "high");
    config.SetValue("e", "");
    EXPECT_EQ(config.ToText(), "B upper\na one\na_long \"x\ty\"\nb \"two words\"\ne \"\"\n\xe0 high\n");
}

// A value the writer left bare would swallow the pair after it on reading.
TEST(CConfigFileTest, EveryWrittenValueReadsBackAndKeepsTheNextPair)
{
    struct Case
    {
        const char* written;
        const char* read;
    };
    const Case cases[] = {
        {"", ""},
        {" ", " "},
        {"a\tb", "a\tb"},
        {"line\nbreak", "line\nbreak"},
        {"say \"hi\"", "say 'hi'"},
        {"\"", "'"},
        {"a//b", "a/\\b"},
        {"http://x//", "http:/\\x/\\"},
    };
    CTempDir dir;
    for (const Case& c : cases)
    {
        CConfigFile config;
        config.SetValue("name0", c.written);
        config.SetValue("score0", "42");
        ASSERT_TRUE(config.Save(dir.File("t.tab"), "zq71w", 5));
        CConfigFile back;
        ASSERT_TRUE(back.Load(dir.File("t.tab"), true, "zq71w", 5));
        EXPECT_EQ(back.GetValue("name0", "missing"), c.read) << c.written;
        EXPECT_EQ(back.GetValue("score0", "missing"), "42") << c.written;
        EXPECT_EQ(back.GetPairs().size(), 2u) << c.written;
    }
}

TEST(CConfigFileTest, NumbersAreWrittenWithIntegerAndSixDecimalForms)
{
    CConfigFile config;
    config.SetInt("i", -3);
    config.SetFloat("f", 1.0f);
    config.SetFloat("h", 0.5f);
    config.SetFloat("n", -2.25f);
    EXPECT_EQ(config.GetValue("i", ""), "-3");
    EXPECT_EQ(config.GetValue("f", ""), "1.000000");
    EXPECT_EQ(config.GetValue("h", ""), "0.500000");
    EXPECT_EQ(config.GetValue("n", ""), "-2.250000");
}

TEST(CConfigFileTest, ValueWithASpaceSurvivesSaveAndLoad)
{
    CTempDir dir;
    CConfigFile config;
    config.SetValue("name", "Mary Ann Lee");
    config.SetValue("plain", "word");
    config.SetInt("score", 1234);
    ASSERT_TRUE(config.Save(dir.File("a.cfg")));
    EXPECT_EQ(CTempDir::ReadBytes(dir.File("a.cfg")),
              std::vector<unsigned char>({'n', 'a', 'm', 'e', ' ', '"', 'M', 'a', 'r', 'y', ' ', 'A', 'n', 'n', ' ',
                                          'L', 'e', 'e', '"', '\n', 'p', 'l', 'a', 'i', 'n', ' ', 'w', 'o', 'r', 'd',
                                          '\n', 's', 'c', 'o', 'r', 'e', ' ', '1', '2', '3', '4', '\n'}));
    CConfigFile back;
    ASSERT_TRUE(back.Load(dir.File("a.cfg"), true));
    EXPECT_EQ(back.GetPairs(), config.GetPairs());
}

TEST(CConfigFileTest, ScrambledSaveLoadsBackWithTheSameKeyOnly)
{
    CTempDir dir;
    CConfigFile config;
    config.SetValue("m_sound", "1");
    config.SetValue("player", "Some One");
    ASSERT_TRUE(config.Save(dir.File("s.cfg"), "52kq781w", 8));
    const auto bytes = CTempDir::ReadBytes(dir.File("s.cfg"));
    ASSERT_EQ(bytes.size(), config.ToText().size() + 1);
    EXPECT_LT(bytes[0], 100);

    CConfigFile back;
    ASSERT_TRUE(back.Load(dir.File("s.cfg"), true, "52kq781w", 8));
    EXPECT_EQ(back.GetPairs(), config.GetPairs());

    CConfigFile wrong;
    wrong.Load(dir.File("s.cfg"), true, "394m612z", 8);
    EXPECT_NE(wrong.GetValue("m_sound", "absent"), "1");
}

TEST(CConfigFileTest, MissingFileFailsAndLeavesTheStoreEvenWhenClearing)
{
    CTempDir dir;
    CConfigFile config = Parsed("keep 1\n");
    EXPECT_FALSE(config.Load(dir.File("none.cfg"), true));
    EXPECT_EQ(config.GetValue("keep", "0"), "1");
}

TEST(CConfigFileTest, CorruptScrambledFileFailsAndLeavesTheStore)
{
    CTempDir dir;
    CConfigFile config = Parsed("keep 1\n");
    CTempDir::WriteBytes(dir.File("one.cfg"), {0});
    CTempDir::WriteBytes(dir.File("empty.cfg"), {});
    CTempDir::WriteBytes(dir.File("rot.cfg"), {5, 'a', 'b', 'c'});
    EXPECT_FALSE(config.Load(dir.File("one.cfg"), true, "qiv", 3));
    EXPECT_FALSE(config.Load(dir.File("empty.cfg"), true, "qiv", 3));
    EXPECT_FALSE(config.Load(dir.File("rot.cfg"), true, "qiv", 3));
    EXPECT_EQ(config.GetValue("keep", "0"), "1");
}

TEST(CConfigFileTest, SaveLeavesNoTemporaryFilesBehind)
{
    CTempDir dir;
    CConfigFile config;
    config.SetValue("a", "1");
    ASSERT_TRUE(config.Save(dir.File("x.cfg"), "zq71w", 5));
    ASSERT_TRUE(config.Save(dir.File("x.cfg"), "zq71w", 5));
    EXPECT_EQ(dir.List(), std::vector<std::string>{"x.cfg"});
}

TEST(CConfigFileTest, SaveIntoAnUnwritablePlaceFails)
{
    CTempDir dir;
    CTempDir::WriteText(dir.File("plainfile"), "x");
    CConfigFile config;
    config.SetValue("a", "1");
    EXPECT_FALSE(config.Save(dir.File("plainfile/inside.cfg")));
}
