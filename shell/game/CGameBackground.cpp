#include "shell/game/CGameBackground.h"

#include <cstdio>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "shell/game/GameLookup.h"

CGameBackground::CGameBackground(CGameApp* app)
    : m_font(GetMainFont()), m_app(app), m_background(nullptr)
{
    if (CResManager* current = GetCurrentResManager())
        m_background = current->FindTexture("game_bg");
}

void CGameBackground::Update(float) {}

std::string CGameBackground::FormatScore(int score)
{
    return FormatValue("Score: %6d", score);
}

std::string CGameBackground::FormatValue(const char* format, int value)
{
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void CGameBackground::Draw()
{
    DrawPicture();
    CDraw2D::SetTexturing(true);
    UpdateBackSparkles();
    DrawBackSparkles();
    CDraw2D::SetTexturing(false);
}

void CGameBackground::DrawPicture()
{
    DrawPictureParts({CDraw2D::SRect{0.0f, 0.0f, 800.0f, 600.0f}});
}

void CGameBackground::DrawPictureParts(const std::vector<CDraw2D::SRect>& parts)
{
    CDraw2D::SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    CDraw2D::SetTexturing(true);
    if (m_background)
    {
        // The picture is opaque and covers the window: drawn without
        // blending or alpha test, whatever the drawing before left on, and
        // texel for pixel when the window has the game's own size.
        CAppWindow* window = CAppWindow::Get();
        const bool pixel_exact = window != nullptr && m_app != nullptr &&
                                 window->GetWidth() == m_app->GetViewParams().GetWidth() &&
                                 window->GetHeight() == m_app->GetViewParams().GetHeight();
        const bool blend = CDraw2D::IsBlendOn();
        const bool alpha_test = CDraw2D::IsAlphaTestOn();
        CDraw2D::SetPictureFilter(m_background->GetId(), pixel_exact);
        CDraw2D::DrawOpaquePictureParts(m_background->GetId(), parts, 800.0f, 600.0f);
        CDraw2D::SetBlend(blend);
        CDraw2D::SetAlphaTest(alpha_test);
    }
    else
        for (const CDraw2D::SRect& part : parts)
            CTexture::DrawQuad(part.x, part.y, 0.0f, part.width, part.height, 0.0f, 1.0f, 0.0f, 1.0f);
    CDraw2D::SetTexturing(false);
}

namespace
{
const float kScoreX = 550.0f;
const float kScoreY = 40.0f;
const float kScoreSize = 24.0f;
}

void CGameBackground::DrawScore()
{
    SHudStyle style;
    style.m_size = kScoreSize;
    DrawHudText(FormatScore(m_score), kScoreX, kScoreY, style);
}

CDraw2D::SRect CGameBackground::GetScoreRect()
{
    // From a few units left of the text and above its glyphs to the right
    // edge: room for every number of digits.
    return {kScoreX - 6.0f, kScoreY - kScoreSize - 6.0f, 800.0f - (kScoreX - 6.0f), kScoreSize + 12.0f};
}

void CGameBackground::DrawHudText(const std::string& text, float x, float y, const SHudStyle& style) const
{
    if (m_font)
        m_font->DrawText(text.c_str(), style.m_size, x, y, style.m_z, style.m_r, style.m_g, style.m_b, style.m_a,
                         false);
}

void CGameBackground::DrawHudValue(const char* format, int value, float x, float y, const SHudStyle& style) const
{
    DrawHudText(FormatValue(format, value), x, y, style);
}

void CGameBackground::DrawHudCentred(const std::string& text, float y, const SHudStyle& style) const
{
    if (m_font)
        DrawHudText(text, (800.0f - m_font->GetTextWidth(text.c_str(), style.m_size)) / 2.0f, y, style);
}
