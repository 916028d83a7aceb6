// A second, deliberately separate writing of the stored formats: the
// scrambled settings text and the resource pack. The helpers below are written
// from the format descriptions alone and share no code with the game; the
// tests hold the files the game writes to them byte for byte. (The game's
// readers are held to hand-made bytes in their own tests.)

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
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

std::string ToText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

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
};

void RefPutU32(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v >> 16));
    out.push_back(static_cast<unsigned char>(v >> 24));
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
    EXPECT_LT(file[0], std::min<std::size_t>(100, expectedText.size()));
    EXPECT_EQ(file, RefScramble(expectedText, file[0], key));
}
}

// The game's scrambler is held to the worked vectors in its own test; the
// phrase passes here are held to theirs.
TEST(CIndependentFormatTest, ReferencePhrasePassesGiveTheWorkedVector)
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
    EXPECT_TRUE(RotationFitsASeedBetween(file[0], expected.size(), before, after));
}

TEST(CIndependentFormatTest, ScrambledStoreIsByteExactUnderKeysOfSeveralLengths)
{
    // The order and quoting rules are the store's own tests; here the bytes
    // of a file under keys of several lengths.
    CConfigFile store;
    store.SetValue("a", "high \xC3\xA9 byte");
    store.SetValue("\xC3\xA9t\xC3\xA9", "1");
    store.SetValue("Zebra", "2");
    store.SetValue("path", "a/b\\c");
    store.SetValue("k\"q", "v");
    const std::string expected = "Zebra 2\na \"high \xC3\xA9 byte\"\nk\"q v\npath a/b\\c\n\xC3\xA9t\xC3\xA9 1\n";

    for (const std::string key : {"zq71w", "ko%58w", "394m612z"})
    {
        SCOPED_TRACE(key);
        CTempDir dir;
        ASSERT_TRUE(store.Save(dir.File("f.cfg"), key.c_str(), key.size()));
        ExpectScrambledFile(CTempDir::ReadBytes(dir.File("f.cfg")), expected, key);
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

    Bytes scrambledParam = param;
    RefPhrasePasses(scrambledParam, kPhrase);
    Bytes scrambledLayout = layout;
    RefPhrasePasses(scrambledLayout, kPhrase);
    const std::vector<SRefEntry> expected = {
        {"dat/param.txt", 'y', scrambledParam},
        {"mui/main/bg.jpg", 'n', picture},
        {"empty.txt", 'y', {}},
        {"mui\\menu.txt", 'y', scrambledLayout},
    };
    EXPECT_EQ(pack, RefWritePack(expected));
}
