#include "tests/gamemenu/CFakeMenuHost.h"

void CFakeMenuHost::WithdrawScreen(CScreen* screen)
{
    Log("WithdrawScreen");
    m_screens.erase(std::remove(m_screens.begin(), m_screens.end(), screen), m_screens.end());
    m_overlays.erase(std::remove(m_overlays.begin(), m_overlays.end(), screen), m_overlays.end());
}

bool CFakeMenuHost::SetDisplayMode(int width, int height)
{
    Log("SetDisplayMode(" + std::to_string(width) + "," + std::to_string(height) + ")");
    m_full_screen = !m_refuse_display_mode;
    return !m_refuse_display_mode;
}
