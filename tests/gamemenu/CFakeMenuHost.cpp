#include "tests/gamemenu/CFakeMenuHost.h"

#include <algorithm>

CFakeMenuHost::CFakeMenuHost(const std::string& dataRoot)
    : m_main(std::make_unique<CResManager>(nullptr)), m_data_root(dataRoot)
{
}

void CFakeMenuHost::SetScreen(CScreen* screen)
{
    m_log.push_back("SetScreen");
    m_screens.push_back(screen);
}

void CFakeMenuHost::OpenOverlay(CScreen* dialog)
{
    m_log.push_back("OpenOverlay");
    m_overlays.push_back(dialog);
}

void CFakeMenuHost::CloseScreen(bool now)
{
    m_log.push_back(now ? "CloseScreen(now)" : "CloseScreen");
    m_close_requested = true;
}

CScreen* CFakeMenuHost::RunDeferredClose()
{
    if (!m_close_requested)
        return nullptr;
    m_close_requested = false;
    CScreen* closed = nullptr;
    if (!m_overlays.empty())
    {
        closed = m_overlays.back();
        m_overlays.pop_back();
    }
    else if (!m_screens.empty())
    {
        closed = m_screens.back();
        m_screens.pop_back();
    }
    return closed;
}

void CFakeMenuHost::WithdrawScreen(CScreen* screen)
{
    m_log.push_back("WithdrawScreen");
    m_screens.erase(std::remove(m_screens.begin(), m_screens.end(), screen), m_screens.end());
    m_overlays.erase(std::remove(m_overlays.begin(), m_overlays.end(), screen), m_overlays.end());
}

bool CFakeMenuHost::SetDisplayMode(int width, int height)
{
    m_log.push_back("SetDisplayMode(" + std::to_string(width) + "," + std::to_string(height) + ")");
    if (m_refuse_display_mode)
        return false;
    m_full_screen = true;
    return true;
}

void CFakeMenuHost::RestoreWindowed()
{
    m_log.push_back("RestoreWindowed");
    m_full_screen = false;
}

void CFakeMenuHost::Minimize()
{
    m_log.push_back("Minimize");
    m_minimized = true;
}

void CFakeMenuHost::EnterGameMode()
{
    m_log.push_back("EnterGameMode");
}

void CFakeMenuHost::EnterMenuMode()
{
    m_log.push_back("EnterMenuMode");
}

void CFakeMenuHost::OpenSiteAddress()
{
    m_log.push_back("OpenSiteAddress");
}

void CFakeMenuHost::SetMusicVolume(int volume)
{
    m_volume = volume;
    m_volumes_set.push_back(volume);
}

int CFakeMenuHost::Count(const std::string& call) const
{
    return static_cast<int>(std::count(m_log.begin(), m_log.end(), call));
}
