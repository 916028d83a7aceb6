#include "engine/files/CFilePack.h"

#include "tests/files/CTempDir.h"
#include "tools/packwriter/CPackWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
std::vector<unsigned char> Bytes(const std::string& text)
{
    return std::vector<unsigned char>(text.begin(), text.end());
}

std::string Text(const CFileData& data)
{
    return std::string(reinterpret_cast<const char*>(data.GetData()), data.GetSize());
}

void PutU32(std::vector<unsigned char>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// Raw pack bytes written by hand, so the reader is tested apart from the writer.
void PutEntry(std::vector<unsigned char>& out, const std::string& name, const std::vector<unsigned char>& data,
              char flag = 'n')
{
    PutU32(out, static_cast<std::uint32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    out.push_back(static_cast<unsigned char>(flag));
    out.insert(out.end(), data.begin(), data.end());
}

std::vector<unsigned char> Header(std::uint32_t count)
{
    std::vector<unsigned char> out = {'L', 'B'};
    PutU32(out, count);
    return out;
}

// Runs each test in a fresh directory so that disk fallbacks see only its files.
class CFilePackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        m_old_dir = buffer;
        ASSERT_EQ(chdir(m_dir.GetPath().c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(m_old_dir.c_str()), 0); }

    CTempDir m_dir;
    std::string m_old_dir;
};
}

TEST_F(CFilePackTest, StoredBytesReadBackAsHelloWorldUnderTheGamesPassPhrase)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "t.txt", {0x68, 0x65, 0x6e, 0x69, 0x28, 0x7d, 0x73, 0x38, 0x6d, 0x73, 0x6b}, 'y');
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    reader.SetPassPhrase(CFilePack::kPassPhrase);
    ASSERT_TRUE(reader.Open("p.pk"));
    const CFileData data = reader.GetFile("t.txt");
    EXPECT_EQ(Text(data), "hello world");
    EXPECT_EQ(data.GetFlag(), 'y');
}

TEST_F(CFilePackTest, ThePassPhraseIsThirtySixCharacters)
{
    EXPECT_EQ(std::strlen(CFilePack::kPassPhrase), 36u);
}

TEST_F(CFilePackTest, EntriesAreFoundWithTheirSizeOffsetAndFlag)
{
    std::vector<unsigned char> pack = Header(2);
    PutEntry(pack, "a.txt", Bytes("first"));
    PutEntry(pack, "b.txt", Bytes("second!"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_EQ(reader.GetEntryCount(), 2u);
    const CFileData b = reader.GetFile("b.txt");
    EXPECT_EQ(Text(b), "second!");
    EXPECT_EQ(b.GetOffset(), 6u + 4 + 5 + 5 + 5 + 4 + 5 + 5);
    EXPECT_EQ(b.GetFlag(), 'n');
}

TEST_F(CFilePackTest, EitherSeparatorFindsAnEntryStoredWithTheOther)
{
    std::vector<unsigned char> pack = Header(2);
    PutEntry(pack, "mui/font.tga", Bytes("slash"));
    PutEntry(pack, "dat\\param.txt", Bytes("backslash"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_EQ(Text(reader.GetFile("mui/font.tga")), "slash");
    EXPECT_EQ(Text(reader.GetFile("mui\\font.tga")), "slash");
    EXPECT_EQ(Text(reader.GetFile("dat/param.txt")), "backslash");
    EXPECT_EQ(Text(reader.GetFile("dat\\param.txt")), "backslash");
}

TEST_F(CFilePackTest, NameWithBothSeparatorsNeverMatchesAnEntry)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "a/b\\c.txt", Bytes("packed"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_TRUE(reader.IsInPack("a/b/c.txt"));
    EXPECT_TRUE(reader.IsInPack("a\\b\\c.txt"));
    EXPECT_FALSE(reader.IsInPack("a/b\\c.txt"));
    EXPECT_THROW(reader.GetFile("a/b\\c.txt"), CFilePackError);
}

TEST_F(CFilePackTest, LetterCaseMattersAndTheDiskIsTriedNext)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "Pic.txt", Bytes("packed"));
    CTempDir::WriteBytes("p.pk", pack);
    CTempDir::WriteText("pic.txt", "loose");
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    const CFileData data = reader.GetFile("pic.txt");
    EXPECT_EQ(Text(data), "loose");
    EXPECT_EQ(data.GetOffset(), 0u);
    EXPECT_EQ(data.GetFlag(), 'n');
}

TEST_F(CFilePackTest, LooseFileIsFoundWithEitherSeparator)
{
    ASSERT_EQ(mkdir("dat", 0755), 0);
    CTempDir::WriteText("dat/loose.txt", "disk");
    CFilePack reader;
    EXPECT_EQ(Text(reader.GetFile("dat\\loose.txt")), "disk");
    EXPECT_TRUE(reader.Exists("dat\\loose.txt"));
}

TEST_F(CFilePackTest, LooseFileNeverOverridesAPackEntry)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "x.txt", Bytes("packed"));
    CTempDir::WriteBytes("p.pk", pack);
    CTempDir::WriteText("x.txt", "loose");
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_EQ(Text(reader.GetFile("x.txt")), "packed");
}

TEST_F(CFilePackTest, FirstOfTwoEntriesWithOneNameWins)
{
    std::vector<unsigned char> pack = Header(3);
    PutEntry(pack, "d/x.txt", Bytes("one"));
    PutEntry(pack, "d\\x.txt", Bytes("two"));
    PutEntry(pack, "d/x.txt", Bytes("three"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_EQ(Text(reader.GetFile("d/x.txt")), "one");
    EXPECT_EQ(Text(reader.GetFile("d\\x.txt")), "one");
}

TEST_F(CFilePackTest, EmptyEntryGivesSizeZero)
{
    std::vector<unsigned char> pack = Header(2);
    PutEntry(pack, "empty", {});
    PutEntry(pack, "after", Bytes("z"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    EXPECT_EQ(reader.GetFile("empty").GetSize(), 0u);
    EXPECT_EQ(Text(reader.GetFile("after")), "z");
}

TEST_F(CFilePackTest, ScrambledEntryComesBackAsStoredWithoutAPassPhrase)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "s", {0x68, 0x65, 0x6e}, 'y');
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    const CFileData data = reader.GetFile("s");
    EXPECT_EQ(std::vector<unsigned char>(data.GetData(), data.GetData() + data.GetSize()),
              (std::vector<unsigned char>{0x68, 0x65, 0x6e}));
}

TEST_F(CFilePackTest, ScramblingTwiceRestoresTheBytes)
{
    for (const std::string& phrase : {std::string(CFilePack::kPassPhrase), std::string("k"), std::string("ab"),
                                      std::string("\xff\x80\x7f long phrase with high bytes")})
    {
        std::vector<unsigned char> block(1000);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = static_cast<unsigned char>(i * 7 + 3);
        std::vector<unsigned char> copy = block;
        CFilePack::ScrambleEntry(copy.data(), copy.size(), phrase);
        if (phrase == CFilePack::kPassPhrase)
        {
            EXPECT_NE(copy, block);
        }
        CFilePack::ScrambleEntry(copy.data(), copy.size(), phrase);
        EXPECT_EQ(copy, block);
    }
}

TEST_F(CFilePackTest, PhraseWhoseTwoPassesCoincideLeavesTheBytes)
{
    // With one character both passes use the same table and cancel out.
    std::vector<unsigned char> block = {1, 2, 3};
    CFilePack::ScrambleEntry(block.data(), block.size(), "k");
    EXPECT_EQ(block, (std::vector<unsigned char>{1, 2, 3}));
}

TEST_F(CFilePackTest, MissingEverywhereThrowsWithTheOperationAndTheName)
{
    CFilePack reader;
    try
    {
        reader.GetFile("dat/nothing.txt");
        FAIL() << "no exception";
    }
    catch (const std::runtime_error& error)
    {
        const std::string what = error.what();
        EXPECT_NE(what.find("CFilePack::GetFile"), std::string::npos);
        EXPECT_NE(what.find("dat/nothing.txt"), std::string::npos);
    }
}

TEST_F(CFilePackTest, DirectoryIsNotAFile)
{
    CTempDir::WriteText("plain", "x");
    ASSERT_EQ(mkdir("sub", 0755), 0);
    CFilePack reader;
    EXPECT_THROW(reader.GetFile("sub"), CFilePackError);
    EXPECT_FALSE(reader.Exists("sub"));
    EXPECT_TRUE(reader.Exists("plain"));
}

TEST_F(CFilePackTest, WithoutAPackEverythingComesFromTheDisk)
{
    CTempDir::WriteText("loose.txt", "disk");
    CFilePack reader;
    EXPECT_FALSE(reader.Open("no.pk"));
    EXPECT_EQ(reader.GetOpenError(), "cannot be opened: No such file or directory");
    EXPECT_EQ(Text(reader.GetFile("loose.txt")), "disk");
}

TEST_F(CFilePackTest, WrongMagicFailsAndKeepsTheOldTable)
{
    std::vector<unsigned char> good = Header(1);
    PutEntry(good, "a", Bytes("1"));
    CTempDir::WriteBytes("good.pk", good);
    std::vector<unsigned char> bad = good;
    bad[0] = 'X';
    CTempDir::WriteBytes("bad.pk", bad);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("good.pk"));
    EXPECT_FALSE(reader.Open("bad.pk"));
    EXPECT_EQ(reader.GetOpenError(), "is not a resource pack");
    EXPECT_EQ(reader.GetEntryCount(), 1u);
    EXPECT_EQ(Text(reader.GetFile("a")), "1");
}

TEST_F(CFilePackTest, TruncatedPacksFailAtEveryCut)
{
    std::vector<unsigned char> full = Header(2);
    PutEntry(full, "name.txt", Bytes("some data"));
    PutEntry(full, "z", Bytes("end"));
    for (std::size_t cut = 0; cut < full.size(); ++cut)
    {
        CTempDir::WriteBytes("cut.pk", std::vector<unsigned char>(full.begin(), full.begin() + cut));
        CFilePack reader;
        EXPECT_FALSE(reader.Open("cut.pk")) << "cut at " << cut;
        EXPECT_EQ(reader.GetEntryCount(), 0u);
        if (cut >= 6)
        {
            EXPECT_EQ(reader.GetOpenError(), "is damaged: its table of files runs past the end") << cut;
        }
    }
    CTempDir::WriteBytes("full.pk", full);
    CFilePack reader;
    EXPECT_FALSE(reader.Open("cut.pk"));
    EXPECT_TRUE(reader.Open("full.pk"));
    EXPECT_EQ(reader.GetOpenError(), "");
}

TEST_F(CFilePackTest, LyingCountsAndSizesFail)
{
    std::vector<unsigned char> count = Header(0xFFFFFFFFu);
    PutEntry(count, "a", Bytes("1"));
    CTempDir::WriteBytes("count.pk", count);

    std::vector<unsigned char> size = Header(1);
    PutU32(size, 1);
    size.push_back('a');
    PutU32(size, 0xFFFFFFF0u);
    size.push_back('n');
    size.push_back('x');
    CTempDir::WriteBytes("size.pk", size);

    std::vector<unsigned char> name = Header(1);
    PutU32(name, 0xFFFFFFFFu);
    CTempDir::WriteBytes("name.pk", name);

    CFilePack reader;
    EXPECT_FALSE(reader.Open("count.pk"));
    EXPECT_FALSE(reader.Open("size.pk"));
    EXPECT_FALSE(reader.Open("name.pk"));
}

TEST_F(CFilePackTest, NameOfOneHundredBytesIsRefused)
{
    std::vector<unsigned char> ok = Header(1);
    PutEntry(ok, std::string(99, 'n'), Bytes("1"));
    std::vector<unsigned char> tooLong = Header(1);
    PutEntry(tooLong, std::string(100, 'n'), Bytes("1"));
    CTempDir::WriteBytes("ok.pk", ok);
    CTempDir::WriteBytes("long.pk", tooLong);
    CFilePack reader;
    EXPECT_TRUE(reader.Open("ok.pk"));
    EXPECT_FALSE(reader.Open("long.pk"));
}

TEST_F(CFilePackTest, TrailingBytesAfterTheLastEntryAreIgnored)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "a", Bytes("1"));
    pack.push_back(0);
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    EXPECT_TRUE(reader.Open("p.pk"));
}

TEST_F(CFilePackTest, PackThatShrankSinceOpenFallsBackToTheDisk)
{
    std::vector<unsigned char> pack = Header(1);
    PutEntry(pack, "gone.txt", Bytes("packed data"));
    CTempDir::WriteBytes("p.pk", pack);
    CFilePack reader;
    ASSERT_TRUE(reader.Open("p.pk"));
    CTempDir::WriteBytes("p.pk", Header(0));
    EXPECT_THROW(reader.GetFile("gone.txt"), CFilePackError);
    CTempDir::WriteText("gone.txt", "loose");
    EXPECT_EQ(Text(reader.GetFile("gone.txt")), "loose");
}

TEST_F(CFilePackTest, WriterAndReaderAgree)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("dat/param.txt", Bytes("gameurl example\n"), true));
    ASSERT_TRUE(writer.Add("mui/font.tga", std::vector<unsigned char>(300, 0xAB), false));
    ASSERT_TRUE(writer.Add("empty", {}, true));
    ASSERT_TRUE(writer.Write("data/data.pk"));
    CFilePack reader;
    reader.SetPassPhrase(CFilePack::kPassPhrase);
    ASSERT_TRUE(reader.Open("data/data.pk"));
    ASSERT_EQ(reader.GetEntryCount(), 3u);
    EXPECT_EQ(reader.GetEntryName(0), "dat/param.txt");
    const CFileData param = reader.GetFile("dat\\param.txt");
    EXPECT_EQ(param.GetFlag(), 'y');
    EXPECT_EQ(Text(param), "gameurl example\n");
    const CFileData font = reader.GetFile("mui/font.tga");
    EXPECT_EQ(font.GetFlag(), 'n');
    EXPECT_EQ(std::vector<unsigned char>(font.GetData(), font.GetData() + font.GetSize()),
              std::vector<unsigned char>(300, 0xAB));
    EXPECT_EQ(reader.GetFile("empty").GetSize(), 0u);
}

TEST_F(CFilePackTest, WriterStoresScrambledBytesOnDisk)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("t.txt", Bytes("hello world"), true));
    const std::vector<unsigned char> bytes = writer.Build();
    const std::vector<unsigned char> stored(bytes.end() - 11, bytes.end());
    EXPECT_EQ(stored, (std::vector<unsigned char>{0x68, 0x65, 0x6e, 0x69, 0x28, 0x7d, 0x73, 0x38, 0x6d, 0x73, 0x6b}));
}

TEST_F(CFilePackTest, WriterRefusesNamesTheReaderWouldRefuse)
{
    CPackWriter writer(CFilePack::kPassPhrase);
    std::string error;
    EXPECT_FALSE(writer.Add(std::string(100, 'a'), Bytes("x"), false, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writer.Add("", Bytes("x"), false));
    EXPECT_TRUE(writer.Add(std::string(99, 'a'), Bytes("x"), false));
}

TEST_F(CFilePackTest, FileDataFreeReleasesTheBuffer)
{
    CTempDir::WriteText("f.txt", "abc");
    CFilePack reader;
    CFileData data = reader.GetFile("f.txt");
    ASSERT_NE(data.GetData(), nullptr);
    data.Free();
    EXPECT_EQ(data.GetData(), nullptr);
    data.Free();
}

TEST_F(CFilePackTest, AppPackIsWhatWasSet)
{
    CFilePack pack;
    EXPECT_EQ(CFilePack::GetAppPack(), nullptr);
    CFilePack::SetAppPack(&pack);
    EXPECT_EQ(CFilePack::GetAppPack(), &pack);
    CFilePack::SetAppPack(nullptr);
}
