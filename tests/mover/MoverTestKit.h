#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CVector4.h"
#include "games/mover/CMoverField.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/CGameEvents.h"

class CConfigFile;

// Records what the rules send out, so tests can check sounds and bursts.
class CMoverEvents : public CGameEvents
{
public:
    void PlaySound(int id, bool, bool) override { m_sounds.push_back(id); }
    void AddSparkle(const CVector4&, int group) override { m_sparkles.push_back(group); }

    std::vector<int> m_sounds;
    std::vector<int> m_sparkles;
};

// Parameters as the game's files would give them, without any file.
std::unique_ptr<CMoverParams> MakeMoverParams(int size, int difficulty);

// Board pictures, one string per row from the top: R G B Y P C are colours
// 0 to 5, X the blocker, '.' an empty cell, a lower-case letter a brick
// already selected for removal.
void SetBoard(CMoverField& field, const std::vector<std::string>& rows);
std::vector<std::string> GetBoard(const CMoverField& field);

// Slides the brick at (x, y) and runs the field until the brick has landed;
// returns the line score of the landing frame.
int SlideBrick(CMoverField& field, int x, int y);
// Runs field updates until the status is idle (at most `limit` updates).
int RunUntilIdle(CMoverField& field, int limit = 5000);
// The centre of a cell as the picker would see it.
CVector4 CellPoint(const CMoverField& field, int x, int y);
