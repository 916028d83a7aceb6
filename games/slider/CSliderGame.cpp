#include "games/slider/CSliderGame.h"


#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/slider/CSliderField.h"
#include "games/slider/CSliderParams.h"
#include "games/slider/CSliderPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameFrameCache.h"
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
// Below half a step of an 8-bit colour channel the caption changes no pixel.
const float TITLE_FAINTEST = 1.0f / 512.0f;
const int MAX_MOVES = 100000;
const int DIFFICULTIES = 3;
}

CSliderGame::CSliderGame(CGameApp* app, CSliderParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_random(seed), m_difficulty(params.GetLastDifficulty())
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

int CSliderGame::MovesOfLevel(const CSliderParams& params, int size, int difficulty, int level)
{
    long long moves = params.GetFirstLevelMoves(size, difficulty) -
                      static_cast<long long>(level - 1) * params.GetMovesStep(difficulty);
    // A budget below zero would show as a negative count and still allow a
    // move; such a level simply has none.
    return moves < 0 ? 0 : static_cast<int>(moves);
}

void CSliderGame::StartLevel(int level)
{
    m_field->NewLevel();
    m_start_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), CLevelBricksEffect::EFFECT_GROW,
                                                          FIRST_EFFECT_ROW);
    m_score_level = MovesOfLevel(m_params, GetGameSize(), m_difficulty, level);
    m_score_step_level = m_params.GetMovesStep(m_difficulty);
    m_title_pos = TITLE_START;
    m_title_alpha = 1.0f;
}

void CSliderGame::EndLevel(float dt)
{
    m_end_effect->Update(dt);
    if (!m_end_effect->IsDone() && !m_field->IsCleared())
        return;
    m_current_level = AddSaturated(m_current_level, 1);
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
    m_score = AddSaturated(m_score, m_field->GetScore());
    if (m_field->IsMoveDone() && m_score_level > 0)
        m_score_level -= 1;
    if (m_field->GetScore() != 0 && m_field->IsCleared())
    {
        int bonus = m_score_level * BONUS_PER_MOVE;
        m_score = AddSaturated(m_score, bonus);
        m_field->ShowBonus(bonus);
    }
    m_field->ClearScore();
    if (m_field->GetFinished() || m_score_level == 0)
        m_end_effect = std::make_unique<CLevelFlipEffect>(m_app, m_field.get(), FIRST_EFFECT_ROW);
}

bool CSliderGame::IsTitleShown() const
{
    return m_title_alpha >= TITLE_FAINTEST;
}

void CSliderGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    print.Add(m_score_level);
    print.Add(m_score);
    print.Add(m_current_level);
    print.Add(IsTitleShown());
    if (IsTitleShown())
    {
        print.Add(m_title_pos);
        print.Add(m_title_alpha);
    }
}

void CSliderGame::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.startEffect = m_start_effect.get();
    frame.endEffect = m_end_effect.get();
    // A frame drawn whole draws the turning arrows with the board, as ever;
    // one laid from the held picture draws them over it.
    auto held = [cache] { return cache && cache->GetMode() != CGameFrameCache::EMode::Whole; };
    frame.drawBoard = [this, held] {
        m_field->Draw(!held());
        m_player->Draw();
    };
    frame.drawHud = [this] { DrawInfo(); };
    frame.drawLive = [this, held] {
        if (!held())
            return;
        m_turning_cover.clear();
        m_field->DrawTurningArrows(m_turning_cover);
    };
    frame.redrawn = m_turning_cover;
    DrawGameFrame(m_app, frame);
}

void CSliderGame::DrawInfo()
{
    SHudStyle white;
    white.m_r = white.m_g = white.m_b = 1.0f;
    m_background->DrawHudValue("Moves Left: %5d", m_score_level, 60.0f, 50.0f, white);
    m_background->DrawHudValue("Score: %6d", m_score, 280.0f, 50.0f, white);
    m_background->DrawHudValue("Level: %2d", m_current_level, 620.0f, 50.0f, white);
    if (IsTitleShown())
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

int CSliderGame::GetGameSize() const
{
    return CSliderParams::SizeOfBoard(m_field->GetWidth());
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
    store.SetInt("gf_m_difficulty", m_difficulty);
    m_field->Save(store);
}

bool CSliderGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float angle = 0.0f;
    if (!ReadSaveTilt(store, angle))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_level", 0, MAX_MOVES, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step", 0, MAX_MOVES, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score_step_level", 0, MAX_MOVES, value))
        return false;
    if (store.HasKey("gf_m_difficulty") && !ReadSaveInt(store, "gf_m_difficulty", 0, DIFFICULTIES - 1, value))
        return false;
    return CSliderField::ValidateSave(store);
}

int CSliderGame::DifficultyOfSave(const CConfigFile& store) const
{
    int difficulty = 0;
    if (store.HasKey("gf_m_difficulty"))
    {
        ReadSaveInt(store, "gf_m_difficulty", 0, DIFFICULTIES - 1, difficulty);
        return difficulty;
    }
    int cells = 0;
    int colors = 0;
    int step = 0;
    ReadSaveInt(store, "f_m_width_bricks", 0, 0x7FFFFFFF, cells);
    ReadSaveInt(store, "f_m_colors", 0, 0x7FFFFFFF, colors);
    ReadSaveInt(store, "gf_m_score_step_level", 0, MAX_MOVES, step);
    const int size = CSliderParams::SizeOfBoard(cells);
    // Where several difficulties fit, the one chosen last is the likelier.
    const int chosen = m_params.GetLastDifficulty();
    int found = -1;
    for (int d = 0; d < DIFFICULTIES; ++d)
        if (m_params.GetColors(size, d) == colors && m_params.GetMovesStep(d) == step && (found < 0 || d == chosen))
            found = d;
    return found >= 0 ? found : chosen;
}

bool CSliderGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_is_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, 0x7FFFFFFF, m_current_level);
    ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, m_score);
    ReadSaveInt(store, "gf_m_score_level", 0, MAX_MOVES, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 0, MAX_MOVES, m_score_step);
    ReadSaveInt(store, "gf_m_score_step_level", 0, MAX_MOVES, m_score_step_level);
    m_difficulty = DifficultyOfSave(store);
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
