#pragma once

#include <string>

class CConfigFile;

// The general settings of "data/dx.cfg": window size and position, full
// screen, sound, autosave and music volume. Read at start-up, written at exit.
class CGeneralSettings
{
public:
    static const char* const kFileName;       // "data/dx.cfg"
    static const char* const kStaleFileName;  // "data/d.cfg", removed after a good load
    static const char* const kKey;            // "qiv"
    static constexpr int kDefaultWidth = 800;
    static constexpr int kDefaultHeight = 600;
    static constexpr int kMinimumSize = 100;
    static constexpr int kPlayerDefaultVolume = 100;   // when there is no file at all
    static constexpr int kMaxVolume = 128;

    int m_window_width = kDefaultWidth;
    int m_window_height = kDefaultHeight;
    int m_x = 0;   // key "x"; 0 means centred
    int m_y = 0;   // key "y"
    int m_volume = kPlayerDefaultVolume;
    bool m_autosave = false;
    bool m_sound = true;
    bool m_is_full_screen_loaded = false;

    // False when the file cannot be read: every field keeps its value.
    bool Load(const std::string& path = kFileName, const std::string& stalePath = kStaleFileName);
    void ReadFrom(const CConfigFile& config);

    // The window rectangle keys are left out when the window is minimised.
    // The caller first puts the window's current left and top into m_x and
    // m_y, the full-screen state and the music volume into their fields.
    void WriteTo(CConfigFile& config, bool isMinimized) const;
    bool Save(bool isMinimized, const std::string& path = kFileName) const;

};
