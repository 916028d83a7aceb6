#include "games/filler/CFillerGame.h"

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/gfx/CBitmapFont.h"
#include "games/filler/CFillerField.h"
#include "games/filler/CFillerParams.h"
#include "games/filler/CFillerPlayer.h"
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
const float NUMBER_SIZE = 25.0f;
// The zone sizes' base line and outer edges, and the screen's width.
const float NUMBER_BASE = 45.0f;
const float NUMBER_LEFT = 20.0f;
const float NUMBER_RIGHT = 780.0f;
const float LOGICAL_WIDTH = 800.0f;
// Around each text's print part, beyond its glyphs' boxes.
const float HUD_MARGIN = 4.0f;
// The computer's strength; the board alone does not tell it.
const char* const DIFFICULTY_KEY = "filler_difficulty";
}

int CFillerGame::ComputerMode(int difficulty)
{
    if (difficulty == 0)
        return CFillerPlayer::MODE_EASY;
    if (difficulty == 1)
        return CFillerPlayer::MODE_MEDIUM;
    return CFillerPlayer::MODE_HARD;
}

CFillerGame::CFillerGame(CGameApp* app, CFillerParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_events(events), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CFillerField>(params, events, m_random);
    m_players = SeatPlayers(*m_field, params.GetLastDifficulty());
    // The filler's board comes in from the side or from above.
    m_effect = std::make_unique<CLevelBricksEffect>(app, m_field.get(), m_random.Next(2));
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(0.06f);
    }
}

CFillerGame::~CFillerGame() {}

std::vector<std::unique_ptr<CFillerPlayer>> CFillerGame::SeatPlayers(CFillerField& field, int difficulty) const
{
    // Each player adds its zone: the human's is zone 0, the computer's 1.
    std::vector<std::unique_ptr<CFillerPlayer>> players;
    const int middle = field.GetHeight() / 2;
    players.push_back(std::make_unique<CFillerPlayer>(field, m_events, CFillerPlayer::MODE_HUMAN, 0, middle));
    players.push_back(
        std::make_unique<CFillerPlayer>(field, m_events, ComputerMode(difficulty), field.GetWidth() - 1, middle));
    return players;
}

int CFillerGame::GetGameSize() const
{
    return CFillerParams::SizeOfBoard(m_field->GetWidth(), m_field->GetHeight());
}

int CFillerGame::GetGameDifficulty() const
{
    return m_players[COMPUTER]->GetMode() - CFillerPlayer::MODE_EASY;
}

void CFillerGame::SetPointer(const CVector4& cursor, bool button)
{
    m_cursor = cursor;
    m_button = button;
}

void CFillerGame::PollInput()
{
    PollBoardPointer(m_app, m_params.GetViewScale(), m_field->GetDepth(), m_cursor, m_button);
}

void CFillerGame::Update(float dt)
{
    PollInput();
    m_field->Update(dt, m_effect != nullptr);
    if (m_effect)
    {
        StepLevelEffect(m_effect, dt);
        return;
    }
    if (m_current_player < 0 || m_players[m_current_player]->IsTurnDone())
    {
        m_current_player = (m_current_player + 1) % static_cast<int>(m_players.size());
        m_players[m_current_player]->StartTurn();
    }
    m_players[m_current_player]->Update(dt, m_cursor, m_button);
}

void CFillerGame::PickColor(int value)
{
    if (m_current_player >= 0)
        m_players[m_current_player]->PickColor(value, false);
}

int CFillerGame::GetScore() const
{
    return m_field->GetZoneSize(HUMAN);
}

bool CFillerGame::IsFinished() const
{
    return m_field->IsFinished();
}

void CFillerGame::Save(CConfigFile& store) const
{
    m_field->Save(store);
    store.SetInt(DIFFICULTY_KEY, GetGameDifficulty());
}

bool CFillerGame::Load(const CConfigFile& store)
{
    // The saved board is as large as its snapshot, whatever size the
    // settings name now; a save without the difficulty plays at the chosen one.
    const int size = CFillerField::SizeOfSave(store);
    const int width = CFillerParams::BoardWidth(size);
    const int height = CFillerParams::BoardHeight(size);
    int difficulty = m_params.GetLastDifficulty();
    if (size < 0 || !CFillerField::ValidateSave(store, width, height, static_cast<int>(m_players.size())))
        return false;
    if (store.HasKey(DIFFICULTY_KEY) &&
        !ReadSaveInt(store, DIFFICULTY_KEY, 0, CFillerParams::DIFFICULTY_COUNT - 1, difficulty))
        return false;

    auto field = std::make_unique<CFillerField>(m_params, m_events, m_random, width, height);
    auto players = SeatPlayers(*field, difficulty);
    if (!field->Load(store))
        return false;
    m_players = std::move(players);
    m_field = std::move(field);
    // An entrance still running goes on over the restored board.
    if (m_effect)
        m_effect = std::make_unique<CLevelBricksEffect>(m_app, m_field.get(), m_effect->GetEffect());
    // Zone i belongs to player i.
    m_current_player = m_field->GetCurrentZone();
    m_players[m_current_player]->StartTurn();
    return true;
}

void CFillerGame::Reskin()
{
    m_field->Reskin();
}

CDraw2D::SRect CFillerGame::GetHudRect(EHudText text) const
{
    const CBitmapFont* font = GetMainFont();
    const std::string shown = GetHudText(text);
    const float width = font ? font->GetTextWidth(shown.c_str(), NUMBER_SIZE) : 0.0f;
    float left = NUMBER_LEFT;
    if (text == HUD_COMPUTER)
        left = NUMBER_RIGHT - width;
    else if (text == HUD_BANNER)
        left = (LOGICAL_WIDTH - width) / 2.0f;
    // Glyphs stand on the base line, as tall as the size.
    return {left - HUD_MARGIN, NUMBER_BASE - NUMBER_SIZE - HUD_MARGIN, width + 2.0f * HUD_MARGIN,
            NUMBER_SIZE + 2.0f * HUD_MARGIN};
}

std::string CFillerGame::GetHudText(EHudText text) const
{
    if (text == HUD_BANNER)
        return "GAME OVER!";
    return CGameBackground::FormatValue("%d", m_field->GetZoneSize(text == HUD_HUMAN ? HUMAN : COMPUTER));
}

void CFillerGame::DrawZoneSizes()
{
    // White numbers in the top corners, the computer's right-aligned.
    SHudStyle white;
    white.m_size = NUMBER_SIZE;
    white.m_z = 1.0f;
    white.m_r = white.m_g = white.m_b = 1.0f;
    for (EHudText text : {HUD_HUMAN, HUD_COMPUTER})
        m_background->DrawHudText(GetHudText(text), GetHudRect(text).x + HUD_MARGIN, NUMBER_BASE, white);
    if (m_field->IsBannerShown())
    {
        SHudStyle yellow = white;
        yellow.m_b = 0.0f;
        m_background->DrawHudCentred(GetHudText(HUD_BANNER), NUMBER_BASE, yellow);
    }
}

void CFillerGame::AddToPrint(CFramePrint& print) const
{
    m_field->AddToPrint(print);
    // Each text within its own rectangle: a move redraws the numbers alone.
    for (EHudText text : {HUD_HUMAN, HUD_COMPUTER, HUD_BANNER})
    {
        print.BeginScreenPart(HUD_PART | text, GetHudRect(text));
        if (text == HUD_BANNER)
            print.Add(m_field->IsBannerShown());
        else
            print.Add(m_field->GetZoneSize(text == HUD_HUMAN ? HUMAN : COMPUTER));
        print.EndPart();
    }
}

void CFillerGame::Draw(CGameFrameCache* cache, const std::vector<CDraw2D::SRect>& widgets)
{
    SGameFrame frame;
    frame.cache = cache;
    frame.fingerprint = [this](CFramePrint& print) { AddToPrint(print); };
    frame.redrawn = widgets;
    if (m_field->HasWave())
    {
        frame.redrawn.insert(frame.redrawn.end(), m_wave_rects.begin(), m_wave_rects.end());
        frame.drawLive = [this] {
            m_wave_rects.clear();
            m_field->DrawWave(m_wave_rects);
        };
    }
    else
        m_wave_rects.clear();
    frame.background = m_background.get();
    frame.startEffect = m_effect.get();
    frame.sparkles = false;
    frame.hudDepthTest = false;
    frame.drawBoard = [this] { m_field->Draw(); };
    frame.drawHud = [this] { DrawZoneSizes(); };
    DrawGameFrame(m_app, frame);
}
