#include "engine/widgets/CWidget.h"

#include <algorithm>
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

void CWidget::AddLook(std::vector<float>&) const
{
}

CVector4 CWidget::ReadPosition(const CConfigFile& config, const char* name)
{
    const std::string key(name ? name : "");
    return CVector4(StrToFloat(config.GetValue(key + ".x", "0")),
                    StrToFloat(config.GetValue(key + ".y", "0")),
                    StrToFloat(config.GetValue(key + ".z", "0")));
}

void CWidget::BeginStripFrame(const CTexture* texture)
{
    glBindTexture(GL_TEXTURE_2D, texture ? texture->GetId() : 0);
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_ALPHA_TEST);
}

void CWidget::DrawStripFrame(const CTexture* texture, float x, float y, float z,
                             float width, float height, int k, float step)
{
    BeginStripFrame(texture);
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

void CWidget::DrawStripFrameParts(const CTexture* texture, float x, float y, float z, float width, float height,
                                  int k, float step, const std::vector<CDraw2D::SRect>& parts)
{
    if (width <= 0.0f || height <= 0.0f)
        return;
    BeginStripFrame(texture);
    const float lower = static_cast<float>(k - 1) * step;
    const float upper = static_cast<float>(k) * step;
    glBegin(GL_QUADS);
    for (const CDraw2D::SRect& part : parts)
    {
        const float x0 = std::max(part.x, x), x1 = std::min(part.x + part.width, x + width);
        const float y0 = std::max(part.y, y), y1 = std::min(part.y + part.height, y + height);
        if (x0 >= x1 || y0 >= y1)
            continue;
        // As DrawStripFrame maps the frame: its top edge at `upper`.
        const float s0 = (x0 - x) / width, s1 = (x1 - x) / width;
        const float t0 = upper + (lower - upper) * (y0 - y) / height;
        const float t1 = upper + (lower - upper) * (y1 - y) / height;
        glTexCoord2f(s0, t0);
        glVertex3f(x0, y0, z);
        glTexCoord2f(s0, t1);
        glVertex3f(x0, y1, z);
        glTexCoord2f(s1, t1);
        glVertex3f(x1, y1, z);
        glTexCoord2f(s1, t0);
        glVertex3f(x1, y0, z);
    }
    glEnd();
    glDisable(GL_BLEND);
}
