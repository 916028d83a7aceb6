#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/files/CFilePack.h"
#include "engine/gfx/CBackSparkle.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "shell/game/CContentCover.h"
#include "shell/game/CHeldDialogFrame.h"
#include "tests/gfx/CGfxTestFiles.h"

namespace
{
using EMode = CHeldDialogFrame::EMode;
const float kCell = CDrawnOverCells::kCell;
// A screen of 8 x 6 cells.
const float kWidth = 8 * kCell, kHeight = 6 * kCell;

// The grid as rows of '#' (marked) and '.', one row a line.
std::string Picture(const CDrawnOverCells& cells)
{
    std::string text;
    const std::vector<bool>& marked = cells.GetCells();
    for (std::size_t i = 0; i < marked.size(); ++i)
    {
        text += marked[i] ? '#' : '.';
        if ((i + 1) % static_cast<std::size_t>(cells.GetColumns()) == 0)
            text += '\n';
    }
    return text;
}

CDrawnOverCells Cells(const std::vector<std::string>& rows)
{
    CDrawnOverCells cells;
    cells.Mark(-kWidth, -kHeight, 0.0f, 0.0f, kWidth, kHeight);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] == '#')
                cells.Mark(c * kCell + 1.0f, r * kCell + 1.0f, kCell - 2.0f, kCell - 2.0f, kWidth, kHeight);
    return cells;
}

std::string Joined(const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

// A rectangle within whole cells: column, row, columns, rows (a rectangle
// that ends on a cell's edge marks the cell beyond it too).
CDraw2D::SRect InCells(int c, int r, int w, int h)
{
    return {c * kCell + 1.0f, r * kCell + 1.0f, w * kCell - 2.0f, h * kCell - 2.0f};
}
} // namespace

TEST(CHeldDialogFrame, APictureIsHeldOnlyAtTheDialogsSizeAndOnTopAndDrawnAgainWhenItsLookOrTheWindowChanged)
{
    const struct
    {
        bool sizeFits, newest, held, sameLook, holdsLastFrame;
        EMode mode;
        const char* why;
    } cases[] = {
        {true, true, true, true, true, EMode::Partial, "nothing but the sparkles moved"},
        {true, true, true, false, true, EMode::Capture, "a widget or text under it changed"},
        {true, true, true, true, false, EMode::Capture, "another screen drew the last frame"},
        {true, true, false, true, true, EMode::Capture, "nothing held yet"},
        {false, true, true, true, true, EMode::Whole, "the window was resized or is full screen"},
        {true, false, true, true, true, EMode::Whole, "another dialog lies over it"},
    };
    for (const auto& c : cases)
    {
        CHeldDialogFrame::SState state;
        state.sizeFits = c.sizeFits;
        state.newest = c.newest;
        state.held = c.held;
        state.sameLook = c.sameLook;
        state.holdsLastFrame = c.holdsLastFrame;
        EXPECT_EQ(c.mode, CHeldDialogFrame::Choose(state)) << c.why;
    }
}

TEST(CHeldDialogFrame, ALivePartIsDrawnAgainWhereItChangedMovedOrWasDrawnOver)
{
    const CDraw2D::SRect left = InCells(1, 1, 2, 1), right = InCells(5, 1, 2, 1);
    const struct
    {
        const char* why;
        std::vector<std::string> sparkles;
        std::vector<CDraw2D::SRect> live;
        std::vector<float> look;
        std::vector<CDraw2D::SRect> lastLive;
        std::vector<float> lastLook;
        std::vector<bool> drawn;
        std::vector<std::string> cells;
    } cases[] = {
        {"standing still, nothing over it: left as the last frame drew it",
         {"........", "........", "........", "........", "........", "........"},
         {left, right},
         {1.0f, 2.0f},
         {left, right},
         {1.0f, 2.0f},
         {false, false},
         {"........", "........", "........", "........", "........", "........"}},
        {"its picture turned: drawn again",
         {"........", "........", "........", "........", "........", "........"},
         {left, right},
         {1.0f, 3.0f},
         {left, right},
         {1.0f, 2.0f},
         {false, true},
         {"........", ".....##.", "........", "........", "........", "........"}},
        {"moved: drawn where it is, and where it was drawn over",
         {"........", "........", "........", "........", "........", "........"},
         {InCells(1, 3, 2, 1)},
         {1.0f},
         {left},
         {1.0f},
         {true},
         {"........", ".##.....", "........", ".##.....", "........", "........"}},
        {"a sparkle over a corner of it: drawn again whole",
         {"........", "......#.", "........", "........", "........", "........"},
         {left, right},
         {1.0f, 2.0f},
         {left, right},
         {1.0f, 2.0f},
         {false, true},
         {"........", ".....##.", "........", "........", "........", "........"}},
        {"one drawn again whole reaches another, which is drawn again too",
         {"........", "........", "........", "........", "........", "........"},
         {InCells(1, 1, 3, 2), InCells(3, 2, 2, 2)},
         {1.0f, 5.0f},
         {InCells(1, 1, 3, 2), InCells(3, 2, 2, 2)},
         {2.0f, 5.0f},
         {true, true},
         {"........", ".###....", ".####...", "...##...", "........", "........"}},
        {"one gone since the last frame: its place drawn over",
         {"........", "........", "........", "........", "........", "........"},
         {},
         {},
         {left},
         {1.0f},
         {},
         {"........", ".##.....", "........", "........", "........", "........"}},
    };
    for (const auto& c : cases)
    {
        CDrawnOverCells cells = Cells(c.sparkles);
        const std::vector<bool> drawn =
            CHeldDialogFrame::LiveToDraw(cells, c.live, c.look, c.lastLive, c.lastLook, kWidth, kHeight);
        EXPECT_EQ(c.drawn, drawn) << c.why;
        EXPECT_EQ(Joined(c.cells), Picture(cells)) << c.why;
    }
}

TEST(CHeldDialogFrame, TheScreenUnderTheDialogIsDrawnAgainOnlyWhereNeitherThePanelNorTheHeldPictureHideIt)
{
    // The held picture opaque in cells (3,0) and (0,4): a button of the
    // dialog, a text's solid block.
    const int width = 8 * 16, height = 6 * 16;
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4, 0);
    auto fill = [&](int column, int row) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                // Rows from the bottom.
                const std::size_t at = ((static_cast<std::size_t>(height - 1 - (row * 16 + y))) * width + column * 16 + x) * 4;
                rgba[at] = rgba[at + 1] = rgba[at + 2] = rgba[at + 3] = 255;
            }
    };
    fill(3, 0);
    fill(0, 4);
    CContentCover cover;
    cover.MeasureRows(rgba.data(), 0, height, width, height, 0, 7, 0, 5, kWidth, kHeight);
    // The panel over cells (2..6, 1..4), and half a cell beyond on the right.
    const CDraw2D::SRect panel = {2 * kCell, 1 * kCell, 5.5f * kCell, 4 * kCell};
    const CDrawnOverCells cells = Cells({"..####..", "..####..", "########", "..####..", "##......", "......##"});
    EXPECT_EQ(Joined({"..#.##..", "........", "##.....#", "........", ".#......", "......##"}),
              Picture(CHeldDialogFrame::CellsUnder(cells, panel, cover, kWidth, kHeight)));
    // A panel that fills a screen whose last row of cells is cut by its foot
    // hides every cell, that row's too.
    const float shortHeight = 5.5f * kCell;
    CDrawnOverCells all;
    all.Mark(0.0f, 0.0f, kWidth, shortHeight, kWidth, shortHeight);
    EXPECT_EQ(Joined({"........", "........", "........", "........", "........", "........"}),
              Picture(CHeldDialogFrame::CellsUnder(all, {0.0f, 0.0f, kWidth, shortHeight}, CContentCover(), kWidth,
                                                   shortHeight)));
}

TEST(CHeldDialogFrame, TheGroundWithinThePanelIsCopiedAndTheRestDrawnEachPixelOnce)
{
    using SRect = CDraw2D::SRect;
    // How many of the rectangles cover each cell's middle, counted into the grid.
    auto covered = [](const std::vector<SRect>& parts, std::vector<int>& count) {
        for (const SRect& part : parts)
            for (int row = 0; row < 6; ++row)
                for (int column = 0; column < 8; ++column)
                {
                    const float x = (column + 0.5f) * kCell, y = (row + 0.5f) * kCell;
                    if (x > part.x && x < part.x + part.width && y > part.y && y < part.y + part.height)
                        ++count[static_cast<std::size_t>(row) * 8 + column];
                }
    };
    auto picture = [&covered](const std::vector<SRect>& parts) {
        std::vector<int> count(48, 0);
        covered(parts, count);
        std::string text;
        for (std::size_t i = 0; i < count.size(); ++i)
            // '2': covered twice, drawn or copied over itself.
            text += std::string(count[i] == 0 ? "." : count[i] == 1 ? "#" : "2") + ((i + 1) % 8 == 0 ? "\n" : "");
        return text;
    };
    const CDrawnOverCells ground = Cells({"########", "..####..", "..#..#..", "##....##", "...##...", "########"});
    const SRect panel{2 * kCell, 1 * kCell, 4 * kCell, 4 * kCell};
    const SRect none{0.0f, 0.0f, 0.0f, 0.0f};
    const struct
    {
        SRect opaque;
        std::vector<std::string> copied, drawn;
    } cases[] = {
        {panel,
         {"........", "..####..", "..#..#..", "........", "...##...", "........"},
         {"########", "........", "........", "##....##", "........", "########"}},
        {{0.0f, 0.0f, kWidth, kHeight},
         {"########", "..####..", "..#..#..", "##....##", "...##...", "########"},
         {"........", "........", "........", "........", "........", "........"}},
        {none,
         {"........", "........", "........", "........", "........", "........"},
         {"########", "..####..", "..#..#..", "##....##", "...##...", "########"}},
    };
    for (const auto& c : cases)
    {
        std::vector<SRect> copied, drawn;
        CHeldDialogFrame::SplitGround(ground.Runs(), c.opaque, copied, drawn);
        EXPECT_EQ(Joined(c.copied), picture(copied));
        EXPECT_EQ(Joined(c.drawn), picture(drawn));
    }
    // A panel off the cells' lines: the copied parts lie within it, and the
    // parts together cover the ground's area exactly.
    const SRect odd{20.5f, 10.0f, 70.0f, 61.25f};
    std::vector<SRect> copied, drawn;
    CHeldDialogFrame::SplitGround(ground.Runs(), odd, copied, drawn);
    float area = 0.0f, groundArea = 0.0f;
    for (const SRect& part : copied)
    {
        EXPECT_TRUE(part.x >= odd.x && part.y >= odd.y && part.x + part.width <= odd.x + odd.width &&
                    part.y + part.height <= odd.y + odd.height);
        area += part.width * part.height;
    }
    for (const SRect& part : drawn)
        area += part.width * part.height;
    for (const SRect& part : ground.Runs())
        groundArea += part.width * part.height;
    EXPECT_FLOAT_EQ(groundArea, area);
}

// A panel with rounded corners hides the screen under it but in a box at
// each corner: there the screen under is drawn again, and the ground drawn,
// not copied.
TEST(CHeldDialogFrame, ThePanelsRoundedCornersLetTheScreenUnderShow)
{
    using SRect = CDraw2D::SRect;
    CHeldDialogFrame::SLayers layers;
    layers.opaque = {2 * kCell, 1 * kCell, 4 * kCell, 4 * kCell};
    layers.opaqueCornerWidth = 0.75f * kCell;
    layers.opaqueCornerHeight = 0.5f * kCell;
    const std::vector<SRect> bands = CHeldDialogFrame::OpaqueBands(layers);

    CDrawnOverCells all;
    all.Mark(0.0f, 0.0f, kWidth, kHeight, kWidth, kHeight);
    EXPECT_EQ(Joined({"########", "###..###", "##....##", "##....##", "###..###", "########"}),
              Picture(CHeldDialogFrame::CellsUnder(all, bands, CContentCover(), kWidth, kHeight)));

    // The ground within the panel, but for the corner boxes, is copied; the
    // rest drawn; no pixel twice.
    const CDrawnOverCells ground = Cells({"########", "..####..", "..#..#..", "##....##", "...##...", "########"});
    std::vector<SRect> copied, drawn;
    CHeldDialogFrame::SplitGround(ground.Runs(), bands, copied, drawn);
    auto overlap = [](const SRect& a, const SRect& b) {
        const float w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
        const float h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
        return w > 0.0f && h > 0.0f ? w * h : 0.0f;
    };
    const SRect& o = layers.opaque;
    const float cw = layers.opaqueCornerWidth, ch = layers.opaqueCornerHeight;
    const SRect corners[] = {{o.x, o.y, cw, ch},
                             {o.x + o.width - cw, o.y, cw, ch},
                             {o.x, o.y + o.height - ch, cw, ch},
                             {o.x + o.width - cw, o.y + o.height - ch, cw, ch}};
    float copiedArea = 0.0f, drawnArea = 0.0f, twice = 0.0f;
    for (const SRect& part : copied)
    {
        copiedArea += part.width * part.height;
        for (const SRect& corner : corners)
            EXPECT_EQ(overlap(part, corner), 0.0f);
    }
    for (const SRect& part : drawn)
        drawnArea += part.width * part.height;
    std::vector<SRect> parts = copied;
    parts.insert(parts.end(), drawn.begin(), drawn.end());
    for (std::size_t i = 0; i < parts.size(); ++i)
        for (std::size_t j = i + 1; j < parts.size(); ++j)
            twice += overlap(parts[i], parts[j]);
    // Eight cells of the ground lie in the panel, two of them at its top
    // corners.
    EXPECT_FLOAT_EQ(copiedArea, (8.0f - 2.0f * 0.75f * 0.5f) * kCell * kCell);
    EXPECT_FLOAT_EQ(copiedArea + drawnArea, 28.0f * kCell * kCell);
    EXPECT_EQ(twice, 0.0f);
}

TEST(CHeldDialogFrame, TheDepthIsClearedOnceRoundARowOfLivePartsAndApartRoundScatteredOnes)
{
    using SRect = CDraw2D::SRect;
    auto same = [](const SRect& a, const SRect& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    };
    // Six in a row, a little apart: once round those drawn.
    std::vector<SRect> row;
    for (int i = 0; i < 6; ++i)
        row.push_back({100.0f + 75.0f * i, 200.0f, 68.0f, 68.0f});
    std::vector<SRect> clears = CHeldDialogFrame::LiveDepthClears(row, std::vector<bool>(6, true));
    ASSERT_EQ(1u, clears.size());
    EXPECT_TRUE(same({100.0f, 200.0f, 443.0f, 68.0f}, clears[0]));
    clears = CHeldDialogFrame::LiveDepthClears(row, {false, true, true, false, false, false});
    ASSERT_EQ(1u, clears.size());
    EXPECT_TRUE(same({175.0f, 200.0f, 143.0f, 68.0f}, clears[0]));
    // Far apart (the first and the last only): each apart.
    clears = CHeldDialogFrame::LiveDepthClears(row, {true, false, false, false, false, true});
    ASSERT_EQ(2u, clears.size());
    EXPECT_TRUE(same(row[0], clears[0]));
    EXPECT_TRUE(same(row[5], clears[1]));
    // Corners of the screen: each apart; one alone: itself; none: nothing.
    const std::vector<SRect> corners = {{0.0f, 0.0f, 50.0f, 50.0f}, {700.0f, 500.0f, 50.0f, 50.0f}};
    EXPECT_EQ(2u, CHeldDialogFrame::LiveDepthClears(corners, {true, true}).size());
    clears = CHeldDialogFrame::LiveDepthClears(corners, {false, true});
    ASSERT_EQ(1u, clears.size());
    EXPECT_TRUE(same(corners[1], clears[0]));
    EXPECT_TRUE(CHeldDialogFrame::LiveDepthClears(corners, {false, false}).empty());
    EXPECT_TRUE(CHeldDialogFrame::LiveDepthClears(corners, {}).empty());
}

namespace
{
class CHeldDialogFrameSparkles : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CBackSparkle::ResetDrift();
        // A sheet of 4 frames 16 x 12 each (the sprite's size).
        const std::string sheet = m_files.WriteTga("sparkle.tga", 64, 48);
        const std::string spr = m_files.Write("sparkle.spr", "file_name " + sheet + "\nframes 4\ngroups 4\n");
        m_manager = std::make_unique<CResManager>(&m_pack);
        m_manager->AddSprite(spr.c_str(), CSparkleLists::kBackSprite);
        m_lists.SetResManager(m_manager.get());
    }

    const CSprite& Sprite() const { return *m_manager->FindSprite(CSparkleLists::kBackSprite); }

    // A back sparkle placed at (x, y).
    void Place(float x, float y)
    {
        m_lists.AddBackSparkle();
        m_lists.GetBackSparkle(m_lists.GetBackSparkles().size() - 1)->SetPosition(CVector4(x, y, 0.0f));
    }

    CGfxTestFiles m_files;
    CFilePack m_pack;
    std::unique_ptr<CResManager> m_manager;
    CSparkleLists m_lists{[] { return 12345; }};
};
} // namespace

// The screen under the dialog steps the sparkles once, the dialog once more:
// the cells marked before both steps take in where a sparkle is drawn then.
TEST_F(CHeldDialogFrameSparkles, TheCellsTakeInWhereTheSparklesAreDrawnAfterBothStepsOfTheFrame)
{
    const float width = 800.0f, height = 600.0f;
    const float reach = CDrawnOverCells::BackSparkleReach(Sprite());
    // Each rises half a unit a step: after both steps the top of this one's
    // reach lies half a unit into the cell row above where it lay before.
    Place(400.0f, 18 * kCell - 0.5f + reach + 1.0f);
    Place(100.0f, 100.0f);
    const CDrawnOverCells before = CHeldDialogFrame::SparkleCells(&m_lists, &Sprite(), width, height);
    for (int step = 0; step < CHeldDialogFrame::kSparkleSteps; ++step)
        for (std::size_t i = 0; i < m_lists.GetBackSparkles().size(); ++i)
        {
            ASSERT_FLOAT_EQ(-0.5f, m_lists.GetBackSparkle(i)->GetVelocity().y);
            m_lists.GetBackSparkle(i)->Update();
        }
    for (const auto& sparkle : m_lists.GetBackSparkles())
    {
        const CVector4& at = sparkle->GetPosition();
        CDrawnOverCells after;
        after.Mark(at.x - reach, at.y - reach, 2.0f * reach, 2.0f * reach, width, height);
        const std::vector<bool>& now = after.GetCells();
        for (std::size_t i = 0; i < now.size(); ++i)
        {
            if (now[i])
            {
                EXPECT_TRUE(before.GetCells()[i]) << "a cell the sparkle at " << at.x << "," << at.y
                                                  << " draws over was left out";
            }
        }
    }
    // Far from every sparkle nothing is marked.
    EXPECT_FALSE(before.Touches({600.0f, 100.0f, 50.0f, 50.0f}));
}

TEST_F(CHeldDialogFrameSparkles, ASparkleBornBelowTheFootIsTakenInOnlyWhereItCanReachIntoTheScreen)
{
    const float reach = CDrawnOverCells::BackSparkleReach(Sprite()) +
                        CHeldDialogFrame::kSparkleStepReach * CHeldDialogFrame::kSparkleSteps;
    // A screen whose foot lies within a new sparkle's reach, and a taller one.
    const float near = CBackSparkle::kStartY - reach + 8.0f, far = CBackSparkle::kStartY - reach - 40.0f;
    const CDrawnOverCells low = CHeldDialogFrame::SparkleCells(&m_lists, &Sprite(), 800.0f, near);
    const CDrawnOverCells high = CHeldDialogFrame::SparkleCells(&m_lists, &Sprite(), 800.0f, far);
    EXPECT_TRUE(low.Touches({0.0f, near - 4.0f, 800.0f, 4.0f}));
    EXPECT_TRUE(low.Touches({780.0f, near - 4.0f, 20.0f, 4.0f}));
    EXPECT_FALSE(high.Touches({0.0f, 0.0f, 800.0f, far}));
}
