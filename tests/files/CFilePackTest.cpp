#include "engine/files/CFilePack.h"

#include "tests/files/CTempDir.h"
#include "tools/packwriter/CPackWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

std::string Text(const CFileData& data)
{
    return std::string(reinterpret_cast<const char*>(data.GetData()), data.GetSize());
}

void PutU32(Bytes& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

struct SEntry
{
    std::string name;
    std::string stored;   // as it lies in the pack
    char flag = 'n';
};

// Raw pack bytes written by hand, so the reader is tested apart from the writer
// and the writer is held to them. A count of -1 means the true one.
Bytes Pack(const std::vector<SEntry>& entries, long long count = -1)
{
    Bytes out = {'L', 'B'};
    PutU32(out, static_cast<std::uint32_t>(count >= 0 ? count : static_cast<long long>(entries.size())));
    for (const SEntry& entry : entries)
    {
        PutU32(out, static_cast<std::uint32_t>(entry.name.size()));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        PutU32(out, static_cast<std::uint32_t>(entry.stored.size()));
        out.push_back(static_cast<unsigned char>(entry.flag));
        out.insert(out.end(), entry.stored.begin(), entry.stored.end());
    }
    return out;
}

// What GetFile gives for a name: the text, or "!" when it throws.
std::string Lookup(const CFilePack& pack, const std::string& name)
{
    try
    {
        return Text(pack.GetFile(name));
    }
    catch (const CFilePackError&)
    {
        return "!";
    }
}
}

TEST(CFilePackTest, NamesMatchWithEitherSeparatorThePackFirstThenTheDisk)
{
    CTempDir dir(CTempDir::kEnter);
    CTempDir::WriteBytes("p.pk", Pack({{"mui/font.tga", "slash"}, {"dat\\param.txt", "backslash"},
                                       {"a/b\\c.txt", "both"}, {"Pic.txt", "packed"}, {"x.txt", "packed"},
                                       {"d/x.txt", "one"}, {"d\\x.txt", "two"}, {"empty", ""}, {"after", "z"}}));
    ASSERT_EQ(mkdir("dat", 0755), 0);
    ASSERT_EQ(mkdir("sub", 0755), 0);
    CTempDir::WriteText("pic.txt", "loose");
    CTempDir::WriteText("x.txt", "loose");
    CTempDir::WriteText("dat/loose.txt", "disk");
    CFilePack pack;
    ASSERT_TRUE(pack.Open("p.pk"));
    EXPECT_EQ(pack.GetEntryCount(), 9u);
    const struct
    {
        const char* name;
        const char* text;
    } cases[] = {
        {"mui/font.tga", "slash"},   {"mui\\font.tga", "slash"},     {"dat/param.txt", "backslash"},
        {"dat\\param.txt", "backslash"},
        {"a/b/c.txt", "both"},       {"a\\b\\c.txt", "both"},        {"a/b\\c.txt", "!"},
        {"pic.txt", "loose"},        {"x.txt", "packed"},            {"d\\x.txt", "one"},
        {"empty", ""},               {"after", "z"},                 {"dat\\loose.txt", "disk"},
        {"sub", "!"},                {"dat/nothing.txt", "!"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(Lookup(pack, c.name), c.text) << c.name;
        EXPECT_EQ(pack.Exists(c.name), std::string(c.text) != "!") << c.name;
    }
    // Header, then 4 + name + 4 + flag per entry before its data.
    EXPECT_EQ(pack.GetFile("dat/param.txt").GetOffset(), 6u + (9 + 12 + 5) + (9 + 13));
}

// The message of a file missing everywhere is held by the start-up tests.
TEST(CFilePackTest, MissingPackIsToldApartAndTheDiskStillServes)
{
    CTempDir dir(CTempDir::kEnter);
    CTempDir::WriteText("loose.txt", "disk");
    CFilePack pack;
    EXPECT_FALSE(pack.Open("no.pk"));
    EXPECT_TRUE(pack.WasMissing());
    EXPECT_EQ(Lookup(pack, "loose.txt"), "disk");
    EXPECT_EQ(Lookup(pack, "dat/nothing.txt"), "!");
}

TEST(CFilePackTest, BadPacksAreRefusedAndKeepTheOldTable)
{
    CTempDir dir(CTempDir::kEnter);
    const Bytes full = Pack({{"name.txt", "some data"}, {"z", "end"}});
    std::vector<Bytes> bad;
    for (std::size_t cut = 0; cut < full.size(); ++cut)
        bad.emplace_back(full.begin(), full.begin() + static_cast<long>(cut));
    bad.push_back(full);
    bad.back()[0] = 'X';
    bad.push_back(Pack({{"a", "1"}}, 0xFFFFFFFFll));
    bad.push_back(Pack({{std::string(100, 'n'), "1"}}));
    bad.push_back({'L', 'B', 1, 0, 0, 0, 1, 0, 0, 0, 'a', 0xF0, 0xFF, 0xFF, 0xFF, 'n', 'x'});
    bad.push_back({'L', 'B', 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});

    Bytes good = Pack({{std::string(99, 'n'), "1"}});
    good.push_back(0);   // trailing bytes after the last entry are ignored
    CTempDir::WriteBytes("good.pk", good);
    CFilePack pack;
    ASSERT_TRUE(pack.Open("good.pk"));
    for (std::size_t i = 0; i < bad.size(); ++i)
    {
        CTempDir::WriteBytes("bad.pk", bad[i]);
        EXPECT_FALSE(pack.Open("bad.pk")) << "case " << i;
        EXPECT_EQ(Lookup(pack, std::string(99, 'n')), "1") << "case " << i;
        CFilePack fresh;
        EXPECT_FALSE(fresh.Open("bad.pk"));
        EXPECT_EQ(fresh.GetEntryCount(), 0u);
        // The start-up message names what is wrong with the pack.
        EXPECT_FALSE(fresh.WasMissing()) << "case " << i;
        const std::string why = fresh.GetOpenError();
        EXPECT_TRUE(why.rfind("is damaged", 0) == 0 || why.rfind("is not a resource pack", 0) == 0) << why;
    }
    EXPECT_TRUE(pack.Open("good.pk"));
    EXPECT_EQ(pack.GetOpenError(), "");
}

TEST(CFilePackTest, PackThatShrankSinceOpenFallsBackToTheDisk)
{
    CTempDir dir(CTempDir::kEnter);
    CTempDir::WriteBytes("p.pk", Pack({{"gone.txt", "packed data"}}));
    CFilePack pack;
    ASSERT_TRUE(pack.Open("p.pk"));
    CTempDir::WriteBytes("p.pk", Pack({}));
    EXPECT_EQ(Lookup(pack, "gone.txt"), "!");
    CTempDir::WriteText("gone.txt", "loose");
    EXPECT_EQ(Lookup(pack, "gone.txt"), "loose");
}

// The 45 bytes run past the 36 of the pass phrase: the two XOR passes with
// it combine into one table, applied from the start of each entry, wrapping.
TEST(CFilePackTest, WriterOutputIsByteExact)
{
    const std::string param = "gameurl example.org/game\nsiteurl example.org\n";
    const std::string scrambled = "\x67\x61\x6F\x60\x32\x2F\x68\x77\x7A\x67\x6E\x3D\x6F\x6C\x6A"
                                  "\x6A\x60\x2B\x37\x38\x26\x20\x3D\x6A\x0A\x31\x46\x63\x62\x71"
                                  "\x6D\x79\x2F\x38\x28\x4E\x6D\x70\x6E\x60\x69\x32\x76\x30\x15";
    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("dat/param.txt", Bytes(param.begin(), param.end()), true));
    ASSERT_TRUE(writer.Add("mui\\bg.jpg", Bytes(777, 0x5A), false));
    ASSERT_TRUE(writer.Add("empty.txt", {}, true));
    EXPECT_EQ(writer.Build(), Pack({{"dat/param.txt", scrambled, 'y'},
                                    {"mui\\bg.jpg", std::string(777, 0x5A)},
                                    {"empty.txt", "", 'y'}}));
}

TEST(CFilePackTest, WriterRefusesNamesTheReaderWouldRefuse)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    std::string error;
    EXPECT_FALSE(writer.Add(std::string(100, 'a'), {'x'}, false, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writer.Add("", {'x'}, false));
    EXPECT_TRUE(writer.Add(std::string(99, 'a'), {'x'}, false));
}
