#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CDraw2D.h"

#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"

#include <GL/gl.h>

#include <cstddef>
#include <utility>

namespace
{
// Steps on average between two new back sparkles, and the draw that starts one.
constexpr int kBackSparkleOdds = 20;
constexpr int kBackSparkleDraw = 5;

// Updates every element; a finished one is deleted and the one moving into its place is
// updated next, so neighbours that finish together both go.
template <typename T>
void UpdateList(std::vector<std::unique_ptr<T>>& list)
{
    size_t i = 0;
    while (i < list.size())
    {
        if (list[i]->Update())
        {
            list.erase(list.begin() + static_cast<long>(i));
        }
        else
        {
            ++i;
        }
    }
}

template <typename T>
void DrawList(const std::vector<std::unique_ptr<T>>& list, CSprite* sprite, const std::vector<bool>* shown = nullptr,
              float light = 1.0f)
{
    if (sprite == nullptr)
    {
        return;
    }
    sprite->SetFlipV(true);
    sprite->SetBlend(true);
    if (list.empty() || !sprite->IsVisible())
    {
        return;
    }
    // One array drawn in one call for the whole list: the software renderer
    // pays for every call, change of state and vertex given one by one far
    // more than for a sparkle's few pixels.
    static std::vector<CSprite::SCellVertex> corners;
    corners.clear();
    for (std::size_t i = 0; i < list.size(); ++i)
    {
        if (shown == nullptr || (i < shown->size() && (*shown)[i]))
        {
            list[i]->Emit(corners, light);
        }
    }
    glBindTexture(GL_TEXTURE_2D, sprite->GetTexture() ? sprite->GetTexture()->GetId() : 0);
    CDraw2D::SetAlphaBlendFunc();
    glEnable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    // Sparkles lie over what was drawn before them, whatever its depth; a
    // quad that wrote its own would cut its square out of what follows.
    const bool depth_test = CDraw2D::IsDepthTestOn();
    glDisable(GL_DEPTH_TEST);
    if (!corners.empty())
    {
        const GLsizei stride = sizeof(CSprite::SCellVertex);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, stride, &corners[0].x);
        glTexCoordPointer(2, GL_FLOAT, stride, &corners[0].u);
        glColorPointer(4, GL_FLOAT, stride, &corners[0].r);
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners.size()));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
    }
    glDisable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    CDraw2D::SetDepthTest(depth_test);
}
}

CSparkleLists::CSparkleLists(SparkleRandom random) : m_random(std::move(random))
{
}

CSparkleLists::~CSparkleLists() = default;

void CSparkleLists::Clear()
{
    m_sparkles.clear();
    m_back_sparkles.clear();
}

void CSparkleLists::AddSparkle(CVector4 position, int32_t group)
{
    CSprite* sprite = m_res_manager ? m_res_manager->FindSprite(kFrontSprite) : nullptr;
    if (sprite == nullptr)
    {
        return;
    }
    m_sparkles.push_back(std::make_unique<CSparkle>(sprite, position, group, m_random));
}

void CSparkleLists::UpdateSparkles()
{
    if (m_res_manager == nullptr)
    {
        return;
    }
    UpdateList(m_sparkles);
}

void CSparkleLists::DrawSparkles()
{
    if (m_res_manager == nullptr)
    {
        return;
    }
    DrawList(m_sparkles, m_res_manager->FindSprite(kFrontSprite));
}

void CSparkleLists::AddBackSparkle()
{
    CSprite* sprite = m_res_manager ? m_res_manager->FindSprite(kBackSprite) : nullptr;
    if (sprite == nullptr)
    {
        return;
    }
    m_back_sparkles.push_back(std::make_unique<CBackSparkle>(sprite, m_random));
}

void CSparkleLists::UpdateBackSparkles()
{
    if (m_res_manager == nullptr)
    {
        return;
    }
    CBackSparkle::UpdateDrift(m_random);
    if ((m_random() & 0x7fffffff) % kBackSparkleOdds == kBackSparkleDraw)
    {
        AddBackSparkle();
    }
    UpdateList(m_back_sparkles);
}

void CSparkleLists::DrawBackSparkles(const std::vector<bool>* shown, float light)
{
    if (m_res_manager == nullptr)
    {
        return;
    }
    DrawList(m_back_sparkles, m_res_manager->FindSprite(kBackSprite), shown, light);
}
