#include "games/jewel/CJewelGame.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CBitmapFont.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelParams.h"
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
const CVector4 TITLE_START(360.0f, 600.0f, 10.0f);
const CVector4 TITLE_REST(360.0f, 300.0f, 10.0f);
const float TITLE_SPEED = 0.3f;
const float TITLE_FADE_MS = 600.0f;
// The fade slows as it goes and would run on for a minute; below half a
// step of a colour channel the title no longer shows, and ends.
const float TITLE_GONE_ALPHA = 1.0f / 512.0f;
const float INFO_R = 0.85f;
const float INFO_G = 0.93f;
const float INFO_B = 0.12f;
const int MAX_SCORE_STEP = 100000;
const float INFO_SIZE = 16.0f;
const float INFO_Y = 50.0f;
const float INFO_Z = 10.0f;
const float INFO_X[3] = {60.0f, 320.0f, 620.0f};
const float TITLE_SIZE = 26.0f;
const char* const GAME_OVER_TEXT = "GAME OVER!";
const float GAME_OVER_SIZE = 25.0f;
const float GAME_OVER_Y = 575.0f;
const float SCREEN_WIDTH = 800.0f;
// Logical units round a text's glyphs, for the pixels their edges touch.
const float TEXT_MARGIN = 4.0f;
}

CJewelGame::CJewelGame(CGameApp* app, CJewelParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_font(app ? GetMainFont() : nullptr), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CJewelField>(params, m_random, events, app ? GetCurrentResManager() : nullptr, m_font);
    m_current_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CJewelPlayer>(params, *m_field, events);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(params.GetViewScale());
    }
}

CJewelGame::~CJewelGame() {}

int CJewelGame::TriangularNumber(int n)
{
    int sum = 0;
    for (int i = 1; i <= n; ++i)
        sum += i;
    return sum;
}

int CJewelGame::Points(int step, int level, int count)
{
    long long points = static_cast<long long>(step) * level + static_cast<long long>(step) * (count - 3);
    return points > INT_MAX ? INT_MAX : points < INT_MIN ? INT_MIN : static_cast<int>(points);
}

int CJewelGame::GetScore() const
{
    return AddSaturated(m_score, m_score_level);
}

bool CJewelGame::IsGameOver() const
{
    return m_field->IsFinished();
}

void CJewelGame::StartLevel(int level)
{
    m_field->NewLevel(level);
    if (level == 1)
        m_level_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_random.Next(3));
    m_score = AddSaturated(m_score, m_score_level);
    m_score_level = 0;
    m_score_step = m_params.GetScoreBrick();
    m_title_pos = TITLE_START;
    m_title_alpha = 1.0f;
}

void CJewelGame::AnimateTitle(float dt)
{
    CVector4 d = TITLE_REST - m_title_pos;
    CVector4 step = d * 0.15f;
    if (step.LengthSquared() > TITLE_SPEED * TITLE_SPEED)
    {
        step.Normalize();
        step = step * TITLE_SPEED;
    }
    step = step * dt;
    if (step.LengthSquared() < d.LengthSquared())
        m_title_pos += step;
    else
    {
        m_title_pos = TITLE_REST;
        m_title_alpha -= m_title_alpha / TITLE_FADE_MS * dt;
        if (m_title_alpha < TITLE_GONE_ALPHA)
            m_title_alpha = -1.0f;
    }
}

void CJewelGame::PollInput()
{
    if (!PollBoardPointer(m_app, m_params.GetViewScale(), m_player->GetBoardDepth(), m_pointer.m_point,
                          m_pointer.m_button))
        return;
    // The window position only tells the hint's idle timer that the mouse moved.
    SPoint mouse = m_app->GetInput().GetMousePos();
    m_pointer.m_window_x = mouse.x;
    m_pointer.m_window_y = mouse.y;
}

void CJewelGame::Update(float dt)
{
    PollInput();
    m_field->Update(dt);
    if (IsTitleShown())
        AnimateTitle(dt);
    if (m_level_effect)
    {
        if (StepLevelEffect(m_level_effect, dt))
            m_field->CheckStuck();
        return;
    }
    m_field->SetAlpha(m_alpha);
    m_player->OnMouse(dt, m_pointer);
    if (m_field->GetState() != CJewelField::STATE_LEVEL_END)
        PayRemoved(m_field->GetScore());
    if (m_field->GetState() == CJewelField::STATE_IDLE &&
        m_score_level >= LEVEL_TARGET_STEP * TriangularNumber(m_current_level))
    {
        m_field->AddLevelBonus();
        m_score_level = AddSaturated(m_score_level, m_field->GetScore());
    }
    if (m_field->GetState() == CJewelField::STATE_LEVEL_CLEARED && m_current_level < MAX_LEVEL)
    {
        m_current_level += 1;
        StartLevel(m_current_level);
    }
}

void CJewelGame::PayRemoved(int count)
{
    if (count <= 0)
        return;
    int points = Points(m_score_step, m_current_level, count);
    m_score_level = AddSaturated(m_score_level, points);
    m_player->AddPoints(points);
}

void CJewelGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    m_player->AddToPrint(print);
    const int values[3] = {m_score_level, m_score, m_current_level};
    char text[64];
    for (int line = HUD_LEVEL_SCORE; line <= HUD_LEVEL; ++line)
    {
        FormatInfo(line, text);
        print.BeginScreenPart(CJewelField::PART_HUD + line, TextRect(text, INFO_SIZE, INFO_X[line], INFO_Y));
        print.Add(values[line]);
        print.EndPart();
    }
    if (IsTitleShown())
    {
        FormatInfo(HUD_LEVEL, text);
        print.BeginScreenPart(CJewelField::PART_HUD + HUD_TITLE,
                              TextRect(text, TITLE_SIZE, m_title_pos.x, m_title_pos.y));
        print.Add(m_current_level);
        print.Add(m_title_pos);
        print.Add(m_title_alpha);
        print.EndPart();
    }
    if (m_field->IsStuck())
    {
        print.BeginScreenPart(CJewelField::PART_HUD + HUD_GAME_OVER,
                              TextRect(GAME_OVER_TEXT, GAME_OVER_SIZE, GetGameOverX(), GAME_OVER_Y));
        print.Add(true);
        print.EndPart();
    }
}

void CJewelGame::FormatInfo(int line, char (&text)[64]) const
{
    if (line == HUD_LEVEL_SCORE)
        std::snprintf(text, sizeof text, "Level Score: %5d", m_score_level);
    else if (line == HUD_TOTAL_SCORE)
        std::snprintf(text, sizeof text, "Total Score: %6d", m_score);
    else
        std::snprintf(text, sizeof text, "Level: %2d", m_current_level);
}

CDraw2D::SRect CJewelGame::TextRect(const char* text, float size, float x, float y) const
{
    // The glyphs stand on the pen line and reach their size above it.
    const float width = m_font ? m_font->GetTextWidth(text, size) : size * static_cast<float>(std::strlen(text));
    return {x - TEXT_MARGIN, y - size - TEXT_MARGIN, width + 2.0f * TEXT_MARGIN, size + 2.0f * TEXT_MARGIN};
}

float CJewelGame::GetGameOverX() const
{
    const float width = m_font ? m_font->GetTextWidth(GAME_OVER_TEXT, GAME_OVER_SIZE)
                               : GAME_OVER_SIZE * static_cast<float>(std::strlen(GAME_OVER_TEXT));
    return (SCREEN_WIDTH - width) / 2.0f;
}

void CJewelGame::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    if (m_field->HasTurning())
    {
        frame.redrawn = m_turning_rects;
        frame.drawLive = [this] {
            m_turning_rects.clear();
            m_field->DrawTurning(m_turning_rects);
        };
    }
    else
        m_turning_rects.clear();
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.startEffect = m_level_effect.get();
    frame.drawOverBackground = [this] { DrawGameOver(); };
    frame.drawBoard = [this] {
        m_field->Draw();
        m_player->Draw();
    };
    frame.drawHud = [this] { DrawInfo(); };
    DrawGameFrame(m_app, frame);
}

void CJewelGame::DrawGameOver()
{
    if (m_field->IsStuck() && m_font)
        m_font->DrawText(GAME_OVER_TEXT, GAME_OVER_SIZE, GetGameOverX(), GAME_OVER_Y, 1.0f, 1.0f, 1.0f, 0.0f, 1.0f,
                         false);
}

void CJewelGame::DrawInfo()
{
    if (!m_font)
        return;
    char text[64];
    for (int line = HUD_LEVEL_SCORE; line <= HUD_LEVEL; ++line)
    {
        FormatInfo(line, text);
        m_font->DrawText(text, INFO_SIZE, INFO_X[line], INFO_Y, INFO_Z, INFO_R, INFO_G, INFO_B, 1.0f, false);
    }
    if (IsTitleShown())
        m_font->DrawText(text, TITLE_SIZE, m_title_pos.x, m_title_pos.y, m_title_pos.z, INFO_R, INFO_G, INFO_B,
                         m_title_alpha, false);
}

void CJewelGame::Reskin()
{
    m_field->Reskin();
}

void CJewelGame::Save(CConfigFile& store)
{
    // The board keeps no fading bricks: a strike still fading would come
    // back whole with its figure spent. It is finished and paid now, as it
    // would be a moment later.
    PayRemoved(m_field->FinishStrike());
    store.SetInt("gf_m_score", m_score);
    int level = m_score_level;
    // The bonus is granted again when the level end restarts after loading.
    if (m_field->GetState() == CJewelField::STATE_LEVEL_END)
        level = AddSaturated(level, -LEVEL_TARGET_STEP * m_current_level);
    store.SetInt("gf_m_score_level", level);
    store.SetInt("gf_m_score_step", m_score_step);
    SaveTilt(store, m_alpha);
    store.SetInt("gf_m_is_game_over", m_is_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_current_level);
    m_field->Save(store);
    m_player->Save(store);
}

bool CJewelGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float angle = 0.0f;
    int level = 0;
    int fieldLevel = 0;
    // The total holds finished levels only, each of which ended above its
    // target: only the running level's score may be negative. A step of 0
    // pays nothing: no level target could ever be reached.
    return ReadSaveInt(store, "gf_m_score", 0, INT_MAX, value) &&
           ReadSaveInt(store, "gf_m_score_level", INT_MIN, INT_MAX, value) &&
           ReadSaveInt(store, "gf_m_score_step", 1, MAX_SCORE_STEP, value) && ReadSaveTilt(store, angle) &&
           ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value) &&
           ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, level) &&
           ReadSaveInt(store, "fe_m_current_level", 1, MAX_LEVEL, fieldLevel) && level == fieldLevel &&
           CJewelField::ValidateSave(store) && CJewelPlayer::ValidateSave(store);
}

bool CJewelGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    m_level_effect.reset();
    m_title_alpha = 1.0f;
    int value = 0;
    ReadSaveInt(store, "gf_m_score", 0, INT_MAX, m_score);
    ReadSaveInt(store, "gf_m_score_level", INT_MIN, INT_MAX, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 1, MAX_SCORE_STEP, m_score_step);
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_is_game_over = value == 1;
    ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, m_current_level);
    m_field->Load(store);
    m_player->Load(store);
    return true;
}
