#include "engine/frame/CWindowFrame.h"

namespace
{
CWindowFrame* s_current = nullptr;
}

CWindowFrame* CWindowFrame::GetCurrent()
{
    return s_current;
}

void CWindowFrame::SetCurrent(CWindowFrame* frame)
{
    s_current = frame;
}
