#include "engine/frame/CAppWidgetContext.h"

#include "engine/sound/CSoundManager.h"
#include "platform/CInputState.h"
#include "platform/CPlatform.h"

CAppWidgetContext::CAppWidgetContext(CSoundManager* sounds)
    : m_sounds(sounds)
{
}

CAppWidgetContext::~CAppWidgetContext() = default;

void CAppWidgetContext::PlaySound(int id)
{
    if (m_sounds)
        m_sounds->Play(id, true, false);
}

bool CAppWidgetContext::GetClipboardText(std::string& text)
{
    text = CPlatform::GetClipboardText();
    return !text.empty();
}

bool CAppWidgetContext::IsKeyDown(int virtualKey)
{
    return CInputState::Instance().IsKeyDown(virtualKey);
}
