// A second, deliberately separate reading of the stored formats: the settings
// text with its scrambled form and the resource pack. The helpers below are
// written from the format descriptions alone and share no code with the game;
// the tests hold the game's files to them byte for byte, and the game's
// readers to the files they write.

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/files/CGeneralSettings.h"
#include "tests/files/CTempDir.h"
#include "tools/packwriter/CPackWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

Bytes ToBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

std::string ToText(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// --- Scrambled form: n text bytes become n + 1 bytes -----------------------

// Rotation left by r, then each byte chained with the previous output byte
// and the key byte at its own index.
Bytes RefScramble(const std::string& text, unsigned r, const std::string& key)
{
    const std::size_t n = text.size();
    Bytes out(n + 1);
    out[0] = static_cast<unsigned char>(r);
    const std::string rotated = text.substr(r) + text.substr(0, r);
    for (std::size_t i = 1; i <= n; ++i)
    {
        unsigned v = static_cast<unsigned char>(rotated[i - 1]);
        v ^= out[i - 1];
        v ^= static_cast<unsigned char>(key[i % key.size()]);
        v += out[i - 1];
        out[i] = static_cast<unsigned char>(v & 0xFF);
    }
    return out;
}

std::string RefUnscramble(const Bytes& s, const std::string& key)
{
    std::string t;
    for (std::size_t i = 1; i < s.size(); ++i)
    {
        const unsigned diff = (static_cast<unsigned>(s[i]) + 256u - s[i - 1]) & 0xFFu;
        t += static_cast<char>((diff ^ s[i - 1]) ^ static_cast<unsigned char>(key[i % key.size()]));
    }
    const std::size_t r = s[0];
    const std::size_t n = t.size();
    // t holds text[r..n-1] followed by text[0..r-1].
    return t.substr(n - r) + t.substr(0, n - r);
}

// --- Key-value text --------------------------------------------------------

using RefStore = std::map<std::string, std::string>;

bool RefIsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

RefStore RefParse(std::string text)
{
    // Comments first: "//" to the next line feed, quotes give no protection.
    for (std::size_t at = text.find("//"); at != std::string::npos; at = text.find("//", at))
    {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::fill(text.begin() + static_cast<long>(at), text.begin() + static_cast<long>(end), ' ');
        at = end;
    }
    RefStore store;
    std::size_t i = 0;
    const std::size_t size = text.size();
    for (;;)
    {
        while (i < size && RefIsBlank(text[i]))
            ++i;
        std::string key;
        while (i < size && !RefIsBlank(text[i]))
            key += text[i++];
        if (key.empty())
            return store;
        while (i < size && RefIsBlank(text[i]))
            ++i;
        std::string value;
        if (i < size && text[i] == '"')
        {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? size : close;
            value = text.substr(i + 1, end - i - 1);
            i = end + 1;
        }
        else
        {
            while (i < size && !RefIsBlank(text[i]))
                value += text[i++];
        }
        store[key] = value;
    }
}

// Plain byte order of the keys, bytes taken as unsigned.
bool RefKeyBefore(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
    {
        const unsigned ca = static_cast<unsigned char>(a[i]);
        const unsigned cb = static_cast<unsigned char>(b[i]);
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

std::string RefWrite(const RefStore& store)
{
    std::vector<std::pair<std::string, std::string>> pairs(store.begin(), store.end());
    std::sort(pairs.begin(), pairs.end(),
              [](const auto& a, const auto& b) { return RefKeyBefore(a.first, b.first); });
    std::string text;
    for (const auto& pair : pairs)
    {
        const bool quoted = pair.second.find(' ') != std::string::npos;
        text += pair.first + " " + (quoted ? "\"" + pair.second + "\"" : pair.second) + "\n";
    }
    return text;
}

// --- Resource pack ---------------------------------------------------------

const std::string kPhrase = "p_note4 7712kdw918zx5521pq60347mwe26";

// The two XOR passes, one after the other, exactly as described: first with
// m = the phrase's second character, then with m = 0.
void RefPhrasePasses(Bytes& data, const std::string& phrase)
{
    const std::size_t length = phrase.size();
    if (length == 0)
        return;
    std::int32_t sum = 0;
    for (char c : phrase)
        sum += static_cast<signed char>(c);
    const std::int32_t passes[2] = {static_cast<signed char>(phrase[1]), 0};
    for (std::int32_t m : passes)
    {
        Bytes table(length);
        for (std::size_t j = 0; j < length; ++j)
        {
            const std::uint32_t u = static_cast<std::uint32_t>(sum + static_cast<signed char>(phrase[j]) + m);
            table[j] = static_cast<unsigned char>(phrase[u % length]);
        }
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] ^= table[i % length];
    }
}

struct SRefEntry
{
    std::string name;
    char flag;
    Bytes stored;            // as it lies in the pack
    std::uint32_t offset;    // of the data in the pack file
};

void RefPutU32(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v >> 16));
    out.push_back(static_cast<unsigned char>(v >> 24));
}

std::uint32_t RefGetU32(const Bytes& in, std::size_t at)
{
    return static_cast<std::uint32_t>(in.at(at)) | static_cast<std::uint32_t>(in.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(in.at(at + 2)) << 16 | static_cast<std::uint32_t>(in.at(at + 3)) << 24;
}

Bytes RefWritePack(const std::vector<SRefEntry>& entries)
{
    Bytes out = {76, 66};
    RefPutU32(out, static_cast<std::uint32_t>(entries.size()));
    for (const SRefEntry& entry : entries)
    {
        RefPutU32(out, static_cast<std::uint32_t>(entry.name.size()));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        RefPutU32(out, static_cast<std::uint32_t>(entry.stored.size()));
        out.push_back(static_cast<unsigned char>(entry.flag));
        out.insert(out.end(), entry.stored.begin(), entry.stored.end());
    }
    return out;
}

// Throws std::out_of_range on a short file: these tests only read good packs.
std::vector<SRefEntry> RefReadPack(const Bytes& pack)
{
    EXPECT_GE(pack.size(), 6u);
    EXPECT_EQ(pack.at(0), 76);
    EXPECT_EQ(pack.at(1), 66);
    const std::uint32_t count = RefGetU32(pack, 2);
    std::vector<SRefEntry> entries;
    std::size_t at = 6;
    for (std::uint32_t i = 0; i < count; ++i)
    {
        SRefEntry entry;
        const std::uint32_t nameLength = RefGetU32(pack, at);
        EXPECT_LT(nameLength, 100u);
        at += 4;
        entry.name = std::string(pack.begin() + static_cast<long>(at), pack.begin() + static_cast<long>(at + nameLength));
        at += nameLength;
        const std::uint32_t size = RefGetU32(pack, at);
        at += 4;
        entry.flag = static_cast<char>(pack.at(at));
        at += 1;
        entry.offset = static_cast<std::uint32_t>(at);
        if (size > 0)
            (void)pack.at(at + size - 1);
        entry.stored = Bytes(pack.begin() + static_cast<long>(at), pack.begin() + static_cast<long>(at + size));
        at += size;
        entries.push_back(entry);
    }
    EXPECT_EQ(at, pack.size());
    return entries;
}

// The rotation of a keyed save is the first draw after seeding the C library
// generator with the calendar time, modulo 100 past 100 bytes, else modulo n.
bool RotationFitsASeedBetween(unsigned r, std::size_t n, std::time_t from, std::time_t to)
{
    const unsigned modulus = n > 100 ? 100u : static_cast<unsigned>(n);
    for (std::time_t t = from; t <= to; ++t)
    {
        std::srand(static_cast<unsigned>(t));
        if (static_cast<unsigned>(std::rand()) % modulus == r)
            return true;
    }
    return false;
}

// Holds a game-written scrambled file to its expected text byte for byte.
void ExpectScrambledFile(const Bytes& file, const std::string& expectedText, const std::string& key)
{
    ASSERT_EQ(file.size(), expectedText.size() + 1);
    const unsigned r = file[0];
    EXPECT_LT(r, 100u);
    EXPECT_LT(r, expectedText.size());
    EXPECT_EQ(RefUnscramble(file, key), expectedText);
    EXPECT_EQ(file, RefScramble(expectedText, r, key));
}
}

TEST(CIndependentFormatTest, ReferenceScramblerGivesTheWorkedVectors)
{
    EXPECT_EQ(RefScramble("ab", 1, "qiv"), (Bytes{0x01, 0x0B, 0x27}));
    const Bytes line = {0x03, 0x08, 0x13, 0x1F, 0x31, 0x98, 0x70, 0x83, 0x1B, 0x50, 0x9A};
    EXPECT_EQ(RefScramble("m_sound 1\n", 3, "qiv"), line);
    EXPECT_EQ(RefUnscramble(line, "qiv"), "m_sound 1\n");
}

TEST(CIndependentFormatTest, ReferencePassPhraseGivesTheWorkedVector)
{
    Bytes stored = {0x68, 0x65, 0x6e, 0x69, 0x28, 0x7d, 0x73, 0x38, 0x6d, 0x73, 0x6b};
    RefPhrasePasses(stored, kPhrase);
    EXPECT_EQ(ToText(stored), "hello world");
    EXPECT_EQ(std::string(CFilePack::kPassPhrase), kPhrase);
}

TEST(CIndependentFormatTest, GeneralSettingsFileIsExactlyTheScrambledSortedText)
{
    CTempDir dir;
    CGeneralSettings settings;
    settings.m_window_width = 1024;
    settings.m_window_height = 768;
    settings.m_x = 12;
    settings.m_y = -3;
    settings.m_volume = 105;
    settings.m_autosave = true;
    settings.m_sound = false;
    settings.m_is_full_screen_loaded = false;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(settings.Save(false, dir.File("data/dx.cfg")));
    const std::time_t after = std::time(nullptr);

    const std::string expected = "m_autosave 1\n"
                                 "m_is_full_screen_loaded 0\n"
                                 "m_sound 0\n"
                                 "m_volume 105\n"
                                 "m_window_height 768\n"
                                 "m_window_width 1024\n"
                                 "x 12\n"
                                 "y -3\n";
    const Bytes file = CTempDir::ReadBytes(dir.File("data/dx.cfg"));
    ExpectScrambledFile(file, expected, "qiv");
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(RotationFitsASeedBetween(file[0], expected.size(), before, after));
}

TEST(CIndependentFormatTest, MinimisedGeneralSettingsFileHoldsOnlyTheFourFlags)
{
    CTempDir dir;
    CGeneralSettings settings;
    settings.m_volume = 0;
    settings.m_is_full_screen_loaded = true;
    ASSERT_TRUE(settings.Save(true, dir.File("data/dx.cfg")));
    ExpectScrambledFile(CTempDir::ReadBytes(dir.File("data/dx.cfg")),
                        "m_autosave 0\nm_is_full_screen_loaded 1\nm_sound 1\nm_volume 0\n", "qiv");
}

TEST(CIndependentFormatTest, ScrambledStoreWithQuotedValuesIsByteExactUnderEveryKeyLength)
{
    CConfigFile store;
    store.SetValue("name0", "Anonymous");
    store.SetValue("name1", "Ann Lee  two spaces");
    store.SetValue("a", "high \xC3\xA9 byte");
    store.SetValue("\xC3\xA9t\xC3\xA9", "1");
    store.SetValue("Zebra", "2");
    store.SetValue("ab", "3");
    store.SetValue("ab_c", "4");
    store.SetValue("f_m_bricks.size", "0");
    store.SetInt("neg", -3);
    store.SetFloat("half", 0.5f);
    store.SetValue("path", "a/b\\c");
    store.SetValue("k\"q", "v");

    // Upper case before lower case, a prefix before its extensions, bytes
    // above 127 after everything ASCII.
    const std::string expected = "Zebra 2\n"
                                 "a \"high \xC3\xA9 byte\"\n"
                                 "ab 3\n"
                                 "ab_c 4\n"
                                 "f_m_bricks.size 0\n"
                                 "half 0.500000\n"
                                 "k\"q v\n"
                                 "name0 Anonymous\n"
                                 "name1 \"Ann Lee  two spaces\"\n"
                                 "neg -3\n"
                                 "path a/b\\c\n"
                                 "\xC3\xA9t\xC3\xA9 1\n";

    const std::vector<std::string> keys = {"qiv", "zq71w", "ko%58w", "52kq781w", "rkav318y", "729p3k5x",
                                           "394m612z"};
    for (const std::string& key : keys)
    {
        SCOPED_TRACE(key);
        CTempDir dir;
        ASSERT_TRUE(store.Save(dir.File("f.cfg"), key.c_str(), key.size()));
        ExpectScrambledFile(CTempDir::ReadBytes(dir.File("f.cfg")), expected, key);
        EXPECT_EQ(RefParse(expected), store.GetPairs());
    }
}

TEST(CIndependentFormatTest, TextLongerThanOneHundredBytesRotatesByLessThanOneHundred)
{
    CConfigFile store;
    for (int i = 0; i < 40; ++i)
        store.SetInt("key_number_" + std::to_string(i), i * 7);
    CTempDir dir;
    const std::time_t before = std::time(nullptr);
    ASSERT_TRUE(store.Save(dir.File("long.sav"), "zq71w", 5));
    const std::time_t after = std::time(nullptr);
    const Bytes file = CTempDir::ReadBytes(dir.File("long.sav"));
    RefStore expected;
    for (int i = 0; i < 40; ++i)
        expected["key_number_" + std::to_string(i)] = std::to_string(i * 7);
    const std::string text = RefWrite(expected);
    ASSERT_GT(text.size(), 100u);
    ExpectScrambledFile(file, text, "zq71w");
    EXPECT_TRUE(RotationFitsASeedBetween(file[0], text.size(), before, after));
}

TEST(CIndependentFormatTest, UnscrambledStoreIsWrittenAsPlainText)
{
    CConfigFile store;
    store.SetValue("m_help_text", "two words");
    store.SetInt("b", 7);
    CTempDir dir;
    ASSERT_TRUE(store.Save(dir.File("plain.txt")));
    EXPECT_EQ(ToText(CTempDir::ReadBytes(dir.File("plain.txt"))), "b 7\nm_help_text \"two words\"\n");
}

TEST(CIndependentFormatTest, SettingsFileWrittenFromTheDescriptionIsReadByTheGame)
{
    // CR LF ends, TABs, comments, a quoted value and several pairs on a line.
    const std::string text = "// general settings\r\n"
                             "m_window_width\t640 m_window_height 480\r\n"
                             "x \"17\" y 23 // where it was\r\n"
                             "m_volume 42\r\n"
                             "m_autosave 1\tm_sound 2\r\n"
                             "m_is_full_screen_loaded 2\r\n";
    for (unsigned r : {0u, 1u, 57u, 99u})
    {
        SCOPED_TRACE(r);
        CTempDir dir;
        CTempDir::WriteBytes(dir.File("dx.cfg"), RefScramble(text, r, "qiv"));
        CTempDir::WriteText(dir.File("d.cfg"), "old");
        CGeneralSettings settings;
        ASSERT_TRUE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
        EXPECT_EQ(settings.m_window_width, 640);
        EXPECT_EQ(settings.m_window_height, 480);
        EXPECT_EQ(settings.m_x, 17);
        EXPECT_EQ(settings.m_y, 23);
        EXPECT_EQ(settings.m_volume, 42);
        EXPECT_TRUE(settings.m_autosave);
        EXPECT_FALSE(settings.m_sound);   // only exactly 1 is on
        EXPECT_TRUE(settings.m_is_full_screen_loaded);
        EXPECT_FALSE(CTempDir::Exists(dir.File("d.cfg")));
    }
}

TEST(CIndependentFormatTest, StoresWrittenFromTheDescriptionReadTheSameInTheGame)
{
    // Random stores within what the format carries: no blank in a key, no
    // empty value, no TAB, CR, LF or quote in a value, never two slashes.
    std::mt19937 random(20240611u);
    const std::string keyBytes = "abcxyzABZ019_.%\"/\x80\xC3\xFF";
    const std::string valueBytes = "abcXYZ09 -.%/\\\x80\xC3\xFF";
    auto pick = [&random](const std::string& from, std::size_t length) {
        std::string out;
        while (out.size() < length)
        {
            out += from[random() % from.size()];
            if (out.size() >= 2 && out[out.size() - 2] == '/' && out.back() == '/')
                out.pop_back();
        }
        return out;
    };
    const std::vector<std::string> keys = {"qiv", "zq71w", "ko%58w", "52kq781w"};
    for (int round = 0; round < 60; ++round)
    {
        RefStore expected;
        const std::size_t count = 1 + random() % 25;
        while (expected.size() < count)
        {
            std::string key = pick(keyBytes, 1 + random() % 12);
            expected[key] = pick(valueBytes, 1 + random() % 20);
        }
        const std::string text = RefWrite(expected);
        if (text.find("//") != std::string::npos)
            continue;   // the format cannot carry it; the writers never make it
        const std::string& key = keys[static_cast<std::size_t>(round) % keys.size()];
        const unsigned r = static_cast<unsigned>(random() % std::min<std::size_t>(100, text.size()));
        CTempDir dir;
        CTempDir::WriteBytes(dir.File("s.cfg"), RefScramble(text, r, key));

        CConfigFile store;
        ASSERT_TRUE(store.Load(dir.File("s.cfg"), true, key.c_str(), key.size()));
        EXPECT_EQ(store.GetPairs(), expected) << text;

        // And the game's own save of the same store reads back here alike.
        ASSERT_TRUE(store.Save(dir.File("t.cfg"), key.c_str(), key.size()));
        const Bytes written = CTempDir::ReadBytes(dir.File("t.cfg"));
        ASSERT_EQ(written.size(), text.size() + 1);
        EXPECT_EQ(RefUnscramble(written, key), text);
        EXPECT_EQ(RefParse(RefUnscramble(written, key)), expected);
    }
}

TEST(CIndependentFormatTest, PackFromTheWriterIsByteExact)
{
    const Bytes param = ToBytes("gameurl example.org/game\nsiteurl example.org\n");
    const Bytes picture(777, 0x5A);
    const Bytes layout = ToBytes("main_menu.x 10\r\n");

    CPackWriter writer(CFilePack::kPassPhrase);
    ASSERT_TRUE(writer.Add("dat/param.txt", param, true));
    ASSERT_TRUE(writer.Add("mui/main/bg.jpg", picture, false));
    ASSERT_TRUE(writer.Add("empty.txt", {}, true));
    ASSERT_TRUE(writer.Add("mui\\menu.txt", layout, true));
    CTempDir dir;
    ASSERT_TRUE(writer.Write(dir.File("data/data.pk")));
    const Bytes pack = CTempDir::ReadBytes(dir.File("data/data.pk"));
    EXPECT_EQ(pack, writer.Build());

    Bytes scrambledParam = param;
    RefPhrasePasses(scrambledParam, kPhrase);
    Bytes scrambledLayout = layout;
    RefPhrasePasses(scrambledLayout, kPhrase);
    const std::vector<SRefEntry> expected = {
        {"dat/param.txt", 'y', scrambledParam, 0},
        {"mui/main/bg.jpg", 'n', picture, 0},
        {"empty.txt", 'y', {}, 0},
        {"mui\\menu.txt", 'y', scrambledLayout, 0},
    };
    EXPECT_EQ(pack, RefWritePack(expected));

    const std::vector<SRefEntry> read = RefReadPack(pack);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0].offset, 2u + 4u + 4u + 13u + 4u + 1u);
    for (std::size_t i = 0; i < read.size(); ++i)
    {
        SCOPED_TRACE(read[i].name);
        EXPECT_EQ(read[i].name, expected[i].name);
        EXPECT_EQ(read[i].flag, expected[i].flag);
        Bytes plain = read[i].stored;
        if (read[i].flag == 'y')
            RefPhrasePasses(plain, kPhrase);
        const Bytes original = i == 0 ? param : i == 1 ? picture : i == 2 ? Bytes() : layout;
        EXPECT_EQ(plain, original);
    }
}

TEST(CIndependentFormatTest, PackWrittenFromTheDescriptionIsReadByTheGame)
{
    const Bytes param = ToBytes("gameurl a.b/c\nsiteurl a.b\n");
    Bytes scrambled = param;
    RefPhrasePasses(scrambled, kPhrase);
    const Bytes first = ToBytes("first");
    const Bytes second = ToBytes("second");
    std::vector<SRefEntry> entries = {
        {"dat\\param.txt", 'y', scrambled, 0},
        {"mui/font.tga", 'n', first, 0},
        {"mui/font.tga", 'n', second, 0},
        {"nothing", 'y', {}, 0},
    };
    const Bytes pack = RefWritePack(entries);
    const std::vector<SRefEntry> layout = RefReadPack(pack);
    CTempDir dir;
    CTempDir::WriteBytes(dir.File("data.pk"), pack);

    CFilePack reader;
    reader.SetPassPhrase(kPhrase);
    ASSERT_TRUE(reader.Open(dir.File("data.pk")));
    ASSERT_EQ(reader.GetEntryCount(), 4u);

    const CFileData got = reader.GetFile("dat/param.txt");
    EXPECT_EQ(got.GetFlag(), 'y');
    EXPECT_EQ(got.GetOffset(), layout[0].offset);
    EXPECT_EQ(Bytes(got.GetData(), got.GetData() + got.GetSize()), param);

    const CFileData font = reader.GetFile("mui\\font.tga");
    EXPECT_EQ(font.GetOffset(), layout[1].offset);
    EXPECT_EQ(ToText(Bytes(font.GetData(), font.GetData() + font.GetSize())), "first");

    const CFileData nothing = reader.GetFile("nothing");
    EXPECT_EQ(nothing.GetSize(), 0u);
    EXPECT_EQ(nothing.GetOffset(), layout[3].offset);

    CConfigFile params;
    ASSERT_TRUE(params.LoadFromBuffer(got.GetData(), got.GetSize(), true));
    EXPECT_EQ(params.GetValue("gameurl", "0"), "a.b/c");
}

TEST(CIndependentFormatTest, AnyTextParsesAsTheDescriptionSays)
{
    // Quotes, slashes and every blank in random places: unclosed quotes,
    // comments inside quotes, keys at the very end.
    std::mt19937 random(7u);
    const std::string alphabet = "ab\"/ \t\r\n\xC3";
    for (int round = 0; round < 3000; ++round)
    {
        std::string text;
        const std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        CConfigFile store;
        store.SetValue("old", "kept");
        ASSERT_TRUE(store.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), false));
        RefStore expected = RefParse(text);
        expected.emplace("old", "kept");
        ASSERT_EQ(store.GetPairs(), expected) << "text: [" << text << "]";
    }
}
