// The scrambled files the game writes, held byte for byte: exactly the text
// each should hold, under the key it is read with, with the rotation drawn as
// every keyed save draws it. A renamed key or a wrong file key still reads
// back in the game itself; only these catch it. (The scrambler is held to its
// worked vectors, the pack writer to its bytes, in their own tests.)

#include "engine/files/CConfigFile.h"
#include "engine/files/CGeneralSettings.h"
#include "engine/files/CScrambler.h"
#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

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
    Bytes expected;
    ASSERT_TRUE(CScrambler().ScrambleWithRotation(reinterpret_cast<const unsigned char*>(expectedText.data()),
                                                  expectedText.size(), file[0], expected, key.c_str(),
                                                  key.size()));
    EXPECT_EQ(file, expected);
}
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
    store.SetValue("path", "a/b\\c");
    store.SetValue("a", "high \xC3\xA9 byte");
    for (const std::string key : {"zq71w", "ko%58w", "394m612z"})
    {
        SCOPED_TRACE(key);
        CTempDir dir;
        ASSERT_TRUE(store.Save(dir.File("f.cfg"), key.c_str(), key.size()));
        ExpectScrambledFile(CTempDir::ReadBytes(dir.File("f.cfg")), "a \"high \xC3\xA9 byte\"\npath a/b\\c\n", key);
    }
}
