#include "engine/frame/CScreen.h"

#include "engine/widgets/CWidget.h"
#include "engine/frame/CWindowFrame.h"

namespace
{
// A command handler may open screens or add children while the list is
// walked, which can move the list: walk a copy of it.
template <typename Visit>
void VisitChildren(const std::vector<CWidget*>& children, Visit visit)
{
    const std::vector<CWidget*> snapshot(children);
    for (CWidget* child : snapshot)
        visit(child);
}
}

CScreen::CScreen() : m_result(0), m_dragging(false), m_draggable(false), m_drag_x(0), m_drag_y(0)
{
}

CScreen::~CScreen() = default;

void CScreen::Update(float dt)
{
    if (m_dragging)
    {
        CWindowFrame* frame = CWindowFrame::GetCurrent();
        SWindowRect rect;
        int cx = 0, cy = 0;
        if (frame != nullptr && frame->GetWindowRect(rect) && frame->GetCursorPos(cx, cy))
        {
            // The button may have been released outside the window, where
            // no release reaches us.
            if (cx < rect.left || cx > rect.right || cy < rect.top || cy > rect.bottom)
                m_dragging = false;
        }
    }
    VisitChildren(m_children, [&](CWidget* child) { child->Update(dt); });
}

void CScreen::Draw()
{
    VisitChildren(m_children, [&](CWidget* child) { child->Draw(); });
}

void CScreen::Activate()
{
    m_dragging = false;
    VisitChildren(m_children, [&](CWidget* child) { child->Reset(); });
}

void CScreen::Deactivate()
{
}

void CScreen::OnKeyDown(int key)
{
    VisitChildren(m_children, [&](CWidget* child) { child->OnKeyDown(key); });
}

void CScreen::OnChar(int ch, int repeat_count)
{
    VisitChildren(m_children, [&](CWidget* child) {
        child->OnChar(static_cast<unsigned short>(ch), static_cast<unsigned int>(repeat_count));
    });
}

void CScreen::MapToLogical(int x, int y, int& lx, int& ly) const
{
    lx = x;
    ly = y;
}

void CScreen::OnMouseMove(int x, int y, int flags)
{
    MapToLogical(x, y, x, y);
    if (m_dragging && m_draggable)
    {
        CWindowFrame* frame = CWindowFrame::GetCurrent();
        SWindowRect rect;
        int cx = 0, cy = 0;
        if (frame != nullptr && frame->GetWindowRect(rect) && frame->GetCursorPos(cx, cy))
        {
            frame->MoveWindowTo(rect.left + cx - m_drag_x, rect.top + cy - m_drag_y);
            m_drag_x = cx;
            m_drag_y = cy;
        }
    }
    bool taken = false;
    VisitChildren(m_children, [&](CWidget* child) {
        taken = child->OnMouseMove(x, y, static_cast<unsigned int>(flags)) || taken;
    });
    if (taken)
        m_dragging = false;
}

void CScreen::OnLButtonUp(int x, int y, int flags)
{
    MapToLogical(x, y, x, y);
    m_dragging = false;
    VisitChildren(m_children, [&](CWidget* child) {
        child->OnLButtonUp(x, y, static_cast<unsigned int>(flags));
    });
}

void CScreen::OnLButtonDown(int x, int y, int flags)
{
    MapToLogical(x, y, x, y);
    m_dragging = true;
    CWindowFrame* frame = CWindowFrame::GetCurrent();
    if (frame == nullptr || !frame->GetCursorPos(m_drag_x, m_drag_y))
        m_dragging = false;
    bool taken = false;
    VisitChildren(m_children, [&](CWidget* child) {
        taken = child->OnLButtonDown(x, y, static_cast<unsigned int>(flags)) || taken;
    });
    if (taken)
        m_dragging = false;
}

void CScreen::OnRButtonUp(int x, int y, int flags)
{
    m_dragging = false;
    VisitChildren(m_children, [&](CWidget* child) {
        child->OnRButtonUp(x, y, static_cast<unsigned int>(flags));
    });
}

void CScreen::OnCommand(CWidget* sender)
{
    (void)sender;
    m_dragging = false;
}

void CScreen::OnDialogClosed(int result, CScreen* dialog)
{
    (void)result;
    (void)dialog;
}

void CScreen::OnScreenClosed(CScreen* screen)
{
    (void)screen;
}

void CScreen::OnCloseRequest()
{
}

void CScreen::AddChild(CWidget* widget)
{
    if (widget != nullptr)
        m_children.push_back(widget);
}
