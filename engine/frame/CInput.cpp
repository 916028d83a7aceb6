#include "engine/frame/CInput.h"

#include <cstring>

#include "platform/CInputState.h"

CInput::CInput() : m_window(nullptr)
{
    std::memset(m_key_state, 0, sizeof(m_key_state));
}

CInput::~CInput()
{
    Release();
}

bool CInput::Create(CPlatformWindow* window)
{
    Release();
    m_window = window;
    // Start from nothing held: a press from before the window existed must
    // not count as a click in it.
    unsigned char discard[CInputState::KEY_COUNT];
    int dx = 0, dy = 0;
    unsigned char buttons[CInputState::BUTTON_COUNT];
    CInputState::Instance().SnapshotKeys(discard);
    CInputState::Instance().SnapshotMouse(dx, dy, buttons);
    return m_window != nullptr;
}

void CInput::HoldButtonsUntilReleased()
{
    for (bool& await : m_await_release)
        await = true;
    for (unsigned char& button : m_mouse_state.rgbButtons)
        button = 0;
}

void CInput::Release()
{
    m_window = nullptr;
    std::memset(m_key_state, 0, sizeof(m_key_state));
    m_mouse_state = SMouseState();
    for (bool& await : m_await_release)
        await = false;
}

void CInput::Poll()
{
    if (m_window == nullptr)
        return;
    CInputState& state = CInputState::Instance();
    state.SnapshotKeys(m_key_state);
    int dx = 0, dy = 0;
    state.SnapshotMouse(dx, dy, m_mouse_state.rgbButtons);
    for (std::size_t b = 0; b < sizeof(m_await_release); ++b)
    {
        if (!m_await_release[b])
            continue;
        if (m_mouse_state.rgbButtons[b] & 0x80)
            m_mouse_state.rgbButtons[b] = 0;
        else
            m_await_release[b] = false;
    }
    m_mouse_state.lX = dx;
    m_mouse_state.lY = dy;
    m_mouse_state.lZ = 0;
}

SPoint CInput::GetMousePos() const
{
    SPoint point;
    const CInputState& state = CInputState::Instance();
    point.x = state.GetMouseX();
    point.y = state.GetMouseY();
    return point;
}

bool CInput::IsMouseInside() const
{
    return CInputState::Instance().IsMouseInside();
}

bool CInput::IsKeyDown(int vk) const
{
    return vk >= 0 && vk < KEY_COUNT && (m_key_state[vk] & 0x80) != 0;
}
