#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/gfx/CBackBufferMark.h"
#include "shell/game/CDrawnOverCells.h"

TEST(CDrawnOverCells, MarkedCellsAreCopiedBackAsRunsClippedToTheScreen)
{
    // Rows of cells ('#' drawn over) on a screen 2.5 cells wide and 1.5 high.
    const float cell = CDrawnOverCells::kCell;
    const struct
    {
        const char* cells;
        std::string runs;
    } cases[] = {
        {"... ...", ""},
        {"##. ..#", "0,0,2,1 2,1,0.5,0.5"},
        {"#.# ###", "0,0,1,1 2,0,0.5,1 0,1,2.5,0.5"},
        // Runs over the same columns in rows one under the other are one.
        {"#.# #.#", "0,0,1,1.5 2,0,0.5,1.5"},
        {".## ##.", "1,0,1.5,1 0,1,2,0.5"},
    };
    for (const auto& c : cases)
    {
        std::vector<bool> cells;
        for (const char* p = c.cells; *p != '\0'; ++p)
            if (*p != ' ')
                cells.push_back(*p == '#');
        std::ostringstream runs;
        for (const CDraw2D::SRect& part : CDrawnOverCells::CellRuns(cells, 3, 2.5f * cell, 1.5f * cell))
            runs << (runs.tellp() > 0 ? " " : "") << part.x / cell << "," << part.y / cell << ","
                 << part.width / cell << "," << part.height / cell;
        EXPECT_EQ(c.runs, runs.str()) << c.cells;
    }
}

TEST(CBackBufferMark, StampsDifferForSixtyFourFramesAndKeepTheBaseColourButItsLowBits)
{
    const unsigned int base = 0x3a7fc5;
    std::vector<unsigned int> seen;
    for (unsigned int count = 0; count < 64; ++count)
    {
        const unsigned int stamp = CBackBufferMark::StampColor(base, count);
        EXPECT_EQ(base & 0xfcfcfc, stamp & 0xfcfcfc);
        for (unsigned int earlier : seen)
            EXPECT_NE(earlier, stamp);
        seen.push_back(stamp);
    }
}
