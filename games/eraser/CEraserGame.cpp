#include "games/eraser/CEraserGame.h"

#include "engine/files/CConfigFile.h"
#include "engine/gfx/CBitmapFont.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/eraser/CEraserParams.h"
#include "games/eraser/CEraserPlayer.h"
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
const float kBannerFraction = 0.15f;
const float kBannerSpeed = 0.3f;
const float kBannerFadeMs = 600.0f;
const float kBannerSize = 26.0f;
// Below half a step of an 8-bit colour channel a blended text changes no
// pixel; drawing it would only keep the frame from being held.
const float kBannerUnseen = 0.5f / 255.0f;
// Levels and scores run to the top of int, where they stay.
const int kMaxValue = 0x7FFFFFFF;
// The texts' screen parts are keyed from here up, clear of the board's.
const std::uint64_t kHudPartKey = std::uint64_t(3) << 62;
// Logical units round a text's glyphs, for rounding on the way to pixels.
const float kHudMargin = 4.0f;
}

CEraserGame::CEraserGame(CGameApp* app, const CEraserParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_font = GetMainFont();
    m_field = std::make_unique<CEraserField>(params, events, app ? GetCurrentResManager() : nullptr, m_random,
                                             app ? GetMainFont() : nullptr);
    m_current_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CEraserPlayer>(*m_field);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(params.GetViewScale());
    }
}

CEraserGame::~CEraserGame() {}

void CEraserGame::StartLevel(int level)
{
    m_field->NewLevel(level);
    m_bricks_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_random.Next(3));
    m_score = AddSaturated(m_score, m_score_level);
    m_score_level = 0;
    m_score_step = m_params.GetScoreBrick();
    m_banner_pos = CVector4(BANNER_X, BANNER_START_Y, 10.0f);
    m_banner_alpha = 1.0f;
}

void CEraserGame::SetPointer(const CVector4& point, bool button)
{
    m_pointer = point;
    m_button = button;
}

void CEraserGame::PollInput()
{
    PollBoardPointer(m_app, m_params.GetViewScale(), m_player->GetBrickDepth(), m_pointer, m_button);
}

void CEraserGame::UpdateBanner(float dt)
{
    CVector4 target(BANNER_X, BANNER_REST_Y, 10.0f);
    CVector4 step = (target - m_banner_pos) * kBannerFraction;
    if (step.LengthSquared() > kBannerSpeed * kBannerSpeed)
    {
        step.Normalize();
        step *= kBannerSpeed;
    }
    step *= dt;
    if (step.LengthSquared() < (target - m_banner_pos).LengthSquared())
        m_banner_pos += step;
    else
    {
        m_banner_pos = target;
        m_banner_alpha -= m_banner_alpha / kBannerFadeMs * dt;
    }
}

void CEraserGame::AddScore(int removed)
{
    bool sweeping = m_field->GetState() == CEraserField::STATE_SWEEP;
    if (!sweeping)
        m_score_level = AddSaturated(m_score_level, MulSaturated(removed, m_score_step));
    else if (m_field->CountBricks() == 0 && removed > 0)
        m_score_level = AddSaturated(m_score_level, removed);
    else if (removed != 0)
    {
        int penalty = AddSaturated(m_params.GetScoreBrickPenalty(), MulSaturated(m_current_level - 1, m_score_step));
        m_score_level = AddSaturated(m_score_level, MulSaturated(removed, penalty));
    }
    if (m_score_level < 0)
        m_score_level = 0;
}

void CEraserGame::Update(float dt)
{
    PollInput();
    // Stepped once a frame here, not where the bricks are drawn: a frame
    // may draw them several times.
    m_field->StepZooms();
    if (m_banner_alpha >= 0.0f)
        UpdateBanner(dt);
    // The board waits for the start effect: a level with no group would
    // otherwise be swept, and charged, while the player cannot see it.
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
    AddScore(m_field->GetRemovedCount());
    if (!m_field->IsFinished())
        return;
    m_current_level = AddSaturated(m_current_level, 1);
    if (m_score_level != 0)
        StartLevel(m_current_level);
    else
        m_is_game_over = true;
}

void CEraserGame::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.startEffect = m_bricks_effect.get();
    frame.drawBoard = [this] { m_field->Draw(); };
    frame.drawHud = [this] { DrawInfo(); };
    DrawGameFrame(m_app, frame);
}

void CEraserGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    for (const SHudLine& line : GetHudLines())
    {
        print.BeginScreenPart(kHudPartKey + static_cast<std::uint64_t>(line.key), GetHudRect(line));
        print.Add(line.text);
        print.Add(line.x);
        print.Add(line.y);
        print.Add(line.style.m_size);
        print.Add(line.style.m_z);
        for (float channel : {line.style.m_r, line.style.m_g, line.style.m_b, line.style.m_a})
            print.Add(channel);
        print.EndPart();
    }
}

std::vector<CEraserGame::SHudLine> CEraserGame::GetHudLines() const
{
    std::vector<SHudLine> lines = {
        {0, CGameBackground::FormatValue("Level Score: %5d", m_score_level), 60.0f, kHudTopLineY, SHudStyle()},
        {1, CGameBackground::FormatValue("Total Score: %6d", m_score), 320.0f, kHudTopLineY, SHudStyle()},
        {2, CGameBackground::FormatValue("Level: %2d", m_current_level), 620.0f, kHudTopLineY, SHudStyle()},
    };
    if (IsBannerShown())
    {
        SHudStyle banner;
        banner.m_size = kBannerSize;
        banner.m_z = m_banner_pos.z;
        banner.m_a = m_banner_alpha;
        lines.push_back({3, CGameBackground::FormatValue("Level: %2d", m_current_level), m_banner_pos.x,
                         m_banner_pos.y, banner});
    }
    return lines;
}

CDraw2D::SRect CEraserGame::GetHudRect(const SHudLine& line) const
{
    // A text stands on its point, its glyphs rising by its size.
    const float width = m_font ? m_font->GetTextWidth(line.text.c_str(), line.style.m_size) : 0.0f;
    return {line.x - kHudMargin, line.y - line.style.m_size - kHudMargin, width + 2.0f * kHudMargin,
            line.style.m_size + 2.0f * kHudMargin};
}

bool CEraserGame::IsBannerShown() const
{
    return m_banner_alpha >= kBannerUnseen;
}

void CEraserGame::DrawInfo() const
{
    for (const SHudLine& line : GetHudLines())
        m_background->DrawHudText(line.text, line.x, line.y, line.style);
}

void CEraserGame::Reskin()
{
    m_field->Reskin();
}

void CEraserGame::Save(CConfigFile& store) const
{
    store.SetInt("gf_m_score", m_score);
    store.SetInt("gf_m_score_level", m_score_level);
    store.SetInt("gf_m_score_step", m_score_step);
    SaveTilt(store, m_alpha);
    store.SetInt("gf_m_is_game_over", m_is_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_current_level);
    m_field->Save(store);
}

bool CEraserGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    if (!ReadSaveInt(store, "gf_m_score", 0, kMaxValue, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_level", 0, kMaxValue, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step", 0, 100000, value))
        return false;
    if (!ReadSaveTilt(store, alpha))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, kMaxValue, value))
        return false;
    return CEraserField::ValidateSave(store);
}

bool CEraserGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    // The restored board is shown as it is, with the banner of its level
    // flying in again.
    m_bricks_effect.reset();
    m_banner_pos = CVector4(BANNER_X, BANNER_START_Y, 10.0f);
    m_banner_alpha = 1.0f;
    int value = 0;
    ReadSaveInt(store, "gf_m_score", 0, kMaxValue, m_score);
    ReadSaveInt(store, "gf_m_score_level", 0, kMaxValue, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 0, 100000, m_score_step);
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_is_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, kMaxValue, m_current_level);
    m_field->Load(store);
    m_player->Reset();
    return true;
}
