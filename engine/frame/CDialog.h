#pragma once
// Base of the modal dialogs: laid out in a logical space (the 800x600 virtual
// screen), mouse positions mapped from window pixels into the dialog's own
// corner, Esc closes with result 1 and Enter with result 0.

#include "engine/frame/CScreen.h"

class CTexture;

class CDialog : public CScreen
{
public:
    CDialog();
    ~CDialog() override;

    void Draw() override;
    void OnKeyDown(int key) override;
    // Window pixels -> position relative to the dialog's corner.
    void MapToLogical(int px, int py, int& x, int& y) const override;
    // Every dialog is its own command handler.
    void OnCommand(CWidget* sender) override = 0;

    void SetLogicalSize(int width, int height);
    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    void SetShade(bool shade) { m_shade = shade; }
    void SetPanelVisible(bool visible) { m_panel = visible; }
    bool IsShaded() const { return m_shade; }
    bool IsPanelVisible() const { return m_panel; }

    int GetLogicalWidth() const { return m_logical_width; }
    int GetLogicalHeight() const { return m_logical_height; }
    float GetX() const { return m_x; }
    float GetY() const { return m_y; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Drawing aids for derived dialogs. Like Draw they move the current
    // matrix without saving it: dialogs push and pop around their drawing.
    void DimBackground(float r, float g, float b, float a);
    void DrawPanel(float r, float g, float b, float a);
    // The dialog's picture over the whole logical area. Loaded, it is laid
    // opaque, without blending or colour, texel for pixel when the window has
    // the logical size; otherwise the quad is drawn as the state stands.
    // Texturing is left on.
    void DrawWindowPicture(const CTexture* picture) const;
    // The same, only these parts of the logical area; nothing when the
    // picture is not loaded.
    void DrawWindowPictureParts(const CTexture* picture, const std::vector<CDraw2D::SRect>& parts) const;
    // The picture is there to lay (see DrawWindowPicture).
    static bool IsLoaded(const CTexture* picture);

    // Window pixel -> position relative to the dialog's corner in logical
    // units, for a window of window_width x window_height pixels.
    void MapToDialog(int px, int py, int window_width, int window_height, int& x, int& y) const;

private:
    // The window shows the logical area texel for pixel.
    bool WindowIsLogicalSize() const;

    int m_logical_width;
    int m_logical_height;
    bool m_shade;
    float m_x;
    float m_y;
    int m_width;
    int m_height;
    bool m_panel;
};
