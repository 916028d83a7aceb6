#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverParams.h"
#include "games/remover/CRemoverPlayer.h"
#include "shell/game/CRandom.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"

// Parameters as the game's files would give them, without any file.
std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep = 5);

// Two skins whose bricks are unit boxes of different depths, as the game's
// skins may differ: bricks with a mesh, for what reads its extents or bounds,
// and bonus bricks wearing their sprites.
class CTwoSkinParams : public CRemoverParams
{
public:
    CTwoSkinParams();
    ~CTwoSkinParams() override;

private:
    std::unique_ptr<CModel> m_models[2];
};

// A field and player on the two box skins, seeded, with the first turn's
// queue grown in: the player's next update takes a brick into the hand.
struct SGrownTurn
{
    explicit SGrownTurn(std::uint32_t seed);

    CRandom random;
    CRecordingEvents events;
    CTwoSkinParams params;
    CRemoverField field;
    CRemoverPlayer player;
};

// Board pictures, one string per row from the top: R G B Y P C are colours 0
// to 5, X the blocker colour, '.' an empty cell, lower case a selected brick.
inline void SetBoard(CRemoverField& field, const Board& rows) { SetBoardPicture(field, rows, "RGBYPCX"); }
inline Board GetBoard(const CRemoverField& field) { return GetBoardPicture(field, "RGBYPCX"); }
inline int CountLetter(const CRemoverField& field, char letter) { return CountLetter(GetBoard(field), letter); }

// Runs field updates until the status is idle (at most `limit` updates).
void RunFieldUntilIdle(CRemoverField& field, int limit = 5000);
