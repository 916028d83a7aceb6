#include "engine/files/CConfigFile.h"

#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
bool Merge(CConfigFile& config, const std::string& text, bool clear)
{
    return config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), clear);
}

CConfigFile Parsed(const std::string& text)
{
    CConfigFile config;
    Merge(config, text, true);
    return config;
}
}

TEST(CConfigFileTest, TextParsesIntoKeyValuePairs)
{
    const struct
    {
        std::string text;
        CConfigFile::Pairs pairs;
    } cases[] = {
        {"a 1\nb 2\nc 3\n", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        {"a 1\r\nb 2\r\nc 3\r\n", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        {"a\t1\tb\t2\nc\t\t3", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        {"  a\n\n 1 \r\n b 2 c\n3\n\n", {{"a", "1"}, {"b", "2"}, {"c", "3"}}},
        {"a 1 // the first\n// only a comment\nb 2//tight\n", {{"a", "1"}, {"b", "2"}}},
        {"a 1 //", {{"a", "1"}}},
        {"file mui/font.tga\n", {{"file", "mui/font.tga"}}},
        {"a 1\na 2\na 3\n", {{"a", "3"}}},
        {"name \"John Smith\" text \"two\nlines\"", {{"name", "John Smith"}, {"text", "two\nlines"}}},
        {"a \"open to the end", {{"a", "open to the end"}}},
        {"k\"ey v", {{"k\"ey", "v"}}},
        {"a 1\nlast", {{"a", "1"}, {"last", ""}}},
        {"a 1 last   \n\r\t", {{"a", "1"}, {"last", ""}}},
        {"n\xe9 \xfc\xff\n", {{"n\xe9", "\xfc\xff"}}},
        // Comments are cut before quotes are seen: the value runs on to the next quote.
        {"url \"a//b\"\nnext 1\nlast \"x y\"\n", {{"url", "a    \nnext 1\nlast "}, {"x", "y\""}}},
    };
    for (const auto& c : cases)
    {
        std::string copy = c.text;
        CConfigFile config;
        config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(copy.data()), copy.size(), true);
        EXPECT_EQ(config.GetPairs(), c.pairs) << "[" << c.text << "]";
        EXPECT_EQ(copy, c.text) << "the caller's bytes were changed";
    }
}

TEST(CConfigFileTest, LoadingMergesUnlessToldToClear)
{
    CConfigFile config = Parsed("a 1\nb 2\n");
    ASSERT_TRUE(Merge(config, "b 20\nc 30\n", false));
    EXPECT_EQ(config.GetPairs(), (CConfigFile::Pairs{{"a", "1"}, {"b", "20"}, {"c", "30"}}));
    ASSERT_TRUE(Merge(config, "d 4\n", true));
    EXPECT_EQ(config.GetPairs(), (CConfigFile::Pairs{{"d", "4"}}));
    EXPECT_EQ(config.GetValue("missing", "dflt"), "dflt");
    EXPECT_FALSE(config.HasKey("missing"));
}

TEST(CConfigFileTest, WrittenFormIsSortedByBytesWithQuotesForBlanksAndEmptyValues)
{
    CConfigFile config;
    config.SetValue("b", "two words");
    config.SetValue("a", "one");
    config.SetValue("B", "upper");
    config.SetValue("a_long", "x\ty");
    config.SetValue("\xe0", "high");
    config.SetInt("i", -3);
    config.SetFloat("f", 1.0f);
    config.SetFloat("n", -2.25f);
    config.SetValue("e", "");
    EXPECT_EQ(config.ToText(), "B upper\na one\na_long \"x\ty\"\nb \"two words\"\ne \"\"\nf 1.000000\ni -3\n"
                               "n -2.250000\n\xe0 high\n");
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

// The keyed round trip is the test above.
TEST(CConfigFileTest, PlainSaveIsTheTextAndAKeyedOneLoadsBackWithTheSameKeyOnly)
{
    CTempDir dir;
    CConfigFile config;
    config.SetValue("name", "Mary Ann Lee");
    config.SetInt("score", 1234);
    ASSERT_TRUE(config.Save(dir.File("a.cfg")));
    EXPECT_EQ(CTempDir::ReadText(dir.File("a.cfg")), "name \"Mary Ann Lee\"\nscore 1234\n");
    ASSERT_TRUE(config.Save(dir.File("s.cfg"), "52kq781w", 8));
    CConfigFile back;
    ASSERT_TRUE(back.Load(dir.File("a.cfg"), true));
    EXPECT_EQ(back.GetPairs(), config.GetPairs());
    CConfigFile wrong;
    wrong.Load(dir.File("s.cfg"), true, "394m612z", 8);
    EXPECT_NE(wrong.GetPairs(), config.GetPairs());
}

