#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/mover/CMoverField.h"
#include "games/mover/CMoverGame.h"
#include "games/mover/CMoverParams.h"
#include "shell/game/CGameEvents.h"
#include "shell/game/CRandom.h"

// Records what the rules send out, so tests can check sounds and bursts.
class CMoverEvents : public CGameEvents
{
public:
    void PlaySound(int id, bool, bool) override { m_sounds.push_back(id); }
    void AddSparkle(const CVector4&, int) override { ++m_sparkles; }

    std::vector<int> m_sounds;
    int m_sparkles = 0;
};

// Parameters as the game's files would give them, without any file.
std::unique_ptr<CMoverParams> MakeMoverParams(int size, int difficulty);

struct SMoverField
{
    explicit SMoverField(int size = 0, int difficulty = 0, std::uint32_t seed = 1);
    CMoverEvents events;
    CRandom random;
    std::unique_ptr<CMoverParams> params;
    CMoverField field;
};

// A small easy game, its entrance effect already over when settle is set.
struct SMoverGame
{
    explicit SMoverGame(std::uint32_t seed = 1, bool settle = true);
    CMoverEvents events;
    std::unique_ptr<CMoverParams> params;
    CMoverGame game;
};

// Board pictures, one string per row from the top: R G B Y P C are colours
// 0 to 5, X the blocker, '.' an empty cell; a lower-case letter is a brick
// already selected for removal.
void SetBoard(CMoverField& field, const std::vector<std::string>& rows);
std::vector<std::string> GetBoard(const CMoverField& field);

// Slides the brick at (x, y) and runs the field until the brick has landed;
// returns the line score of the landing frame.
int SlideBrick(CMoverField& field, int x, int y);
void RunUntilIdle(CMoverField& field);
// Runs the game until its field is idle and no effect runs; returns the
// points it scored meanwhile.
int RunToRest(CMoverGame& game);
// Clicks the cell with the game's pointer and runs until a slide has begun
// and ended.
void ClickCell(CMoverGame& game, int x, int y);
