#include "games/mover/CMoverGame.h"

#include <climits>
#include <cmath>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverField.h"
#include "games/mover/CMoverParams.h"
#include "games/mover/CMoverPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameFrame.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "shell/game/StepLevelEffect.h"

namespace
{
const CVector4 CAPTION_START(360.0f, 600.0f, 10.0f);
const CVector4 CAPTION_TARGET(360.0f, 300.0f, 10.0f);
const float CAPTION_APPROACH = 0.15f;
const float CAPTION_MAX_STEP = 0.3f;
const float CAPTION_FADE_MS = 600.0f;
const float CAPTION_SIZE = 26.0f;
// Below half a step of an 8-bit colour channel the caption changes no pixel.
const float CAPTION_FAINTEST = 1.0f / 512.0f;
const int MAX_LEVEL = 1000;
}

CMoverGame::CMoverGame(CGameApp* app, CMoverParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_events(events), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CMoverField>(params, events, app ? GetCurrentResManager() : nullptr, m_random);
    m_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CMoverPlayer>(*m_field, events);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(0.06f);
    }
}

CMoverGame::~CMoverGame() {}

void CMoverGame::AddScore(int points)
{
    m_score = AddSaturated(m_score, points);
}

void CMoverGame::StartLevel(int level)
{
    m_field->NewLevel(level);
    m_start_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_random.Next(3));
    AddScore(m_score_level);
    int size = m_field->GetGameSize();
    int difficulty = m_field->GetGameDifficulty();
    m_score_level = m_params.GetLevelScore(size, difficulty);
    m_score_step = m_params.GetStepScore(difficulty);
    m_score_step_level = m_params.GetStepScoreLevel(difficulty);
    m_caption_position = CAPTION_START;
    m_caption_alpha = 1.0f;
    if (level != 1 && m_events)
        m_events->PlaySound(SOUND_LEVEL, true, false);
}

void CMoverGame::EndLevel(float dt)
{
    if (StepLevelEffect(m_end_effect, dt))
        m_game_over = true;
}

void CMoverGame::UpdateCaption(float dt)
{
    CVector4 step = (CAPTION_TARGET - m_caption_position) * CAPTION_APPROACH;
    float length = std::sqrt(step.LengthSquared());
    if (length > CAPTION_MAX_STEP)
        step = step * (CAPTION_MAX_STEP / length);
    step = step * dt;
    if (step.LengthSquared() < (CAPTION_TARGET - m_caption_position).LengthSquared())
        m_caption_position = m_caption_position + step;
    else
    {
        m_caption_position = CAPTION_TARGET;
        m_caption_alpha -= m_caption_alpha / CAPTION_FADE_MS * dt;
    }
}

void CMoverGame::SetPointer(const CVector4& point, bool button)
{
    m_pointer = point;
    m_button = button;
}

void CMoverGame::PollInput()
{
    PollBoardPointer(m_app, m_params.GetViewScale(), m_player->GetBrickDepth(), m_pointer, m_button);
}

void CMoverGame::Update(float dt)
{
    PollInput();
    m_field->Update();
    // Scored in every frame: a slide restored from a save may land while
    // the start effect still runs.
    AddScore(LineScore(m_field->GetLineScore()));

    if (m_caption_alpha >= 0.0f)
        UpdateCaption(dt);

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
    if (m_game_over)
        return;

    m_field->SetAlpha(m_tilt);
    m_player->Update(dt, m_pointer, m_button);
    if (m_field->GetFinished())
    {
        m_end_effect = std::make_unique<CLevelFlipEffect>(m_app, m_field.get());
        if (m_events)
            m_events->PlaySound(SOUND_LEVEL, true, false);
    }
}

bool CMoverGame::IsCaptionShown() const
{
    return m_caption_alpha >= CAPTION_FAINTEST;
}

void CMoverGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    print.Add(m_field->GetBonusMoves());
    print.Add(m_score);
    print.Add(m_level);
    print.Add(IsCaptionShown());
    if (IsCaptionShown())
    {
        print.Add(m_caption_position);
        print.Add(m_caption_alpha);
    }
}

void CMoverGame::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    frame.background = m_background.get();
    frame.tilt = m_tilt;
    frame.startEffect = m_start_effect.get();
    frame.endEffect = m_end_effect.get();
    frame.drawBoard = [this] {
        m_field->Draw();
        m_player->Draw();
    };
    frame.drawHud = [this] { DrawInfo(); };
    DrawGameFrame(m_app, frame);
}

void CMoverGame::DrawInfo()
{
    m_background->DrawHudValue("Bonus moves: %5d", m_field->GetBonusMoves(), 60.0f, 50.0f);
    m_background->DrawHudValue("      Score: %6d", m_score, 320.0f, 50.0f);
    m_background->DrawHudValue("Level: %2d", m_level, 620.0f, 50.0f);
    if (!IsCaptionShown())
        return;
    SHudStyle caption;
    caption.m_size = CAPTION_SIZE;
    caption.m_z = m_caption_position.z;
    caption.m_a = m_caption_alpha;
    m_background->DrawHudValue("Level: %2d", m_level, m_caption_position.x, m_caption_position.y, caption);
}

void CMoverGame::Reskin()
{
    m_field->Reskin();
}

void CMoverGame::Save(CConfigFile& store) const
{
    SaveTilt(store, m_tilt);
    store.SetInt("gf_m_is_game_over", m_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_level);
    store.SetInt("gf_m_score", m_score);
    store.SetInt("gf_m_score_level", m_score_level);
    store.SetInt("gf_m_score_step", m_score_step);
    store.SetInt("gf_m_score_step_level", m_score_step_level);
    m_field->Save(store);
}

bool CMoverGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float tilt = 0.0f;
    if (!ReadSaveTilt(store, tilt))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_score", 0, INT_MAX, value))
        return false;
    // Points from the parameter tables: a negative one would take points off
    // the score.
    for (const char* key : {"gf_m_score_level", "gf_m_score_step", "gf_m_score_step_level"})
        if (!ReadSaveInt(store, key, 0, INT_MAX, value))
            return false;
    return CMoverField::ValidateSave(store);
}

bool CMoverGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveTilt(store, m_tilt);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, m_level);
    ReadSaveInt(store, "gf_m_score", 0, INT_MAX, m_score);
    ReadSaveInt(store, "gf_m_score_level", 0, INT_MAX, m_score_level);
    ReadSaveInt(store, "gf_m_score_step", 0, INT_MAX, m_score_step);
    ReadSaveInt(store, "gf_m_score_step_level", 0, INT_MAX, m_score_step_level);
    // The start effect of the dealt board runs on over the restored one.
    m_field->Load(store);
    return true;
}
