#include "engine/widgets/CWidget.h"
#include "engine/gfx/CDraw2D.h"

#include <GL/gl.h>

#include <string>

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CTexture.h"
#include "engine/gfx/CVector4.h"

CWidget::~CWidget() = default;

bool CWidget::OnMouseMove(int, int, unsigned) { return false; }
bool CWidget::OnLButtonUp(int, int, unsigned) { return false; }
bool CWidget::OnRButtonUp(int, int, unsigned) { return false; }
bool CWidget::OnLButtonDown(int, int, unsigned) { return false; }
void CWidget::OnKeyDown(int) {}
void CWidget::OnChar(unsigned short, unsigned int) {}
void CWidget::Update(float) {}
void CWidget::Draw() {}
void CWidget::Reset() {}

bool CWidget::IsInside(int x, int y, const CVector4& pos, float width, float height)
{
    return x >= static_cast<int>(pos.x) && x <= static_cast<int>(pos.x + width) &&
           y >= static_cast<int>(pos.y) && y <= static_cast<int>(pos.y + height);
}

CVector4 CWidget::ReadPosition(const CConfigFile& config, const char* name)
{
    const std::string key(name ? name : "");
    return CVector4(StrToFloat(config.GetValue(key + ".x", "0")),
                    StrToFloat(config.GetValue(key + ".y", "0")),
                    StrToFloat(config.GetValue(key + ".z", "0")));
}

void CWidget::DrawStripFrame(const CTexture* texture, float x, float y, float z,
                             float width, float height, int k, float step)
{
    glBindTexture(GL_TEXTURE_2D, texture ? texture->GetId() : 0);
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
    const float lower = static_cast<float>(k - 1) * step;
    const float upper = static_cast<float>(k) * step;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, upper);
    glVertex3f(x, y, z);
    glTexCoord2f(0.0f, lower);
    glVertex3f(x, y + height, z);
    glTexCoord2f(1.0f, lower);
    glVertex3f(x + width, y + height, z);
    glTexCoord2f(1.0f, upper);
    glVertex3f(x + width, y, z);
    glEnd();
    glDisable(GL_BLEND);
}
