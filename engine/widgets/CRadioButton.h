#pragma once

#include "engine/gfx/CVector4.h"
#include "engine/widgets/CWidget.h"

class CConfigFile;
class CCommandTarget;
class CTexture;

// One choice of a CWidgetGroup. A click on an unselected button reports it to
// the owner, whose command handler then clears the rest of the group.
class CRadioButton : public CWidget
{
public:
    enum { kUnselected = 1, kUnselectedHover = 2, kSelected = 3, kSelectedHover = 4 };

    // The texture is a strip of four frames, one per state.
    CRadioButton(CCommandTarget* owner, CTexture* texture, float captionWidth);
    ~CRadioButton() override;

    bool OnMouseMove(int x, int y, unsigned flags) override;
    bool OnLButtonUp(int x, int y, unsigned flags) override;
    bool OnLButtonDown(int x, int y, unsigned flags) override;
    void Draw() override;
    void AddLook(std::vector<float>& look) const override;
    virtual void SetSelected(bool selected);

    void SetPosition(float x, float y, float z);
    void LoadPosition(const CConfigFile& config, const char* name);
    void SetVisible(bool visible);
    bool IsVisible() const { return m_visible; }
    bool IsSelected() const;
    int GetState() const { return m_state; }
    const CVector4& GetPosition() const { return m_position; }
    float GetWidth() const { return m_width; }
    float GetHitWidth() const { return m_hitWidth; }
    float GetHeight() const { return m_height; }

private:
    CCommandTarget* m_owner;
    CTexture* m_texture;
    float m_width;
    float m_hitWidth;
    float m_height;
    int m_state;
    bool m_visible;
    CVector4 m_position;
};
