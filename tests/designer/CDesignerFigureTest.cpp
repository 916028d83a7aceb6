#include <gtest/gtest.h>

#include "engine/gfx/CModel.h"
#include "games/designer/CDesignerFigure.h"
#include "shell/game/PackPos.h"

TEST(DesignerFigure, RightTurnIsClockwiseAndFourTurnsOrATurnBackRestoreIt)
{
    const struct
    {
        int kind;
        const char *basic, *right;
    } turns[] = {
        {0, "XXX/.X.", ".X/XX/.X"}, {1, "XXXX", "X/X/X/X"},   {2, ".XX/XX.", "X./XX/.X"},
        {3, "XX./.XX", ".X/XX/X."}, {4, "XX/XX", "XX/XX"},     {5, "XXX/X..", "XX/.X/.X"},
        {6, "XXX/..X", ".X/.X/XX"}, {7, ".X./XXX/.X.", ".X./XXX/.X."}, {8, "XXX/X.X", "XX/.X/XX"},
    };
    for (const auto& c : turns)
    {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        CDesignerFigure figure(c.kind);
        EXPECT_EQ(c.basic, figure.GetPicture());
        figure.RotateRight();
        EXPECT_EQ(c.right, figure.GetPicture());
        EXPECT_EQ(1, figure.GetAngle());
        figure.RotateLeft();
        EXPECT_EQ(c.basic, figure.GetPicture());
        for (int i = 0; i < 4; ++i)
            figure.RotateRight();
        EXPECT_EQ(c.basic, figure.GetPicture());
        EXPECT_EQ(0, figure.GetAngle());
        EXPECT_EQ(c.kind < 7 ? 4 : 5, figure.GetCellCount());
    }
}

TEST(DesignerFigure, HitTestIsStrictlyInsideTheBoundingRectangle)
{
    CDesignerFigure figure(0);
    figure.CreateModel(nullptr);
    figure.SetScale(10.0f);
    figure.SetPosition(CVector4(100.0f, 50.0f, 0.0f));
    // Three cells wide, two high: x 85..115, y 40..60.
    EXPECT_TRUE(figure.HitTest(85.1f, 40.1f));
    EXPECT_TRUE(figure.HitTest(114.9f, 59.9f));
    EXPECT_FALSE(figure.HitTest(85.0f, 50.0f));
    EXPECT_FALSE(figure.HitTest(100.0f, 60.0f));
    EXPECT_FALSE(figure.HitTest(115.0f, 50.0f));
}

TEST(DesignerFigure, FirstColumnsTopCellLandsOnTheGivenCell)
{
    CDesignerFigure figure(2);
    figure.SetIndexes(3, 4);
    // .XX / XX.: column 0 starts at row 1, so (1, 0) lands a row higher.
    std::vector<int> expected = {PackPos(3, 4), PackPos(4, 3), PackPos(4, 4), PackPos(5, 3)};
    EXPECT_EQ(expected, figure.GetIndexes());
}
