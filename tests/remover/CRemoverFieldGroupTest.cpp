#include <gtest/gtest.h>

#include "games/remover/CRemoverBrick.h"
#include "shell/game/CRandom.h"
#include "tests/remover/RemoverTestKit.h"

namespace
{
class RemoverGroups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        params = MakeParams(0, 0);
        field = std::make_unique<CRemoverField>(*params, &events, nullptr, random);
    }

    CRemoverBrick* At(int x, int y) { return field->GetRemoverBrick(x, y); }

    CRandom random{7};
    CRecordingEvents events;
    std::unique_ptr<CRemoverParams> params;
    std::unique_ptr<CRemoverField> field;
};
}

TEST_F(RemoverGroups, OnlyGroupsOfFourOrMoreSideBySideAreSelected)
{
    // The brick clicked at (x, y); selected bricks show in lower case after.
    const struct
    {
        std::vector<std::string> board;
        int x, y;
        int count;
        std::vector<std::string> after;
    } cases[] = {
        {{"RRRR.G.B.", ".........", "Y........"}, 0, 0, 4, {"rrrr.G.B.", ".........", "Y........"}},
        {{"RRR.G.B.Y"}, 0, 0, 0, {"RRR.G.B.Y"}},
        {{"R.R.G", ".R.B.", "R.R.Y"}, 1, 1, 0, {"R.R.G", ".R.B.", "R.R.Y"}},
        // Blockers selected by a bonus earlier in the turn join the region.
        {{"GGGGxxB.Y", ".....x...", "R........"}, 0, 0, 7, {"ggggxxB.Y", ".....x...", "R........"}},
    };
    for (const auto& c : cases)
    {
        SetUp();
        SetBoard(*field, c.board);
        if (CRemoverBrick* brick = At(1, 0))
            brick->SetBonus(3, 1);
        EXPECT_EQ(c.count, field->SelectGroup(At(c.x, c.y))) << c.board[0];
        EXPECT_EQ(CRemoverField::STATUS_REMOVING, field->GetStatus());
        const std::vector<std::string> board = GetBoard(*field);
        for (std::size_t row = 0; row < c.after.size(); ++row)
            EXPECT_EQ(c.after[row], board[row].substr(0, c.after[row].size())) << c.board[0];
        if (c.count == 0)
        {
            EXPECT_TRUE(field->GetCollectedBonuses().empty()) << c.board[0];
        }
    }
}

TEST_F(RemoverGroups, BonusesAreCollectedInFloodOrder)
{
    SetBoard(*field, {"RRRR.G.B.Y"});
    At(3, 0)->SetBonus(4, 0);
    At(1, 0)->SetBonus(1, 2);
    EXPECT_EQ(4, field->SelectGroup(At(0, 0)));
    EXPECT_EQ((std::vector<int>{1, 4}), field->GetCollectedBonuses());
}

TEST_F(RemoverGroups, CountCoversTheWholeSelectedRegionItTouches)
{
    // The blocker bricks were selected by a bonus earlier in the turn.
    SetBoard(*field, {"GGGGxxB.Y", ".....x...", "R........"});
    EXPECT_EQ(7, field->SelectGroup(At(0, 0)));
}

TEST_F(RemoverGroups, ColourLeavesWithItsLastEvenCellBrick)
{
    // Green stands on the even cells (0,0) and (1,1); (8,1) is an odd cell
    // and does not keep green in play.
    SetBoard(*field, {"GG..R.B.Y", "GG......G"});
    ASSERT_EQ(4, field->GetColorCount());
    EXPECT_EQ(4, field->SelectGroup(At(0, 0)));
    EXPECT_EQ(3, field->GetColorCount());
    EXPECT_FALSE(field->HasColor(1));
}

TEST_F(RemoverGroups, BrickNotOnTheBoardGivesZeroButStillStartsRemoval)
{
    SetBoard(*field, {"RRRR"});
    CRemoverBrick loose(params.get(), nullptr);
    EXPECT_EQ(0, field->SelectGroup(&loose));
    EXPECT_EQ(CRemoverField::STATUS_REMOVING, field->GetStatus());
}

TEST_F(RemoverGroups, SelectAllSpecialTakesEveryBlocker)
{
    SetBoard(*field, {"X.X.R", ".X...", "....X"});
    field->SelectAllSpecial();
    std::vector<std::string> board = GetBoard(*field);
    EXPECT_EQ("x.x.R", board[0].substr(0, 5));
    EXPECT_EQ(".x...", board[1].substr(0, 5));
    EXPECT_EQ("....x", board[2].substr(0, 5));
}

TEST_F(RemoverGroups, SelectRandomSpecialTakesExactlyOneUnselectedBlocker)
{
    SetBoard(*field, {"X.X.R", ".x..."});
    field->SelectRandomSpecial();
    int selected = 0;
    for (const std::string& row : GetBoard(*field))
        for (char c : row)
            selected += (c == 'x');
    EXPECT_EQ(2, selected);
}

TEST_F(RemoverGroups, FadeTakesExactlyTwentyFiveStepsAndBurstsOnce)
{
    SetBoard(*field, {"R"});
    CRemoverBrick* brick = At(0, 0);
    brick->Select();
    for (int i = 1; i < CRemoverBrick::FADE_STEPS; ++i)
        ASSERT_FALSE(brick->Vanish(&events)) << "step " << i;
    brick->Unselect();
    brick->Select();
    EXPECT_EQ(25u, events.m_sparkles.size());
    // Unselect resets the alpha; from 1.0 again it takes 25 more steps.
    for (int i = 1; i < CRemoverBrick::FADE_STEPS; ++i)
        ASSERT_FALSE(brick->Vanish(&events));
    EXPECT_TRUE(brick->Vanish(&events));
    EXPECT_EQ(25u, events.m_sparkles.size());
}
