#include "games/remover/CRemoverGame.h"


#include "engine/frame/CAppWindow.h"
#include "engine/files/CConfigFile.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CViewParams.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverParams.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameFrame.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "shell/game/StepLevelEffect.h"

namespace
{
// The score line's part: keyed apart from every brick's and popup's address.
const std::uint64_t SCORE_PART = 1;
// The level after the one board: the game is over.
const int MAX_LEVEL = 2;
// The camera's distance in front of the board.
const float CAMERA_Z = -40.0f;
}

CRemoverGame::CRemoverGame(CGameApp* app, CRemoverParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CRemoverField>(params, events, app ? GetCurrentResManager() : nullptr, m_random);
    m_level = 1;
    StartLevel(1);
    m_player = std::make_unique<CRemoverPlayer>(params, *m_field, events, app ? GetMainFont() : nullptr, m_random);
    if (m_app)
        AimCamera(m_app->GetViewParams(), params);
}

CRemoverGame::~CRemoverGame() {}

void CRemoverGame::AimCamera(CViewParams& view, const CRemoverParams& params)
{
    view.SetTranslation(CVector4(0.0f, 0.0f, CAMERA_Z));
    view.SetScale(params.GetViewScale());
}

void CRemoverGame::StartLevel(int level)
{
    m_field->NewLevel(level);
    m_bricks_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_random.Next(3));
}

void CRemoverGame::EndLevel(float dt)
{
    if (StepLevelEffect(m_flip_effect, dt))
    {
        m_level += 1;
        m_game_over = true;
    }
}

void CRemoverGame::SetPointer(const CVector4& cursor, bool button)
{
    m_cursor = cursor;
    m_button = button;
}

void CRemoverGame::PollInput()
{
    PollBoardPointer(m_app, m_field->GetParams().GetViewScale(), m_player->GetAimHeight(), m_cursor, m_button);
}

void CRemoverGame::Update(float dt)
{
    PollInput();
    m_background->SetScore(m_player->GetScore());
    m_background->Update(dt);
    m_score = m_player->GetScore();
    m_field->Update();
    m_player->UpdatePopups(dt);

    if (m_bricks_effect)
    {
        StepLevelEffect(m_bricks_effect, dt);
        return;
    }
    if (m_flip_effect)
    {
        EndLevel(dt);
        return;
    }
    if (m_game_over)
        return;

    m_field->SetAlpha(m_angle);
    m_player->Update(dt, m_cursor, m_button);
    if (m_player->GetState() == CRemoverPlayer::STATE_RESOLVED &&
        m_field->GetStatus() == CRemoverField::STATUS_IDLE)
        m_player->NewTurn();
    if (m_field->IsFinished())
        m_flip_effect = std::make_unique<CLevelFlipEffect>(m_app, m_field.get());
}

void CRemoverGame::Draw(CGameFrameCache* cache)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    frame.background = m_background.get();
    frame.tilt = m_angle;
    frame.startEffect = m_bricks_effect.get();
    frame.endEffect = m_flip_effect.get();
    frame.drawBoard = [this] {
        m_field->Draw();
        m_player->Draw();
    };
    frame.drawHud = [this] { m_background->DrawScore(); };
    DrawGameFrame(m_app, frame);
}

void CRemoverGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    m_player->AddToPrint(print);
    print.BeginScreenPart(SCORE_PART, CGameBackground::GetScoreRect());
    print.Add(m_background->GetScore());
    print.EndPart();
}

void CRemoverGame::Reskin()
{
    m_field->Reskin();
    m_player->Reskin();
}

void CRemoverGame::Save(CConfigFile& store) const
{
    store.SetInt("gf_m_score", m_score);
    SaveTilt(store, m_angle);
    store.SetInt("gf_m_is_game_over", m_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_level);
    m_field->Save(store);
    m_player->Save(store);
}

bool CRemoverGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float angle = 0.0f;
    if (!ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, value))
        return false;
    if (!ReadSaveTilt(store, angle))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    // One board per game: level 1 while it is played, 2 once it is over.
    if (!ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, value))
        return false;
    if (!CRemoverField::ValidateSave(store))
        return false;
    int width = 0;
    ReadSaveInt(store, "f_m_width_bricks", 0, CRemoverField::MAX_CELLS, width);
    return CRemoverPlayer::ValidateSave(store, width);
}

bool CRemoverGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveInt(store, "gf_m_score", 0, 0x7FFFFFFF, m_score);
    ReadSaveTilt(store, m_angle);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_game_over = (value == 1);
    ReadSaveInt(store, "gf_m_current_level", 1, MAX_LEVEL, m_level);
    // The entrance effect started for the dealt board runs on over the
    // restored one; the restored bricks already stand on their cells.
    m_field->Load(store);
    m_player->Load(store);
    return true;
}
