#pragma once

#include "engine/gfx/CModelBatch.h"

// Queues every brick of a board into the batch, row by row: first those the
// kind does not draw last, then those it does (selected, marked, fading), so
// that these blend over the others. A brick that draws itself goes alone.
// brickAt(x, y) returns the brick of a cell or null; drawnLast(brick) says
// whether it belongs to the second pass.
template <typename BrickAt, typename DrawnLast>
void QueueBoardBricks(CModelBatch& batch, int columns, int rows, BrickAt brickAt, DrawnLast drawnLast)
{
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
            {
                auto* brick = brickAt(x, y);
                if (!brick || drawnLast(*brick) != (pass == 1))
                    continue;
                if (brick->IsDrawnAlone())
                    batch.AddAlone(*brick);
                else
                    batch.Add(*brick);
            }
}
