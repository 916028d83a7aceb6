#pragma once

#include "engine/gfx/CVector4.h"
#include "engine/widgets/CWidget.h"

class CConfigFile;
class CCommandTarget;
class CTexture;

// Check box whose caption, drawn by the owner to its right, takes clicks too.
// It toggles on the release while hovered.
class CCheckBox : public CWidget
{
public:
    enum { kUnchecked = 1, kUncheckedHover = 2, kChecked = 3, kCheckedHover = 4 };

    // The texture is a strip of four frames, one per state.
    CCheckBox(CCommandTarget* owner, CTexture* texture, float captionWidth);
    ~CCheckBox() override;

    bool OnMouseMove(int x, int y, unsigned flags) override;
    bool OnLButtonUp(int x, int y, unsigned flags) override;
    bool OnLButtonDown(int x, int y, unsigned flags) override;
    void Draw() override;
    void AddLook(std::vector<float>& look) const override;

    void SetPosition(float x, float y, float z);
    void LoadPosition(const CConfigFile& config, const char* name);
    void SetChecked(bool checked);
    bool IsChecked() const;
    CVector4 GetPosition() const { return m_position; }
    int GetState() const { return m_state; }
    float GetWidth() const { return m_width; }
    float GetHitWidth() const { return m_hitWidth; }
    float GetHeight() const { return m_height; }

private:
    CCommandTarget* m_owner;
    CTexture* m_texture;
    CVector4 m_position;
    float m_width;
    float m_hitWidth;
    float m_height;
    int m_state;
};
