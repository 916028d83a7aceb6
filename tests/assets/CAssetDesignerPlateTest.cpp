// The designer's tray column is drawn through a scissor box inside the
// plate that the generated backdrop paints behind it; the plate's frame
// lines, as the picture holds them, must stay outside that box.
#include "tests/assets/CAssetPackReader.h"

#include "engine/gfx/CJpegDecoder.h"
#include "engine/gfx/CPicture.h"
#include "games/designer/CDesignerFigureTray.h"
#include "tests/assets/ScreenLines.h"

#include <gtest/gtest.h>

namespace
{
using Tray = CDesignerFigureTray;
}

// Each edge is walked inward from the plate's outline: the lines of the
// frame (the rim and the faint line inside it) stand brighter than the
// plate's face a little farther in. The first line of the box on that side
// lies beyond the last such line.
TEST(AssetDesignerPlate, TrayScissorBoxLiesInsideThePlatesFrameLines)
{
    CAssetPackReader pack;
    ASSERT_TRUE(pack.IsOpen());
    const std::vector<unsigned char> bytes = pack.Bytes("mui/designer/game_bg.jpg");
    CPicture picture;
    ASSERT_TRUE(CJpegDecoder::Decode(bytes.data(), bytes.size(), picture));
    ASSERT_EQ(800, picture.m_width);
    ASSERT_EQ(600, picture.m_height);
    ASSERT_EQ(3, picture.m_components);

    const int viewport[4] = {0, 0, 800, 600};
    int box[4];
    Tray::GetPlateScissor(viewport, box);
    // The box in screen pixels, y down: its first and last rows and columns.
    const int boxLeft = box[0], boxRight = box[0] + box[2] - 1;
    const int boxTop = 600 - (box[1] + box[3]), boxBottom = 600 - box[1] - 1;

    const int left = static_cast<int>(Tray::PLATE_X), top = static_cast<int>(Tray::PLATE_Y);
    const int right = static_cast<int>(Tray::PLATE_X + Tray::PLATE_WIDTH) - 1;
    const int bottom = static_cast<int>(Tray::PLATE_Y + Tray::PLATE_HEIGHT) - 1;
    // Away from the rounded corners; the face is measured this far in.
    const int corner = 30, reach = 14, face = 8;
    const float brighter = 6.0f;
    struct SEdge
    {
        const char* name;
        // Walked down rows (top, bottom) or across columns (sides).
        bool rows;
        int outline;
        int inward;
        int boxEdge;
    } edges[] = {
        {"top", true, top, 1, boxTop},
        {"bottom", true, bottom, -1, boxBottom},
        {"left", false, left, 1, boxLeft},
        {"right", false, right, -1, boxRight},
    };
    for (const SEdge& edge : edges)
    {
        SCOPED_TRACE(edge.name);
        auto mean = [&](int at) {
            return edge.rows ? MeanLine(picture, true, at, left + corner, right - corner)
                             : MeanLine(picture, false, at, top + corner, bottom - corner);
        };
        float plate = 0.0f;
        for (int k = reach; k < reach + face; ++k)
            plate += mean(edge.outline + edge.inward * k) / face;
        int lastLine = edge.outline;
        for (int k = 0; k < reach; ++k)
            if (mean(edge.outline + edge.inward * k) > plate + brighter)
                lastLine = edge.outline + edge.inward * k;
        // The face shows inside: the walk found the frame.
        EXPECT_NE(lastLine, edge.outline + edge.inward * (reach - 1));
        EXPECT_GT((edge.boxEdge - lastLine) * edge.inward, 0)
            << "the frame's last line " << lastLine << ", the box's edge " << edge.boxEdge;
    }
}
