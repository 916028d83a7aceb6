#pragma once

#include "engine/gfx/CVector4.h"
#include "engine/widgets/CWidget.h"

class CConfigFile;
class CCommandTarget;
class CTexture;

// Three-state image button: fires its owner's command on the press.
class CButton : public CWidget
{
public:
    enum { kNormal = 1, kHover = 2, kPressed = 3 };

    // The texture is a strip of three frames: normal, hover, pressed.
    CButton(CCommandTarget* owner, CTexture* texture);
    ~CButton() override;

    bool OnMouseMove(int x, int y, unsigned flags) override;
    bool OnLButtonUp(int x, int y, unsigned flags) override;
    bool OnLButtonDown(int x, int y, unsigned flags) override;
    void Draw() override;
    // Draw, only within these logical rectangles.
    void DrawParts(const std::vector<CDraw2D::SRect>& parts);
    void AddLook(std::vector<float>& look) const override;
    void Reset() override;

    void SetPosition(float x, float y, float z);
    // Reads name + ".x", ".y", ".z" from a layout group; a missing key is 0.
    void LoadPosition(const CConfigFile& config, const char* name);
    void SetVisible(bool visible);
    bool IsVisible() const { return m_visible; }
    int GetState() const { return m_state; }
    const CVector4& GetPosition() const { return m_position; }
    float GetWidth() const { return m_width; }
    float GetHeight() const { return m_height; }

private:
    CCommandTarget* m_owner;
    CTexture* m_texture;
    CVector4 m_position;
    float m_width;
    float m_height;
    int m_state;
    bool m_visible;
};
