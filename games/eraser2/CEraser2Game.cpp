#include "games/eraser2/CEraser2Game.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CBitmapFont.h"
#include "games/eraser2/CEraser2Field.h"
#include "games/eraser2/CEraser2Params.h"
#include "games/eraser2/CEraser2Player.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/GameFrame.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "shell/game/StepLevelEffect.h"

namespace
{
constexpr float kLogicalWidth = 800.0f;
constexpr float kLogicalHeight = 600.0f;
constexpr const char* kScoreFormat = "Score: %6d";
// The score's part of the print: no brick address is this small.
constexpr std::uint64_t kScorePart = 1;
// Round the score's glyphs, in logical units.
constexpr float kHudMargin = 4.0f;
}

CEraser2Game::CEraser2Game(CGameApp* app, const CEraser2Params& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_font = app ? GetMainFont() : nullptr;
    m_field = std::make_unique<CEraser2Field>(params, events, app ? GetCurrentResManager() : nullptr, m_random,
                                              app ? GetMainFont() : nullptr);
    m_current_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CEraser2Player>(*m_field);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(params.GetViewScale());
    }
}

CEraser2Game::~CEraser2Game() {}

void CEraser2Game::StartLevel(int level)
{
    m_field->NewLevel(level);
    // The board slides or drops into place; it does not grow brick by brick.
    m_bricks_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_random.Next(START_EFFECTS));
    m_score = AddSaturated(m_score, m_score_level);
    m_score_level = 0;
    m_score_step = m_params.GetScoreBrick();
}

void CEraser2Game::SetPointer(const CVector4& point, bool button)
{
    m_pointer = point;
    m_button = button;
}

void CEraser2Game::Update(float dt)
{
    PollBoardPointer(m_app, m_params.GetViewScale(), m_player->GetBrickDepth(), m_pointer, m_button);
    if (m_bricks_effect)
    {
        StepLevelEffect(m_bricks_effect, dt);
        return;
    }
    if (m_is_game_over)
        return;
    m_field->Update(dt);
    m_field->SetAlpha(m_alpha);
    m_player->Update(dt, m_pointer, m_button);
    m_field->StepLooks();
    m_score = AddSaturated(m_score, MulSaturated(m_field->GetRemoved(), m_score_step));
    if (m_field->IsFinished())
        m_is_game_over = true;
}

void CEraser2Game::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    // The icons turn in every frame: drawn live over the held board, their
    // cells drawn again around them.
    frame.drawLive = [this] { m_field->DrawSprites(); };
    frame.liveDepth = false;
    if (m_app)
    {
        std::vector<CVector4> corners;
        m_field->PlaceSprites(corners);
        for (std::size_t i = 0; i + 1 < corners.size(); i += 2)
        {
            const CDraw2D::SRect rect =
                ToScreen(m_app->GetViewParams(), m_alpha, corners[i], corners[i + 1]);
            if (rect.width > 0.0f && rect.height > 0.0f)
                frame.redrawn.push_back(rect);
        }
    }
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.startEffect = m_bricks_effect.get();
    frame.drawBoard = [this] {
        m_field->Draw();
        m_player->Draw();
    };
    frame.drawHud = [this] { DrawHud(); };
    DrawGameFrame(m_app, frame);
}

void CEraser2Game::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    print.BeginScreenPart(kScorePart, GetScoreRect());
    print.Add(m_score);
    print.EndPart();
}

std::string CEraser2Game::GetScoreText() const
{
    return CGameBackground::FormatValue(kScoreFormat, m_score);
}

CDraw2D::SRect CEraser2Game::GetScoreRect() const
{
    // The glyphs reach a text size up from the line they stand on; without
    // the font every character is taken as wide as the text is high.
    const std::string text = GetScoreText();
    const float size = SHudStyle().m_size;
    const float width = m_font ? m_font->GetTextWidth(text.c_str(), size) : size * static_cast<float>(text.size());
    return CDraw2D::SRect{SCORE_X - kHudMargin, SCORE_Y - size - kHudMargin, width + 2.0f * kHudMargin,
                          size + 2.0f * kHudMargin};
}

CDraw2D::SRect CEraser2Game::ToScreen(const CViewParams& view, float tilt, const CVector4& low, const CVector4& high)
{
    CDraw2D::SRect rect{0.0f, 0.0f, kLogicalWidth, kLogicalHeight};
    if (!ProjectBoardBox(view, tilt, low, high, rect))
        rect = CDraw2D::SRect{0.0f, 0.0f, kLogicalWidth, kLogicalHeight};
    return rect;
}

void CEraser2Game::DrawHud() const
{
    m_background->DrawHudText(GetScoreText(), SCORE_X, SCORE_Y);
}

void CEraser2Game::Reskin()
{
    m_field->Reskin();
}

void CEraser2Game::Save(CConfigFile& store) const
{
    store.SetInt("gf_m_score", m_score);
    store.SetInt("gf_m_score_level", m_score_level);
    store.SetInt("gf_m_score_step", m_score_step);
    SaveTilt(store, m_alpha);
    store.SetInt("gf_m_is_game_over", m_is_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_current_level);
    m_field->Save(store);
}

bool CEraser2Game::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    if (!ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_level", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step", 0, 100000, value))
        return false;
    if (!ReadSaveTilt(store, alpha))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, 0x7FFFFFFF, value))
        return false;
    return CEraser2Field::ValidateSave(store);
}

bool CEraser2Game::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    // A loaded game resumes at once, without the start effect.
    m_bricks_effect.reset();
    int value = 0;
    ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, m_score);
    ReadSaveInt(store, "gf_m_score_level", 0, 0x7FFFFFFF, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 0, 100000, m_score_step);
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_is_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, 0x7FFFFFFF, m_current_level);
    m_field->Load(store);
    m_player->Reset();
    return true;
}
