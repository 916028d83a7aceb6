#include "games/filler/CFillerPlayer.h"

#include "games/filler/CFillerField.h"
#include "shell/game/CGameEvents.h"

CFillerPlayer::CFillerPlayer(CFillerField& field, CGameEvents* events, int mode, int x, int y)
    : m_start_x(x), m_start_y(y), m_mode(mode), m_field(field), m_events(events)
{
    m_zone = m_field.AddZone(x, y);
}

CFillerPlayer::~CFillerPlayer() {}

void CFillerPlayer::StartTurn()
{
    m_field.SetCurrentZone(m_zone);
    m_field.SaveSnapshot();
    if (m_mode == MODE_HUMAN)
        m_state = STATE_WAITING;
    else
    {
        ComputerMove();
        m_state = STATE_IDLE;
    }
}

bool CFillerPlayer::IsTurnDone() const
{
    return m_state == STATE_IDLE && m_field.IsIdle();
}

bool CFillerPlayer::ApplyColor(int index, bool withSound)
{
    if (!m_field.IsColorFree(index))
        return false;
    if (!m_field.FillZone(m_start_x, m_start_y, index))
        return false;
    m_state = STATE_IDLE;
    if (withSound && m_events)
        m_events->PlaySound(SOUND_MOVE, true, false);
    return true;
}

void CFillerPlayer::PickColor(int value, bool withSound)
{
    if (m_state != STATE_WAITING || !m_field.IsColorAllowed(value))
        return;
    ApplyColor(m_field.FindColor(value), withSound);
}

void CFillerPlayer::Update(float, const CVector4& cursor, bool button)
{
    if (m_mode != MODE_HUMAN || m_state != STATE_WAITING || !button)
        return;
    int x = 0;
    int y = 0;
    if (!m_field.PickCell(cursor, x, y))
        return;
    // A brick of a refused colour does nothing; the human keeps waiting.
    ApplyColor(m_field.GetColorIndex(m_field.GetCellColor(x, y)), true);
}

int CFillerPlayer::GetSearchDepth() const
{
    if (m_mode == MODE_HARD)
        return 4;
    if (m_mode == MODE_MEDIUM)
        return 3;
    return 2;
}

int CFillerPlayer::GetScoringKind() const
{
    int cells = m_field.GetWidth() * m_field.GetHeight();
    float ratio = cells > 0 ? static_cast<float>(m_field.GetCoveredCount()) / static_cast<float>(cells) : 1.0f;
    return CFillerLookAhead::ScoringKind(m_mode, ratio);
}

void CFillerPlayer::PrepareSearch()
{
    m_search.Prepare(m_field.GetCells(), m_field.GetWidth(), m_field.GetHeight(), m_start_x, m_start_y,
                     m_field.GetColorTable(), m_field.GetColorCount(), GetScoringKind());
}

int CFillerPlayer::EvaluateColor(int index, int depth)
{
    PrepareSearch();
    return m_search.Evaluate(index, depth);
}

int CFillerPlayer::ChooseColor()
{
    PrepareSearch();
    const int depth = GetSearchDepth();
    int bestIndex = -1;
    int bestScore = 0;
    for (int i = 0; i < m_field.GetColorCount(); ++i)
    {
        if (!m_field.IsColorFree(i))
            continue;
        // Should nothing score above 0, the first free colour stands.
        if (bestIndex < 0)
            bestIndex = i;
        int score = m_search.Evaluate(i, depth);
        if (score > bestScore)
        {
            bestScore = score;
            bestIndex = i;
        }
    }
    return bestIndex;
}

void CFillerPlayer::ComputerMove()
{
    if (!m_field.IsGameOver())
    {
        int index = ChooseColor();
        if (index >= 0)
            ApplyColor(index, true);
    }
    m_state = STATE_IDLE;
}
