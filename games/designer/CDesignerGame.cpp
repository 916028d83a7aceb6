#include "games/designer/CDesignerGame.h"

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "games/designer/CDesignerField.h"
#include "games/designer/CDesignerFigure.h"
#include "games/designer/CDesignerParams.h"
#include "games/designer/CDesignerPlayer.h"
#include "games/designer/CDesignerTilingSearch.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameFrame.h"
#include "shell/game/GameLookup.h"
#include "shell/game/SaveValues.h"
#include "shell/game/StepLevelEffect.h"

namespace
{
const int MAX_SCORE = 0x7FFFFFFF;
// Figures the save check may lay while looking for a cut of a stored level:
// some tens of milliseconds at most.
const long CHECK_STEPS = 100000;
}

CDesignerGame::CDesignerGame(CGameApp* app, CDesignerParams& params, CGameEvents* events, std::uint32_t seed)
    : m_app(app), m_params(params), m_events(events), m_random(seed)
{
    m_background = std::make_unique<CGameBackground>(app);
    m_field = std::make_unique<CDesignerField>(params, app ? GetCurrentResManager() : nullptr);
    m_level = 1;
    m_player = std::make_unique<CDesignerPlayer>(params, *m_field, events);
    StartLevel(1);
    if (m_app)
    {
        m_app->GetViewParams().SetTranslation(CVector4(0.0f, 0.0f, -40.0f));
        m_app->GetViewParams().SetScale(0.06f);
    }
    m_banner_alpha = 1.0f;
}

CDesignerGame::~CDesignerGame() {}

void CDesignerGame::StartLevel(int level)
{
    m_field->NewLevel(level);
    m_player->NewLevel(m_random);
    // What was left of the last level's score is earned when the next begins.
    m_total = AddSaturated(m_total, m_level_score);
    m_level_score = m_player->GetTrayCount() * m_params.GetAttempt() * POINTS_PER_FIGURE;
    long long penalty = static_cast<long long>(level) * PENALTY_PER_LEVEL;
    m_penalty = penalty > m_level_score ? m_level_score : static_cast<int>(penalty);
    m_step = 0;
    m_banner_pos = CVector4(360.0f, 600.0f, 10.0f);
    m_banner_alpha = 1.0f;
}

void CDesignerGame::SetPointer(const CVector4& point, bool left, bool right)
{
    m_point = point;
    m_left = left;
    m_right = right;
}

void CDesignerGame::PollInput()
{
    // Figures are carried a brick above the board but aimed on its surface.
    if (!PollBoardPointer(m_app, m_params.GetViewScale(), 0.0f, m_point, m_left))
        return;
    m_right = (m_app->GetInput().GetMouseState()->rgbButtons[1] & 0x80) != 0;
}

void CDesignerGame::Update(float dt)
{
    PollInput();
    m_field->FrameStart();
    if (m_banner_alpha >= 0.0f)
        MoveBanner(dt);
    if (m_flip_effect)
    {
        EndLevel(dt);
        return;
    }
    if (m_game_over)
        return;
    m_player->Update(dt, m_point, m_left, m_right);
    if (m_field->GetLifted())
    {
        long long cost = m_penalty + static_cast<long long>(m_level - 1) * m_step;
        m_level_score = cost >= m_level_score ? 0 : m_level_score - static_cast<int>(cost);
    }
    if (!m_field->GetFinished() && m_level_score != 0)
        return;
    m_player->DropSelected();
    m_field->BakeFigures();
    m_flip_effect = std::make_unique<CLevelFlipEffect>(m_app, m_field.get());
    if (m_level_score > 0 && m_events)
        m_events->PlaySound(SOUND_LEVEL_DONE, true, false);
}

void CDesignerGame::EndLevel(float dt)
{
    if (!StepLevelEffect(m_flip_effect, dt))
        return;
    m_level = AddSaturated(m_level, 1);
    if (m_level_score > 0)
        StartLevel(m_level);
    else
        m_game_over = true;
}

void CDesignerGame::MoveBanner(float dt)
{
    CVector4 target(360.0f, 300.0f, 10.0f);
    CVector4 d = target - m_banner_pos;
    CVector4 s = d * 0.15f;
    if (s.LengthSquared() > 0.3f * 0.3f)
        s = s * (0.3f / s.Length());
    s = s * dt;
    if (s.LengthSquared() >= d.LengthSquared())
    {
        m_banner_pos = target;
        m_banner_alpha -= m_banner_alpha / 600.0f * dt;
        // The fade only approaches zero: below a visible trace it is over.
        if (m_banner_alpha < 0.01f)
            m_banner_alpha = -1.0f;
    }
    else
        m_banner_pos += s;
}

void CDesignerGame::Draw(CGameFrameCache* cache)
{
    if (!m_app)
        return;
    SGameFrame frame;
    // The banner is drawn over the figure in hand, and the level's end turns
    // it with the board: then it is drawn among the rest.
    const bool live =
        m_hand_view.Prepare(m_player->GetSelected(), m_app->GetViewParams(), m_alpha,
                            cache != nullptr && m_banner_alpha < 0.0f && !m_flip_effect, frame.redrawn);
    frame.cache = cache;
    frame.fingerprint = [this, live](CFramePrint& print) { AddToPrint(print, !live); };
    frame.background = m_background.get();
    frame.tilt = m_alpha;
    frame.endEffect = m_flip_effect.get();
    frame.hudDepthTest = false;
    frame.drawBoard = [this, live] {
        m_field->Draw();
        m_player->Draw(!live);
    };
    if (live)
        frame.drawLive = [this] { m_hand_view.DrawLive([this] { m_player->DrawHand(); }); };
    frame.drawHud = [this] { DrawInfo(); };
    DrawGameFrame(m_app, frame);
}

void CDesignerGame::DrawInfo()
{
    m_background->DrawHudValue("Level: %5d", m_level, 20.0f, 40.0f);
    m_background->DrawHudText("Level Score:", 20.0f, 80.0f);
    m_background->DrawHudValue("%11d", m_level_score, 20.0f, 120.0f);
    m_background->DrawHudText("Total Score:", 20.0f, 160.0f);
    m_background->DrawHudValue("%11d", m_total, 20.0f, 200.0f);
    if (m_banner_alpha >= 0.0f)
    {
        SHudStyle banner;
        banner.m_size = 26.0f;
        banner.m_z = m_banner_pos.z;
        banner.m_a = m_banner_alpha;
        m_background->DrawHudValue("Level: %2d", m_level, m_banner_pos.x, m_banner_pos.y, banner);
    }
}

void CDesignerGame::AddToPrint(CFramePrint& print, bool withHand) const
{
    m_field->AddToPrint(print);
    m_player->AddToPrint(print, withHand);
    print.Add(m_level);
    print.Add(m_level_score);
    print.Add(m_total);
    print.Add(m_banner_alpha);
    print.Add(m_banner_pos);
}

void CDesignerGame::Reskin()
{
    m_field->Reskin();
    m_player->Reskin();
}

void CDesignerGame::Save(CConfigFile& store) const
{
    SaveTilt(store, m_alpha);
    store.SetInt("gf_m_is_game_over", m_game_over ? 1 : 0);
    store.SetInt("gf_m_current_level", m_level);
    store.SetInt("gf_m_score", m_total);
    store.SetInt("gf_m_score_level", m_level_score);
    store.SetInt("gf_m_score_step", m_penalty);
    store.SetInt("gf_m_score_step_level", m_step);
    m_field->Save(store);
    m_player->Save(store);
}

bool CDesignerGame::ValidateSave(const CConfigFile& store)
{
    int value = 0;
    float alpha = 0.0f;
    if (!ReadSaveTilt(store, alpha))
        return false;
    if (!ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value))
        return false;
    if (!ReadSaveInt(store, "gf_m_current_level", 1, MAX_SCORE, value))
        return false;
    int levelScore = 0;
    int penalty = 0;
    if (!ReadSaveInt(store, "gf_m_score", 0, MAX_SCORE, value) ||
        !ReadSaveInt(store, "gf_m_score_level", 0, MAX_SCORE, levelScore) ||
        !ReadSaveInt(store, "gf_m_score_step", 0, MAX_SCORE, penalty) ||
        !ReadSaveInt(store, "gf_m_score_step_level", 0, 1000000, value))
        return false;
    if (!CDesignerField::ValidateSave(store))
        return false;
    int size = 0;
    ReadSaveInt(store, "f_m_width_bricks", CDesignerField::MIN_SIZE, CDesignerField::MAX_SIZE, size);
    if (!CDesignerPlayer::ValidateSave(store, size))
        return false;
    return CanFinishSavedLevel(store, size, levelScore);
}

bool CDesignerGame::CanFinishSavedLevel(const CConfigFile& store, int boardSize, int levelScore)
{
    int covered = 0;
    std::vector<int> laid;
    std::vector<int> loose;
    CDesignerField::ReadSavedFigures(store, covered, laid);
    CDesignerPlayer::ReadSavedKinds(store, loose);
    // Saved while its rows fell: the laid figures had become bricks, which
    // are not saved, and the level ends again as soon as it is continued.
    if (laid.empty() && (covered == boardSize * boardSize || levelScore == 0))
        return true;
    int laidCells = 0;
    int looseCells = 0;
    int stock[CDesignerFigure::KINDS] = {};
    for (int kind : laid)
    {
        laidCells += CDesignerFigure(kind).GetCellCount();
        stock[kind] += 1;
    }
    for (int kind : loose)
    {
        looseCells += CDesignerFigure(kind).GetCellCount();
        stock[kind] += 1;
    }
    // Every covered cell lies under a laid figure, and the figures not laid
    // fill exactly the cells still free.
    if (laidCells != covered || looseCells != boardSize * boardSize - covered)
        return false;
    // All the level's figures together must still cut the board, or it could
    // only end by spending its points. A search that runs out of steps
    // proves nothing: such a save is kept.
    CDesignerTilingSearch search(boardSize, boardSize);
    for (int kind = 0; kind < CDesignerFigure::KINDS; ++kind)
        search.SetStock(kind, stock[kind]);
    return search.Search(nullptr, CHECK_STEPS) != CDesignerTilingSearch::EResult::NONE;
}

bool CDesignerGame::Load(const CConfigFile& store)
{
    if (!ValidateSave(store))
        return false;
    int value = 0;
    ReadSaveTilt(store, m_alpha);
    ReadSaveInt(store, "gf_m_is_game_over", 0, 1, value);
    m_game_over = value == 1;
    ReadSaveInt(store, "gf_m_current_level", 1, MAX_SCORE, m_level);
    ReadSaveInt(store, "gf_m_score", 0, MAX_SCORE, m_total);
    ReadSaveInt(store, "gf_m_score_level", 0, MAX_SCORE, m_level_score);
    ReadSaveInt(store, "gf_m_score_step", 0, MAX_SCORE, m_penalty);
    ReadSaveInt(store, "gf_m_score_step_level", 0, 1000000, m_step);
    m_flip_effect.reset();
    m_field->Load(store);
    m_player->Load(store);
    return true;
}
