#include "engine/files/CGeneralSettings.h"

#include "engine/files/CConfigFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

const char* const CGeneralSettings::kFileName = "data/dx.cfg";
const char* const CGeneralSettings::kStaleFileName = "data/d.cfg";
const char* const CGeneralSettings::kKey = "qiv";

bool CGeneralSettings::Load(const std::string& path, const std::string& stalePath)
{
    CConfigFile config;
    if (!config.Load(path, true, kKey, std::strlen(kKey)))
        return false;
    // An older name of the settings file; the current one supersedes it.
    std::remove(stalePath.c_str());
    ReadFrom(config);
    return true;
}

void CGeneralSettings::ReadFrom(const CConfigFile& config)
{
    m_window_width = StrToInt(config.GetValue("m_window_width", "0"));
    m_window_height = StrToInt(config.GetValue("m_window_height", "0"));
    m_x = StrToInt(config.GetValue("x", "0"));
    m_y = StrToInt(config.GetValue("y", "0"));
    // The volume indexes the mixer's range; a forged value is kept inside it.
    m_volume = std::clamp(StrToInt(config.GetValue("m_volume", "64")), 0, kMaxVolume);
    if (m_window_width < kMinimumSize)
        m_window_width = kDefaultWidth;
    if (m_window_height < kMinimumSize)
        m_window_height = kDefaultHeight;
    m_autosave = StrToInt(config.GetValue("m_autosave", "0")) == 1;
    m_sound = StrToInt(config.GetValue("m_sound", "1")) == 1;
    m_is_full_screen_loaded = StrToInt(config.GetValue("m_is_full_screen_loaded", "0")) != 0;
}

void CGeneralSettings::WriteTo(CConfigFile& config, bool isMinimized) const
{
    if (!isMinimized)
    {
        config.SetInt("m_window_width", m_window_width);
        config.SetInt("m_window_height", m_window_height);
        config.SetInt("x", m_x);
        config.SetInt("y", m_y);
    }
    config.SetValue("m_autosave", m_autosave ? "1" : "0");
    config.SetValue("m_sound", m_sound ? "1" : "0");
    config.SetInt("m_is_full_screen_loaded", m_is_full_screen_loaded ? 1 : 0);
    config.SetInt("m_volume", m_volume);
}

bool CGeneralSettings::Save(bool isMinimized, const std::string& path) const
{
    CConfigFile config;
    WriteTo(config, isMinimized);
    return config.Save(path, kKey, std::strlen(kKey));
}
