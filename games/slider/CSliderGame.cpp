#include "games/slider/CSliderGame.h"


#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/slider/CSliderField.h"
#include "games/slider/CSliderParams.h"
#include "games/slider/CSliderPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameFrame.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "shell/game/StepLevelEffect.h"

namespace
{
// The ring row 0 is not part of the level effects.
const int FIRST_EFFECT_ROW = 1;
const CVector4 TITLE_START(360.0f, 600.0f, 10.0f);
const CVector4 TITLE_REST(360.0f, 300.0f, 10.0f);
const float TITLE_SPEED = 0.3f;
const float TITLE_FADE_MS = 600.0f;
const int MAX_LEVEL = 100000;
const int MAX_MOVES = 100000;
}

CSliderGame::CSliderGame(CGameApp* app, CSliderParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CSliderField>(params, events, app ? GetCurrentResManager() : nullptr, m_random);
    m_current_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CSliderPlayer>(*m_field);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(params.GetViewScale());
    }
}

CSliderGame::~CSliderGame() {}

int CSliderGame::MovesOfLevel(const CSliderParams& params, int level)
{
    long long moves = params.GetFirstLevelMoves(params.GetLastSize(), params.GetLastDifficulty()) -
                      static_cast<long long>(level - 1) * params.GetMovesStep(params.GetLastDifficulty());
    // A budget below zero would show as a negative count and still allow a
    // move; such a level simply has none.
    return moves < 0 ? 0 : static_cast<int>(moves);
}

void CSliderGame::StartLevel(int level)
{
    m_field->NewLevel();
    m_start_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), CLevelBricksEffect::EFFECT_GROW,
                                                          FIRST_EFFECT_ROW);
    m_score_level = MovesOfLevel(m_params, level);
    m_score_step_level = m_params.GetMovesStep(m_params.GetLastDifficulty());
    m_title_pos = TITLE_START;
    m_title_alpha = 1.0f;
}

void CSliderGame::EndLevel(float dt)
{
    m_end_effect->Update(dt);
    if (!m_end_effect->IsDone() && !m_field->IsCleared())
        return;
    m_current_level += 1;
    m_end_effect.reset();
    if (m_score_level == 0)
        m_is_game_over = true;
    else
        StartLevel(m_current_level);
}

void CSliderGame::MoveTitle(float dt)
{
    CVector4 step = (TITLE_REST - m_title_pos) * 0.15f;
    if (step.LengthSquared() > TITLE_SPEED * TITLE_SPEED)
        step = step * (TITLE_SPEED / step.Length());
    step = step * dt;
    if (step.LengthSquared() >= (TITLE_REST - m_title_pos).LengthSquared())
    {
        m_title_pos = TITLE_REST;
        m_title_alpha -= m_title_alpha / TITLE_FADE_MS * dt;
    }
    else
    {
        m_title_pos = m_title_pos + step;
    }
}

void CSliderGame::SetPointer(const CVector4& point, bool button)
{
    m_pointer = point;
    m_button = button;
}

void CSliderGame::PollInput()
{
    PollBoardPointer(m_app, m_params.GetViewScale(), m_player->GetBrickDepth(), m_pointer, m_button);
}

void CSliderGame::Update(float dt)
{
    if (m_is_game_over)
        return;
    PollInput();
    m_field->Update();
    if (m_title_alpha > 0.0f)
        MoveTitle(dt);

    if (m_start_effect)
    {
        StepLevelEffect(m_start_effect, dt);
        return;
    }
    if (m_end_effect)
    {
        EndLevel(dt);
        return;
    }

    m_field->SetAlpha(m_alpha);
    m_player->Update(dt, m_pointer, m_button);
    m_score += m_field->GetScore();
    if (m_field->IsMoveDone() && m_score_level > 0)
        m_score_level -= 1;
    if (m_field->GetScore() != 0 && m_field->IsCleared())
    {
        int bonus = m_score_level * BONUS_PER_MOVE;
        m_score += bonus;
        m_field->ShowBonus(bonus);
    }
    m_field->ClearScore();
    if (m_field->GetFinished() || m_score_level == 0)
        m_end_effect = std::make_unique<CLevelFlipEffect>(m_app, m_field.get(), FIRST_EFFECT_ROW);
}

void CSliderGame::Draw()
{
    SGameFrame frame;
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.startEffect = m_start_effect.get();
    frame.endEffect = m_end_effect.get();
    frame.drawBoard = [this] {
        m_field->Draw();
        m_player->Draw();
    };
    frame.drawHud = [this] { DrawInfo(); };
    DrawGameFrame(m_app, frame);
}

void CSliderGame::DrawInfo()
{
    SHudStyle white;
    white.m_r = white.m_g = white.m_b = 1.0f;
    m_background->DrawHudValue("Moves Left: %5d", m_score_level, 60.0f, 50.0f, white);
    m_background->DrawHudValue("Score: %6d", m_score, 280.0f, 50.0f, white);
    m_background->DrawHudValue("Level: %2d", m_current_level, 620.0f, 50.0f, white);
    if (m_title_alpha >= 0.0f)
    {
        SHudStyle title = white;
        title.m_size = 35.0f;
        title.m_z = m_title_pos.z;
        title.m_a = m_title_alpha;
        m_background->DrawHudCentred(CGameBackground::FormatValue("Level: %2d", m_current_level), m_title_pos.y,
                                     title);
    }
    m_field->DrawPopups(GetMainFont());
}

void CSliderGame::Reskin()
{
    m_field->Reskin();
}

void CSliderGame::Save(CConfigFile& store) const
{
    SaveTilt(store, m_alpha);
    store.SetInt("gf_m_is_game_over", m_is_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_current_level);
    store.SetInt("gf_m_score", m_score);
    store.SetInt("gf_m_score_level", m_score_level);
    store.SetInt("gf_m_score_step", m_score_step);
    store.SetInt("gf_m_score_step_level", m_score_step_level);
    m_field->Save(store);
}

bool CSliderGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float angle = 0.0f;
    if (!ReadSaveTilt(store, angle))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", -0x7FFFFFFF, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_level", 0, MAX_MOVES, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step", 0, MAX_MOVES, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step_level", 0, MAX_MOVES, value))
        return false;
    return CSliderField::ValidateSave(store);
}

bool CSliderGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", -0x7FFFFFFF, 0x7FFFFFFF, value);
    m_is_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, m_current_level);
    ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, m_score);
    ReadSaveInt(store, "gf_m_score_level", 0, MAX_MOVES, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 0, MAX_MOVES, m_score_step);
    ReadSaveInt(store, "gf_m_score_step_level", 0, MAX_MOVES, m_score_step_level);
    m_field->Load(store);
    // The restored bricks stand on their cells: no entrance for them, but
    // the caption names the level the game goes on with.
    m_start_effect.reset();
    m_end_effect.reset();
    m_player->Reset();
    m_title_pos = TITLE_START;
    m_title_alpha = 1.0f;
    return true;
}
