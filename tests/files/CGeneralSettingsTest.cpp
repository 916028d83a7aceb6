#include "engine/files/CGeneralSettings.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CScrambler.h"
#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace
{
CConfigFile Store(const std::string& text)
{
    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    return config;
}

// Width, height, x, y, volume, sound, autosave, full screen, as one line.
std::string Fields(const CGeneralSettings& s)
{
    return std::to_string(s.m_window_width) + " " + std::to_string(s.m_window_height) + " " +
           std::to_string(s.m_x) + " " + std::to_string(s.m_y) + " " + std::to_string(s.m_volume) + " " +
           std::to_string(s.m_sound) + std::to_string(s.m_autosave) + std::to_string(s.m_is_full_screen_loaded);
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
}

TEST(CGeneralSettingsTest, ReadValuesAreCheckedEachByItself)
{
    // A missing volume reads as 64 (not the 100 of a missing file); sound and
    // autosave are on only for exactly 1, full screen for anything but 0;
    // sizes below 100 and volumes outside the mixer's range fall back.
    const struct
    {
        const char* text;
        const char* fields;
    } cases[] = {
        {"unrelated 1", "800 600 0 0 64 100"},
        {"m_sound 2 m_autosave 2 m_is_full_screen_loaded 2", "800 600 0 0 64 001"},
        {"m_sound 1 m_autosave 1 m_is_full_screen_loaded 0", "800 600 0 0 64 110"},
        {"m_sound 0 m_is_full_screen_loaded -1", "800 600 0 0 64 001"},
        {"m_window_width 99 m_window_height 100", "800 100 0 0 64 100"},
        {"m_window_width 1024 m_window_height -5", "1024 600 0 0 64 100"},
        {"m_volume 500 x -7 y 9", "800 600 -7 9 128 100"},
        {"m_volume -4", "800 600 0 0 0 100"},
        {"m_volume 77", "800 600 0 0 77 100"},
    };
    for (const auto& c : cases)
    {
        CGeneralSettings settings;
        settings.ReadFrom(Store(c.text));
        EXPECT_EQ(Fields(settings), c.fields) << c.text;
    }
}

// The file's bytes, held to the scrambler's worked vectors: a renamed key or
// a wrong file key would still read back in the game itself. A minimised
// window writes no size or position.
TEST(CGeneralSettingsTest, SavedFileIsTheSortedTextScrambledUnderItsKey)
{
    CGeneralSettings settings;
    settings.ReadFrom(Store("m_window_width 1024 m_window_height 768 x 12 y -3 m_volume 105 m_autosave 1 m_sound 0"));
    const std::string common = "m_autosave 1\nm_is_full_screen_loaded 0\nm_sound 0\nm_volume 105\n";
    for (bool minimised : {false, true})
    {
        const std::string text = common + (minimised ? "" : "m_window_height 768\nm_window_width 1024\nx 12\ny -3\n");
        CTempDir dir;
        const std::time_t before = std::time(nullptr);
        ASSERT_TRUE(settings.Save(minimised, dir.File("data/dx.cfg")));
        const std::time_t after = std::time(nullptr);
        const std::vector<unsigned char> file = CTempDir::ReadBytes(dir.File("data/dx.cfg"));
        ASSERT_EQ(file.size(), text.size() + 1);
        std::vector<unsigned char> expected;
        ASSERT_TRUE(CScrambler().ScrambleWithRotation(reinterpret_cast<const unsigned char*>(text.data()),
                                                      text.size(), file[0], expected, "qiv", 3));
        EXPECT_EQ(file, expected) << minimised;
        EXPECT_TRUE(RotationFitsASeedBetween(file[0], text.size(), before, after));
    }
}

// Every value's round trip is the application's own test; here what a load
// that fails keeps, and the stale file that only a good load removes.
TEST(CGeneralSettingsTest, FailedLoadKeepsEveryValueAndTheStaleFileAGoodOneRemovesIt)
{
    CTempDir dir;
    CTempDir::WriteText(dir.File("d.cfg"), "old");
    CTempDir::WriteBytes(dir.File("bad.cfg"), {200, 1, 2});
    CGeneralSettings saved;
    saved.m_volume = 90;
    ASSERT_TRUE(saved.Save(false, dir.File("dx.cfg")));
    CGeneralSettings settings;
    settings.m_window_width = 1000;
    const std::string before = Fields(settings);
    EXPECT_FALSE(settings.Load(dir.File("none.cfg"), dir.File("d.cfg")));
    EXPECT_FALSE(settings.Load(dir.File("bad.cfg"), dir.File("d.cfg")));
    EXPECT_EQ(Fields(settings), before);
    EXPECT_TRUE(CTempDir::Exists(dir.File("d.cfg")));
    ASSERT_TRUE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_EQ(Fields(settings), "800 600 0 0 90 100");
    EXPECT_FALSE(CTempDir::Exists(dir.File("d.cfg")));
    EXPECT_EQ(Fields(CGeneralSettings()), "800 600 0 0 100 100");
}
