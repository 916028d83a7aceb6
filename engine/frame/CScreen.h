#pragma once
// Base of every screen and dialog that the application window shows. Passes
// updates, drawing, keys and mouse events on to its child widgets, carries the
// result an overlay reports when it closes, and lets the player drag a
// windowed screen by its empty parts.

#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/widgets/CCommandTarget.h"

class CWidget;

class CScreen : public CCommandTarget
{
public:
    CScreen();
    // The base only forgets its children; the screen that created them deletes them.
    virtual ~CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    virtual void Update(float dt);
    virtual void Draw();
    virtual void Activate();
    // Another full screen now covers this one. What only this screen draws
    // may be let go here; Activate comes again before it is drawn.
    virtual void Deactivate();
    // Drawn as an overlay, true when this screen hides the whole window
    // opaquely: the screens under it are then not drawn at all.
    virtual bool CoversWindow() const { return false; }
    // Covering the window as the only overlay drawn, true when this screen
    // clears the depth itself where it draws with it: the stack then leaves
    // the whole window's alone (a clear of it costs a software renderer a
    // pass over every pixel).
    virtual bool ClearsOwnDepth() const { return false; }
    // A frame in which an overlay hid this screen and it was not drawn: what
    // it keeps of the back buffer no longer holds.
    virtual void OnHiddenFrame() {}
    // Drawn as the only overlay over `under`, which shows around it: true
    // when this overlay drew the whole frame itself, the screen under it
    // included (as it chose: whole, or only where something moved); false
    // leaves it to the stack, which draws `under` and then this.
    virtual bool DrawOver(CScreen& under)
    {
        (void)under;
        return false;
    }
    // Under an overlay that keeps its own frame: this screen drawn again only
    // within the parts (logical rectangles), over what the back buffer holds
    // of the last frame, with whatever it steps every frame stepped, as
    // DrawShaded draws it (`light` 1: no veil). What it drew beyond the
    // parts is added to `spilled`. False, with nothing drawn or stepped, when
    // it cannot; the overlay then draws the frame whole.
    virtual bool DrawParts(const std::vector<CDraw2D::SRect>& parts, std::vector<CDraw2D::SRect>& spilled,
                           float light)
    {
        (void)parts;
        (void)spilled;
        (void)light;
        return false;
    }
    // Under an overlay that steps and draws the back sparkles over it
    // itself, and may lay a black veil over the whole window: this screen
    // drawn as Draw draws it but for the back sparkles, with that veil
    // over it leaving `light` of what it shows (1: no veil), so that the
    // overlay need not lay the veil again. False, with nothing drawn or
    // stepped, when it cannot; the overlay then draws it with Draw.
    virtual bool DrawShaded(float light)
    {
        (void)light;
        return false;
    }
    // Drawn by DrawShaded, this screen shows the same picture in every frame
    // while an overlay lies over it, so that the overlay may keep a copy of
    // it (DrawParts is still called, with no part, for anything else it
    // steps in a frame).
    virtual bool IsStillWhenShaded() const { return false; }
    virtual void OnKeyDown(int key);
    virtual void OnChar(int ch, int repeat_count);
    virtual void OnMouseMove(int x, int y, int flags);
    virtual void OnLButtonUp(int x, int y, int flags);
    virtual void OnLButtonDown(int x, int y, int flags);
    virtual void OnRButtonUp(int x, int y, int flags);
    void OnCommand(CWidget* sender) override;
    // The owner of a closed overlay reads its result and deletes it here.
    virtual void OnDialogClosed(int result, CScreen* dialog);
    // A screen that pushed another deletes the closed one here.
    virtual void OnScreenClosed(CScreen* screen);
    virtual void OnCloseRequest();
    // Window pixels -> the coordinates this screen's widgets are placed in;
    // the pointer handlers map through it before they reach the children.
    virtual void MapToLogical(int x, int y, int& lx, int& ly) const;

    void AddChild(CWidget* widget);
    const std::vector<CWidget*>& GetChildren() const { return m_children; }
    void SetResult(int result) { m_result = result; }
    int GetResult() const { return m_result; }

    void SetDraggable(bool draggable) { m_draggable = draggable; }
    bool IsDraggable() const { return m_draggable; }
    bool IsDragging() const { return m_dragging; }

protected:
    void EndDrag() { m_dragging = false; }

private:
    std::vector<CWidget*> m_children;
    int m_result;
    bool m_dragging;
    bool m_draggable;
    int m_drag_x;
    int m_drag_y;
};
