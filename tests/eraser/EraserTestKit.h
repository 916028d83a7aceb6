#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "games/eraser/CEraserField.h"
#include "games/eraser/CEraserParams.h"
#include "shell/game/CGameEvents.h"

// Records what the rules send out, so tests can check sounds and bursts.
class CEraserEvents : public CGameEvents
{
public:
    void PlaySound(int id, bool, bool) override { m_sounds.push_back(id); }
    void AddSparkle(const CVector4&, int) override { ++m_sparkles; }
    int CountSound(int id) const { return static_cast<int>(std::count(m_sounds.begin(), m_sounds.end(), id)); }

    std::vector<int> m_sounds;
    int m_sparkles = 0;
};

// Parameters as the parameter text gives them: score 10 a brick, penalty 5,
// groups of 2, 3, 4 and 4, 5, 6 colours by difficulty.
std::unique_ptr<CEraserParams> MakeParams(int size, int difficulty);

// Board pictures, one string per row from the top: R G B Y P C are colours 0
// to 5, '.' an empty cell. Missing rows and cells are empty.
void SetBoard(CEraserField& field, const std::vector<std::string>& rows);
std::vector<std::string> GetBoard(const CEraserField& field);
// The picture's rows put at the bottom of the board.
std::vector<std::string> Bottom(const CEraserField& field, const std::vector<std::string>& rows);

// The centre of a cell, as the cursor cast gives it on the bricks' faces.
CVector4 CellPoint(const CEraserField& field, int x, int y);
