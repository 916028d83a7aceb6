#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverBrick.h"
#include "games/mover/CMoverField.h"
#include "games/mover/CMoverGame.h"
#include "games/mover/CMoverParams.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"

// A slide from (5, 1) up into the hole at (5, 0) completes row 0.
const Board ONE_ROW = {"RRRRR.", "GBYGBR", "BYGBYG", "YGBYGB", "GBYGBY", "BYGBYG"};

// A game without a window, its parameters as the game's files give them; its
// entrance effect is over when settle is set. Field tests use its field.
struct SMover
{
    explicit SMover(std::uint32_t seed = 1, bool settle = true, int size = 0, int difficulty = 0);
    CMoverField& Field() { return game.GetField(); }
    CConfigFile Saved() const;
    // Board pictures, one string per row from the top: R G B Y P C are colours
    // 0 to 5, X the blocker, '.' an empty cell; lower case is a brick already
    // selected for removal.
    void SetBoard(const Board& rows) { SetBoardPicture(Field(), rows, "RGBYPCX"); }
    Board GetBoard() { return GetBoardPicture(Field(), "RGBYPCX"); }
    int Count(char letter) { return CountLetter(GetBoard(), letter); }
    // Slides the brick at (x, y) until it has landed; the landing's line score.
    int Slide(int x, int y);
    void RunFieldIdle();
    // Runs the game until the field is idle and no effect runs; the points
    // scored meanwhile.
    int RunToRest();
    // The button pressed over a cell for one frame.
    void Click(int x, int y);

    CRecordingEvents events;
    std::unique_ptr<CMoverParams> params;
    CMoverGame game;
};
