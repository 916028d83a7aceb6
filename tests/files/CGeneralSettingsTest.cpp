#include "engine/files/CGeneralSettings.h"

#include "engine/files/CConfigFile.h"
#include "tests/files/CTempDir.h"

#include <gtest/gtest.h>

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

TEST(CGeneralSettingsTest, RoundTripThroughTheScrambledFileRemovesTheStaleOne)
{
    CTempDir dir;
    CGeneralSettings saved;
    saved.m_window_width = 1024;
    saved.m_window_height = 700;
    saved.m_x = 33;
    saved.m_y = 44;
    saved.m_volume = 90;
    saved.m_autosave = true;
    saved.m_sound = false;
    saved.m_is_full_screen_loaded = true;
    ASSERT_TRUE(saved.Save(false, dir.File("data/dx.cfg")));
    CTempDir::WriteText(dir.File("data/d.cfg"), "old");

    CGeneralSettings loaded;
    ASSERT_TRUE(loaded.Load(dir.File("data/dx.cfg"), dir.File("data/d.cfg")));
    EXPECT_EQ(Fields(loaded), "1024 700 33 44 90 011");
    EXPECT_FALSE(CTempDir::Exists(dir.File("data/d.cfg")));
}

TEST(CGeneralSettingsTest, MinimisedWindowWritesNoSizeOrPosition)
{
    CGeneralSettings settings;
    settings.m_window_width = 1024;
    settings.m_x = 5;
    CConfigFile config;
    settings.WriteTo(config, true);
    EXPECT_EQ(config.ToText(), "m_autosave 0\nm_is_full_screen_loaded 0\nm_sound 1\nm_volume 100\n");
}

TEST(CGeneralSettingsTest, MissingOrUnreadableFileKeepsEveryValueAndTheStaleFile)
{
    CTempDir dir;
    CTempDir::WriteText(dir.File("d.cfg"), "old");
    CTempDir::WriteBytes(dir.File("bad.cfg"), {200, 1, 2});
    CGeneralSettings settings;
    settings.m_window_width = 1000;
    const std::string before = Fields(settings);
    EXPECT_FALSE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_FALSE(settings.Load(dir.File("bad.cfg"), dir.File("d.cfg")));
    EXPECT_EQ(Fields(settings), before);
    EXPECT_EQ(Fields(CGeneralSettings()), "800 600 0 0 100 100");
    EXPECT_TRUE(CTempDir::Exists(dir.File("d.cfg")));
}
