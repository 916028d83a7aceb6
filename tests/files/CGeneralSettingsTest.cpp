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

void WriteSettings(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(Store(text).Save(path, "qiv", 3));
}
}

TEST(CGeneralSettingsTest, DefaultsWithoutAFile)
{
    CTempDir dir;
    CGeneralSettings settings;
    EXPECT_FALSE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_EQ(settings.m_window_width, 800);
    EXPECT_EQ(settings.m_window_height, 600);
    EXPECT_EQ(settings.m_x, 0);
    EXPECT_EQ(settings.m_y, 0);
    EXPECT_EQ(settings.m_volume, 100);
    EXPECT_TRUE(settings.m_sound);
    EXPECT_FALSE(settings.m_autosave);
    EXPECT_FALSE(settings.m_is_full_screen_loaded);
}

TEST(CGeneralSettingsTest, MissingKeysOfAnExistingFileTakeTheirReadDefaults)
{
    CGeneralSettings settings;
    settings.ReadFrom(Store("unrelated 1\n"));
    EXPECT_EQ(settings.m_volume, 64);
    EXPECT_EQ(settings.m_window_width, 800);
    EXPECT_EQ(settings.m_window_height, 600);
    EXPECT_TRUE(settings.m_sound);
    EXPECT_FALSE(settings.m_autosave);
}

TEST(CGeneralSettingsTest, FlagRules)
{
    CGeneralSettings settings;
    settings.ReadFrom(Store("m_sound 2\nm_autosave 2\nm_is_full_screen_loaded 2\n"));
    EXPECT_FALSE(settings.m_sound);
    EXPECT_FALSE(settings.m_autosave);
    EXPECT_TRUE(settings.m_is_full_screen_loaded);
    settings.ReadFrom(Store("m_sound 1\nm_autosave 1\nm_is_full_screen_loaded 0\n"));
    EXPECT_TRUE(settings.m_sound);
    EXPECT_TRUE(settings.m_autosave);
    EXPECT_FALSE(settings.m_is_full_screen_loaded);
    settings.ReadFrom(Store("m_sound 0\nm_is_full_screen_loaded -1\n"));
    EXPECT_FALSE(settings.m_sound);
    EXPECT_TRUE(settings.m_is_full_screen_loaded);
}

TEST(CGeneralSettingsTest, SmallSizesFallBackEachByItself)
{
    CGeneralSettings settings;
    settings.ReadFrom(Store("m_window_width 99\nm_window_height 100\n"));
    EXPECT_EQ(settings.m_window_width, 800);
    EXPECT_EQ(settings.m_window_height, 100);
    settings.ReadFrom(Store("m_window_width 1024\nm_window_height -5\n"));
    EXPECT_EQ(settings.m_window_width, 1024);
    EXPECT_EQ(settings.m_window_height, 600);
}

TEST(CGeneralSettingsTest, VolumeIsKeptInTheMixersRange)
{
    CGeneralSettings settings;
    settings.ReadFrom(Store("m_volume 500\n"));
    EXPECT_EQ(settings.m_volume, 128);
    settings.ReadFrom(Store("m_volume -4\n"));
    EXPECT_EQ(settings.m_volume, 0);
    settings.ReadFrom(Store("m_volume 77\n"));
    EXPECT_EQ(settings.m_volume, 77);
}

TEST(CGeneralSettingsTest, RoundTripThroughTheScrambledFile)
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

    CConfigFile raw;
    ASSERT_TRUE(raw.Load(dir.File("data/dx.cfg"), true, "qiv", 3));
    EXPECT_EQ(raw.ToText(), "m_autosave 1\nm_is_full_screen_loaded 1\nm_sound 0\nm_volume 90\n"
                            "m_window_height 700\nm_window_width 1024\nx 33\ny 44\n");

    CGeneralSettings loaded;
    ASSERT_TRUE(loaded.Load(dir.File("data/dx.cfg"), dir.File("data/d.cfg")));
    EXPECT_EQ(loaded.m_window_width, 1024);
    EXPECT_EQ(loaded.m_window_height, 700);
    EXPECT_EQ(loaded.m_x, 33);
    EXPECT_EQ(loaded.m_y, 44);
    EXPECT_EQ(loaded.m_volume, 90);
    EXPECT_TRUE(loaded.m_autosave);
    EXPECT_FALSE(loaded.m_sound);
    EXPECT_TRUE(loaded.m_is_full_screen_loaded);
}

TEST(CGeneralSettingsTest, MinimisedWindowWritesNoSizeOrPosition)
{
    CGeneralSettings settings;
    CConfigFile config;
    settings.WriteTo(config, true);
    EXPECT_EQ(config.ToText(), "m_autosave 0\nm_is_full_screen_loaded 0\nm_sound 1\nm_volume 100\n");
    CGeneralSettings next;
    next.ReadFrom(config);
    EXPECT_EQ(next.m_window_width, 800);
    EXPECT_EQ(next.m_x, 0);
}

TEST(CGeneralSettingsTest, GoodLoadRemovesTheStaleFileAndAFailedOneLeavesIt)
{
    CTempDir dir;
    CTempDir::WriteText(dir.File("d.cfg"), "old");
    CGeneralSettings settings;
    EXPECT_FALSE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_TRUE(CTempDir::Exists(dir.File("d.cfg")));
    WriteSettings(dir.File("dx.cfg"), "m_sound 1\n");
    EXPECT_TRUE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_FALSE(CTempDir::Exists(dir.File("d.cfg")));
}

TEST(CGeneralSettingsTest, UnreadableScrambledFileKeepsEveryValue)
{
    CTempDir dir;
    CTempDir::WriteBytes(dir.File("dx.cfg"), {200, 1, 2});
    CGeneralSettings settings;
    settings.m_window_width = 1000;
    EXPECT_FALSE(settings.Load(dir.File("dx.cfg"), dir.File("d.cfg")));
    EXPECT_EQ(settings.m_window_width, 1000);
    EXPECT_EQ(settings.m_volume, 100);
}
