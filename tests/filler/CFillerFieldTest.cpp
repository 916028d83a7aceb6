#include <gtest/gtest.h>

#include "engine/files/CConfigFile.h"
#include "games/filler/CFillerPlayer.h"
#include "tests/filler/FillerTestKit.h"

namespace
{
struct SFloodCase
{
    const char* name;
    const char* before;
    int index;
    const char* after;
    int zoneSize;
    bool over;
};

// Zone 0 at the left middle, zone 1 at the right middle of each board.
const SFloodCase FLOOD_CASES[] = {
    {"TouchingCellsOfTheNewColourJoin", "RRGB/RGGB/RRBB", 1, "GGGB/GGGB/GGBB", 8, true},
    {"DiagonalCellsStayOut", "GRB/RGB/GRB", 1, "GRB/GGB/GRB", 4, false},
    {"OnlyTheZoneIsRecoloured", "RRG/GYB/RRB", 3, "RRG/YYB/RRB", 2, false},
    {"CellsOfTheOpponentsColourAreNotReached", "GRB/RRB/GGB", 3, "GYB/YYB/GGB", 3, false},
    {"TwoZonesInOneRegionStillEndTheGame", "RRR/RGR", 1, "GGG/GGG", 6, true},
};

class FillerFlood : public ::testing::TestWithParam<SFloodCase>
{
};
}

TEST_P(FillerFlood, MoveRecoloursTheZoneAndRecountsIt)
{
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, nullptr, GetParam().before);
    field->AddZone(0, field->GetHeight() / 2);
    field->AddZone(field->GetWidth() - 1, field->GetHeight() / 2);
    ASSERT_TRUE(field->FillZone(0, field->GetHeight() / 2, GetParam().index));
    EXPECT_EQ(GetParam().after, GetBoard(*field));
    EXPECT_EQ(GetParam().after, GetBoard(*field, true)) << "without animation the bricks show the move at once";
    field->Update(16.0f, false);
    EXPECT_TRUE(field->IsIdle());
    EXPECT_EQ(GetParam().zoneSize, field->GetZoneSize(0));
    EXPECT_EQ(GetParam().over, field->IsGameOver());
}

INSTANTIATE_TEST_SUITE_P(Boards, FillerFlood, ::testing::ValuesIn(FLOOD_CASES),
                         [](const ::testing::TestParamInfo<SFloodCase>& info) { return info.param.name; });

TEST(FillerField, FreeColourCountDependsOnWhetherTheStartCellsShareAColour)
{
    auto params = MakeParams(0, 0, false);
    for (const auto& c : {std::make_pair("RGYB/RGYB", 3), std::make_pair("RGYR/RGYR", 4)})
    {
        auto field = MakeField(*params, nullptr, c.first);
        field->AddZone(0, 1);
        field->AddZone(3, 1);
        int allowed = 0;
        for (int value = 0; value < 6; ++value)
            allowed += field->IsColorAllowed(value) ? 1 : 0;
        EXPECT_EQ(c.second, allowed) << c.first;
    }
}

TEST(FillerField, DealtBoardNeverHoldsTheSixthTableColour)
{
    CRandom random(11);
    auto params = MakeParams(0, 0, false);
    CFillerField field(*params, nullptr, random);
    const int absent = field.GetColorTable()[5];
    for (int value : field.GetCells())
        EXPECT_NE(absent, value);
    EXPECT_FALSE(field.IsColorAllowed(absent));
}

TEST(FillerField, CoveringMoveEndsTheGameOnceAndLaterMovesOfEitherSideAreRefused)
{
    CRecordingEvents events;
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, &events, "RRBGG/RRBGG");
    field->AddZone(0, 1);
    field->AddZone(4, 1);
    EXPECT_FALSE(field->IsGameOver());
    ASSERT_TRUE(field->FillZone(0, 1, 2));
    EXPECT_TRUE(field->IsGameOver());
    EXPECT_TRUE(field->IsBannerShown());
    EXPECT_EQ(1, events.CountSound(CFillerField::SOUND_BOARD_COVERED));
    EXPECT_EQ(6, field->GetZoneSize(0));
    EXPECT_EQ(4, field->GetZoneSize(1));

    EXPECT_FALSE(field->FillZone(4, 1, 0));
    CFillerPlayer computer(*field, &events, CFillerPlayer::MODE_MEDIUM, 4, 1);
    computer.StartTurn();
    EXPECT_EQ("BBBGG/BBBGG", GetBoard(*field));
    EXPECT_EQ(1, events.CountSound(CFillerField::SOUND_BOARD_COVERED));
    EXPECT_EQ(0, events.CountSound(CFillerPlayer::SOUND_MOVE));
}

TEST(FillerField, BannerOutlastsTheWaveAndTheFirstRelease)
{
    auto params = MakeParams(0, 0, true);
    auto field = MakeField(*params, nullptr, "RBG/RBG");
    field->AddZone(0, 1);
    field->AddZone(2, 1);
    ASSERT_TRUE(field->FillZone(0, 1, 2));
    ASSERT_TRUE(field->IsGameOver());
    field->OnClick();
    field->OnKey();
    EXPECT_TRUE(field->IsBannerShown()) << "a key while the wave runs changes nothing";
    for (int i = 0; i < 100 && !field->IsIdle(); ++i)
        field->Update(16.0f, false);
    ASSERT_TRUE(field->IsIdle());
    EXPECT_FALSE(field->IsFinished());
    field->OnClick();
    EXPECT_FALSE(field->IsBannerShown());
    EXPECT_TRUE(field->IsFinished());
}

namespace
{
struct SWaveCase
{
    const char* name;
    int shape;
    // Cells that show the new colour after the first step (radius 0.3, R 0),
    // zone start at column 2 of row 1.
    const char* firstStep;
};

const SWaveCase WAVE_CASES[] = {
    {"Columns", CFillerField::WAVE_COLUMNS, "RRGRR/RRGRR/RRGRY"},
    {"Disc", CFillerField::WAVE_DISC, "RRRRR/RRGRR/RRRRY"},
    {"Rows", CFillerField::WAVE_ROWS, "RRRRR/GGGGG/RRRRY"},
    {"Diamond", CFillerField::WAVE_DIAMOND, "RRRRR/RRGRR/RRRRY"},
};

class FillerWave : public ::testing::TestWithParam<SWaveCase>
{
};
}

TEST_P(FillerWave, FirstStepSwitchesOnlyTheShapesCentreLine)
{
    auto params = MakeParams(0, 0, true);
    std::unique_ptr<CFillerField> field;
    // The shape is drawn at random: deal again until it is the one wanted.
    for (int attempt = 0; attempt < 200; ++attempt)
    {
        field = MakeField(*params, nullptr, "RRRRR/RRRRR/RRRRY");
        field->AddZone(2, 1);
        ASSERT_TRUE(field->FillZone(2, 1, 1));
        if (field->GetWaveShape() == GetParam().shape)
            break;
    }
    ASSERT_EQ(GetParam().shape, field->GetWaveShape());
    EXPECT_EQ("GGGGG/GGGGG/GGGGY", GetBoard(*field)) << "the rules see the move at once";
    field->Update(16.0f, true);
    EXPECT_EQ("RRRRR/RRRRR/RRRRY", GetBoard(*field, true)) << "no wave while the start effect runs";
    field->Update(16.0f, false);
    EXPECT_EQ(GetParam().firstStep, GetBoard(*field, true));
    int steps = 0;
    while (!field->IsIdle() && steps < 100)
    {
        field->Update(16.0f, false);
        ++steps;
    }
    EXPECT_EQ("GGGGG/GGGGG/GGGGY", GetBoard(*field, true));
    EXPECT_EQ(0, field->CountChanging());
}

INSTANTIATE_TEST_SUITE_P(Shapes, FillerWave, ::testing::ValuesIn(WAVE_CASES),
                         [](const ::testing::TestParamInfo<SWaveCase>& info) { return info.param.name; });

TEST(FillerField, PickingFloorsSoPointsJustOffTheBoardMiss)
{
    auto params = MakeParams(0, 0, false);
    auto field = MakeField(*params, nullptr, "RGB/RGB");
    const float s = field->GetBrickSize();
    CVector4 corner;
    field->GetBrickPosition(corner, 0, 0);
    struct { float dx, dy; bool hit; int x, y; } cases[] = {{0, 0, true, 0, 0}, {-0.6f * s, 0, false, -1, 0}, {0, 0.6f * s, false, 0, -1},
                 {2.0f * s, -s, true, 2, 1}, {2.6f * s, 0, false, 3, 0}};
    for (const auto& c : cases)
    {
        int x = 9, y = 9;
        EXPECT_EQ(c.hit, field->PickCell(CVector4(corner.x + c.dx, corner.y + c.dy, 1.0f), x, y));
        EXPECT_EQ(c.x, x);
        EXPECT_EQ(c.y, y);
    }
}

TEST(FillerField, BadSavesAreNoSavedGameAndChangeNothingAGoodOneLoads)
{
    const std::string good = "5 4 3 2 1 0 0 1 2 3 0 1 ";
    struct
    {
        const char* why;
        std::string snapshot;
        const char* zone;
    } cases[] = {
        {"missing key", "", nullptr},
        {"too few cells", "5 4 3 2 1 0 0 1 2 3 0 ", "0"},
        {"too many cells", good + "1 ", "0"},
        {"table not a permutation", "5 4 3 2 1 1 0 1 2 3 0 1 ", "0"},
        {"colour out of range", "5 4 3 2 1 0 0 1 2 6 0 1 ", "0"},
        {"negative colour", "5 4 3 2 1 0 0 1 2 -1 0 1 ", "0"},
        {"not a number", "5 4 3 2 1 0 0 1 x 3 0 1 ", "0"},
        {"zone out of range", good, "2"},
        {"zone not a number", good, "one"},
        {"good", good, "1"},
    };
    auto params = MakeParams(0, 0, false);
    for (const auto& c : cases)
    {
        auto field = MakeField(*params, nullptr, "YYY/YYY");
        field->AddZone(0, 1);
        field->AddZone(2, 1);
        CConfigFile store;
        if (!c.snapshot.empty())
            store.SetValue("field_undo_string", c.snapshot);
        if (c.zone)
            store.SetValue("filler_current_zone", c.zone);
        const bool isGood = std::string(c.why) == "good";
        EXPECT_EQ(isGood, field->Load(store)) << c.why;
        // The good snapshot: the table, then the cells column by column.
        EXPECT_EQ(isGood ? "RBR/GYG" : "YYY/YYY", GetBoard(*field)) << c.why;
    }
}

TEST(FillerField, StartBricksStandOutAsOnTheSmallBoardWhateverTheSize)
{
    // Board width 880: 1.8 cells of the small and medium boards, and never
    // less than the medium board's on the finer ones.
    const struct { int size; float brick; } cases[] = {{0, 52.8f}, {1, 31.68f}, {2, 31.68f}, {3, 31.68f}};
    for (const auto& c : cases)
    {
        auto params = MakeParams(c.size, 0, false);
        CRandom random(7);
        CFillerField field(*params, nullptr, random);
        EXPECT_NEAR(c.brick, field.GetStartBrickSize(), 0.01f) << "size " << c.size;
        EXPECT_GE(field.GetStartBrickSize(), 1.8f * field.GetBrickSize()) << "size " << c.size;
        // Two rings of two pixels or more: the board spans 566 of the 800
        // pixels of the game's view.
        EXPECT_GE(field.GetStartRingWidth() / 880.0f * 566.0f, 2.0f) << "size " << c.size;
    }
}
