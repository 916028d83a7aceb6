#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/files/CConfigFile.h"
#include "games/eraser/CEraserBrick.h"
#include "games/eraser/CEraserGame.h"
#include "games/eraser/CEraserParams.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"
#include "tests/gamebase/TestParams.h"

// Parameters as the parameter text gives them: score 10 a brick, penalty 5,
// groups of 2, 3, 4 and 4, 5, 6 colours by difficulty.
inline std::unique_ptr<CEraserParams> MakeParams(int size, int difficulty)
{
    return ReadTestParams<CEraserParams>({{"m_field_width", "640"}, {"m_score_brick", "10"},
                                          {"m_score_brick_penalty", "5"}, {"m_skins_count", "3"},
                                          {"m_fall_effect_speed", "0.6"}, {"m_group_size", "2 3 4"},
                                          {"m_colors_field", "4 5 6"}},
                                         size, difficulty);
}

// A game without a window; with settle its start effect is over and nothing
// it sent out is left recorded. Field tests use its field.
struct SEraser
{
    explicit SEraser(int size = 0, int difficulty = 0, unsigned seed = 3, bool settle = true)
        : params(MakeParams(size, difficulty)), game(nullptr, *params, &events, seed)
    {
        for (int i = 0; settle && i < 5000 && game.IsEffectRunning(); ++i)
            game.Update(16.0f);
        if (settle)
            events = CRecordingEvents();
    }
    CEraserField& Field() { return game.GetField(); }
    CConfigFile Saved() const
    {
        CConfigFile store;
        game.Save(store);
        return store;
    }
    // Board pictures, one string per row from the top: R G B Y P C are colours
    // 0 to 5, '.' an empty cell; Bottom puts the rows at the board's foot.
    void SetBoard(const Board& rows) { SetBoardPicture(Field(), rows, "RGBYPC"); }
    Board GetBoard() { return GetBoardPicture(Field(), "RGBYPC"); }
    Board Bottom(const Board& rows)
    {
        Board board(Field().GetHeight() - rows.size(), "");
        board.insert(board.end(), rows.begin(), rows.end());
        for (std::string& row : board)
            row.resize(Field().GetWidth(), '.');
        return board;
    }
    // The centre of a cell, as the cursor cast gives it on the bricks' faces.
    CVector4 CellPoint(int x, int y)
    {
        CVector4 p;
        return Field().GetBrickPosition(p, x, y);
    }
    // Field updates of 16 ms until the state is reached; the removals summed.
    int RunFieldTo(int state)
    {
        int removed = 0;
        for (int i = 0; i < 1000 && Field().GetState() != state; ++i)
        {
            Field().Update(16.0f);
            removed += Field().GetRemovedCount();
        }
        return removed;
    }
    // The button held over a cell for one frame, then let go.
    void Click(int x, int y)
    {
        game.SetPointer(CellPoint(x, y), true);
        game.Update(16.0f);
        game.SetPointer(CVector4(), false);
    }
    // Frames until the level changes or the game ends; the level scores seen.
    std::vector<int> FinishLevel()
    {
        std::vector<int> scores;
        for (int i = 0, level = game.GetLevel(); i < 3000 && level == game.GetLevel() && !game.IsGameOver(); ++i)
        {
            int before = game.GetLevelScore();
            game.Update(16.0f);
            if (game.GetLevelScore() != before)
                scores.push_back(game.GetLevelScore());
        }
        return scores;
    }

    std::unique_ptr<CEraserParams> params;
    CRecordingEvents events;
    CEraserGame game;
};
