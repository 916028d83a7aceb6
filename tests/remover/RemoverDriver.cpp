#include "tests/remover/RemoverDriver.h"

#include "games/remover/CRemoverBrick.h"
#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverPlayer.h"

namespace
{
bool PickCell(CRemoverField& field, int color, int& outX, int& outY)
{
    bool found = false;
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            if (field.GetBrick(x, y) || field.IsCellReserved(x, y))
                continue;
            if (!found)
            {
                outX = x;
                outY = y;
                found = true;
            }
            static const int dx[4] = {1, -1, 0, 0};
            static const int dy[4] = {0, 0, 1, -1};
            for (int i = 0; i < 4; ++i)
            {
                CRemoverBrick* next = field.GetRemoverBrick(x + dx[i], y + dy[i]);
                if (next && next->GetColor() == color && !next->IsSelected())
                {
                    outX = x;
                    outY = y;
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
    bool press = false;
    CVector4 cursor(-300.0f, 0.0f, 0.0f);
    if (player.GetHeld())
    {
        int x = 0;
        int y = 0;
        if (PickCell(field, player.GetHeld()->GetColor(), x, y))
        {
            cursor = field.GetBrickPosition(x, y);
            cursor.z = player.GetAimHeight();
            press = true;
        }
    }
    game.SetPointer(cursor, press);
    game.Update(dt);
}

int DriveGame(CRemoverGame& game, int maxFrames, float dt)
{
    int frames = 0;
    while (!game.IsGameOver() && frames < maxFrames)
    {
        DriveFrame(game, dt);
        ++frames;
    }
    return frames;
}
