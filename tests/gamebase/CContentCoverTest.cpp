#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/game/CContentCover.h"
#include "shell/game/CDrawnOverCells.h"

namespace
{
constexpr float kCell = CDrawnOverCells::kCell;

// A held picture as text, top row first, one letter for each half cell
// square: '.' nothing drawn, '#' opaque, '+' see-through, 'g' a glow added
// without alpha. Spread over `scale` pixels a logical unit; RGBA rows from
// the bottom, as read back.
std::vector<unsigned char> Picture(const std::vector<std::string>& rows, float scale, int& width, int& height)
{
    const float block = kCell / 2.0f;
    width = static_cast<int>(rows[0].size() * block * scale);
    height = static_cast<int>(rows.size() * block * scale);
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const float logicalTop = (height - 1 - y + 0.5f) / scale;
            const char letter = rows[static_cast<std::size_t>(logicalTop / block)]
                                    [static_cast<std::size_t>((x + 0.5f) / scale / block)];
            unsigned char* pixel = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
            const unsigned char colours[][4] = {{0, 0, 0, 0}, {90, 60, 30, 255}, {45, 30, 15, 128}, {40, 40, 40, 0}};
            const int which = letter == '#' ? 1 : letter == '+' ? 2 : letter == 'g' ? 3 : 0;
            for (int k = 0; k < 4; ++k)
                pixel[k] = colours[which][k];
        }
    return rgba;
}

std::string Covers(const CContentCover& cover, int columns, int rows)
{
    std::string text;
    for (int r = 0; r < rows; ++r)
    {
        text += r > 0 ? " " : "";
        for (int c = 0; c < columns; ++c)
            text += "MEO"[cover.At(c, r)];
    }
    return text;
}

// The cells the runs cover, as rows of '#'.
std::string RunCells(const std::vector<CDraw2D::SRect>& runs, int columns, int rows)
{
    std::string text(static_cast<std::size_t>(columns * rows + rows - 1), '.');
    for (int r = 1; r < rows; ++r)
        text[static_cast<std::size_t>(r * (columns + 1) - 1)] = ' ';
    for (const CDraw2D::SRect& run : runs)
        for (float y = run.y; y < run.y + run.height; y += kCell)
            for (float x = run.x; x < run.x + run.width; x += kCell)
                text[static_cast<std::size_t>(y / kCell) * (columns + 1) + static_cast<std::size_t>(x / kCell)] = '#';
    return text;
}

const std::vector<std::string> kBoard = {
    "##..#.",
    "##..##",
    "##+.gg",
    "##..gg",
};
} // namespace

// E empty, O opaque, M mixed; a cell is only empty or opaque when every
// pixel it reaches is, at any size of the window.
TEST(CContentCover, ACellIsEmptyOrOpaqueOnlyWhenAllOfItIs)
{
    for (float scale : {1.0f, 2.0f, 1.5f})
    {
        int width = 0, height = 0;
        const std::vector<unsigned char> rgba = Picture(kBoard, scale, width, height);
        CContentCover cover;
        cover.MeasureRows(rgba.data(), 0, height, width, height, 0, 2, 0, 1, 3 * kCell, 2 * kCell);
        EXPECT_EQ("OEM OMM", Covers(cover, 3, 2)) << scale;
    }
}

TEST(CContentCover, OnlyTheCellsMeasuredAgainChangeAndThoseTheRowsDoNotHoldWholeAreMixed)
{
    int width = 0, height = 0;
    const std::vector<unsigned char> before = Picture(kBoard, 1.0f, width, height);
    CContentCover cover;
    cover.MeasureRows(before.data(), 0, height, width, height, 0, 2, 0, 1, 3 * kCell, 2 * kCell);
    // The bottom row's bricks gone, the top row unchanged.
    const std::vector<unsigned char> after = Picture({"##..#.", "##..##", "......", "......"}, 1.0f, width, height);
    cover.MeasureRows(after.data(), 0, height, width, height, 0, 2, 1, 1, 3 * kCell, 2 * kCell);
    EXPECT_EQ("OEM EEE", Covers(cover, 3, 2));
    // Half a row of cells read: what it holds of the top row is not enough.
    cover.MeasureRows(after.data() + width * 4 * 8, 8, 16, width, height, 0, 2, 0, 1, 3 * kCell, 2 * kCell);
    EXPECT_EQ("MMM MMM", Covers(cover, 3, 2));
    cover.Clear();
    EXPECT_EQ("MMM MMM", Covers(cover, 3, 2));
}

// Cells drawn over: the background goes again where the picture is not
// opaque, the picture where it is not empty.
TEST(CContentCover, DrawnOverCellsSplitIntoBackgroundAndPicture)
{
    int width = 0, height = 0;
    const std::vector<unsigned char> rgba = Picture(kBoard, 1.0f, width, height);
    CContentCover cover;
    cover.MeasureRows(rgba.data(), 0, height, width, height, 0, 2, 0, 1, 3 * kCell, 2 * kCell);
    CDrawnOverCells cells;
    cells.Mark(0.0f, 0.0f, 3 * kCell - 1.0f, 2 * kCell - 1.0f, 3 * kCell, 2 * kCell);
    std::vector<CDraw2D::SRect> under, over, opaque;
    cover.Split(cells, under, over, opaque);
    EXPECT_EQ(".## .##", RunCells(under, 3, 2));
    EXPECT_EQ("..# .##", RunCells(over, 3, 2));
    EXPECT_EQ("#.. #..", RunCells(opaque, 3, 2));

    // Cells of another grid than the one measured: everything drawn.
    CDrawnOverCells other;
    other.Mark(0.0f, 0.0f, 1.0f, 1.0f, 4 * kCell, 2 * kCell);
    cover.Split(other, under, over, opaque);
    EXPECT_EQ(1u, under.size());
    EXPECT_EQ(1u, over.size());
    EXPECT_TRUE(opaque.empty());
}

// A back sparkle is left out only when every cell it may reach is opaque.
TEST(CContentCover, OnlyWhatLiesWhollyBehindOpaqueCellsIsCovered)
{
    int width = 0, height = 0;
    const std::vector<unsigned char> rgba = Picture(kBoard, 1.0f, width, height);
    CContentCover cover;
    cover.MeasureRows(rgba.data(), 0, height, width, height, 0, 2, 0, 1, 3 * kCell, 2 * kCell);
    const struct
    {
        float x, y, width, height;
        bool covered;
    } cases[] = {
        {2.0f, 2.0f, 10.0f, 10.0f, true},                // inside the opaque top-left cell
        {2.0f, 2.0f, 10.0f, kCell + 10.0f, true},        // over both opaque cells on the left
        {2.0f, 2.0f, kCell + 2.0f, 10.0f, false},        // reaching right into an empty cell
        {-4.0f, 2.0f, 10.0f, 10.0f, false},              // partly off the screen
        {kCell + 2.0f, kCell + 2.0f, 4.0f, 4.0f, false}, // inside a mixed cell
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.covered, CDrawnOverCells::IsCovered(cover, c.x, c.y, c.width, c.height)) << c.x << "," << c.y;
}
