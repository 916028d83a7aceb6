#include "tests/remover/RemoverDriver.h"

#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverPlayer.h"

namespace
{
// A free cell beside a brick of the colour, else the first free cell.
bool PickCell(CRemoverField& field, int color, int& outX, int& outY)
{
    bool found = false;
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            if (field.GetBrick(x, y) || field.IsCellReserved(x, y))
                continue;
            if (!found)
                outX = x, outY = y, found = true;
            for (const auto& d : {std::make_pair(1, 0), std::make_pair(-1, 0), std::make_pair(0, 1), std::make_pair(0, -1)})
            {
                CRemoverBrick* next = field.GetRemoverBrick(x + d.first, y + d.second);
                if (next && next->GetColor() == color && !next->IsSelected())
                {
                    outX = x, outY = y;
                    return true;
                }
            }
        }
    return found;
}
}

void DriveFrame(CRemoverGame& game, float dt)
{
    CRemoverPlayer& player = game.GetPlayer();
    CRemoverField& field = game.GetField();
    CVector4 cursor(-300.0f, 0.0f, 0.0f);
    int x = 0;
    int y = 0;
    const bool press = player.GetHeld() && PickCell(field, player.GetHeld()->GetColor(), x, y);
    if (press)
    {
        cursor = field.GetBrickPosition(x, y);
        cursor.z = player.GetAimHeight();
    }
    game.SetPointer(cursor, press);
    game.Update(dt);
}

int DriveGame(CRemoverGame& game, int maxFrames, float dt)
{
    int frames = 0;
    for (; !game.IsGameOver() && frames < maxFrames; ++frames)
        DriveFrame(game, dt);
    return frames;
}
