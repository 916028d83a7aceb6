#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CVector4.h"
#include "games/designer/CDesignerGame.h"
#include "games/designer/CDesignerParams.h"
#include "tests/gamebase/CRecordingEvents.h"

class CConfigFile;
class CDesignerField;
class CDesignerPlayer;

// Parameters as the shipped text gives them, without any file: board size
// index 0 (6 x 6) or 2 (8 x 8), a flat unit brick, and an arrow model of the
// generated arrow's size (0.9 wide, 1 high).
std::unique_ptr<CDesignerParams> MakeParams(int size, int difficulty = 0);

// Drives a game as a player would: the pointer on the board plane, the
// buttons pressed and let go, frames of 16 ms.
class CDesignerDriver
{
public:
    explicit CDesignerDriver(CDesignerGame& game) : m_game(game) {}

    void Frames(int count);
    // Frames until the player rests (at most `limit`).
    void Settle(int limit = 600);
    void MoveTo(const CVector4& point);
    void Click(bool right = false);
    void Press() { m_left = true; Frames(1); }
    void Release() { m_left = false; Frames(1); }
    // Picks tray figure i by clicking its centre.
    void PickFromTray(int i);
    // Where the pointer must be for the figure in hand to have its first
    // column's top cell over board cell (bx, by); (dx, dy) shifts it.
    CVector4 PointForCell(int bx, int by, float dx = 0.0f, float dy = 0.0f) const;
    // Lays the tray's figure i turned `turns` times onto (bx, by).
    void Lay(int i, int turns, int bx, int by);
    const CVector4& GetPoint() const { return m_point; }

private:
    CDesignerGame& m_game;
    CVector4 m_point;
    bool m_left = false;
    bool m_right = false;
};

// How the level's figures were cut: for each tray figure, the turns and the
// board cell that rebuild the picture, from the generator run with the seed.
struct SDesignerMove
{
    int turns;
    int x;
    int y;
};
std::vector<SDesignerMove> SolveLevel(const CDesignerParams& params, unsigned seed);

// Every cell of a saved size x size board free ('0') or covered ('1').
void SetSavedCells(CConfigFile& store, int size, char cell);
