#include "platform/CInputState.h"

CInputState::CInputState()
    : m_keys(KEY_COUNT), m_buttons(BUTTON_COUNT), m_mouse_x(0), m_mouse_y(0), m_move_x(0), m_move_y(0)
{
}

CInputState& CInputState::Instance()
{
    static CInputState state;
    return state;
}

void CInputState::OnKeyDown(int vk)
{
    m_keys.Press(vk);
}

void CInputState::OnKeyUp(int vk)
{
    m_keys.Release(vk);
}

void CInputState::OnButtonDown(int button)
{
    m_buttons.Press(button);
}

void CInputState::OnButtonUp(int button)
{
    m_buttons.Release(button);
}

void CInputState::OnMouseMove(int x, int y, int dx, int dy)
{
    m_mouse_x = x;
    m_mouse_y = y;
    m_inside = true;
    m_move_x += dx;
    m_move_y += dy;
}

void CInputState::ReleaseAll()
{
    m_keys.Clear();
    m_buttons.Clear();
}

bool CInputState::IsKeyDown(int vk) const
{
    return m_keys.IsDown(vk);
}

bool CInputState::IsButtonDown(int button) const
{
    return m_buttons.IsDown(button);
}

void CInputState::SnapshotKeys(unsigned char* keys)
{
    m_keys.Snapshot(keys, KEY_COUNT);
}

void CInputState::SnapshotMouse(int& dx, int& dy, unsigned char* buttons)
{
    dx = m_move_x;
    dy = m_move_y;
    m_move_x = 0;
    m_move_y = 0;
    m_buttons.Snapshot(buttons, BUTTON_COUNT);
}

void CInputState::EndFrame()
{
    m_keys.ExpireLatches();
    m_buttons.ExpireLatches();
}
