#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/gfx/CModel.h"
#include "engine/gfx/CVector4.h"
#include "shell/game/CGameField.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"

namespace
{
// A board of plain models built from a picture: '#' a brick, '.' empty;
// the first string is row 0.
class CFakeField : public CGameField
{
public:
    CFakeField(const std::vector<std::string>& rows, float size) : m_size(size)
    {
        m_height = static_cast<int>(rows.size());
        m_width = static_cast<int>(rows[0].size());
        m_bricks.resize(m_width * m_height);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (rows[y][x] == '#')
                {
                    auto brick = std::make_unique<CModel>();
                    CVector4 cell;
                    brick->SetPosition(GetBrickPosition(cell, x, y));
                    brick->SetScale(size);
                    m_bricks[y * m_width + x] = std::move(brick);
                }
    }

    int GetHeight() const override { return m_height; }
    int GetWidth() const override { return m_width; }
    float GetBrickSize() const override { return m_size; }
    CModel* GetBrick(int x, int y) const override
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return nullptr;
        return m_bricks[y * m_width + x].get();
    }
    CVector4& GetBrickPosition(CVector4& out, int x, int y) const override
    {
        out.Set(x * m_size, y * m_size, 0.5f);
        return out;
    }

    bool AllOnTheirCells() const
    {
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (CModel* brick = GetBrick(x, y))
                {
                    CVector4 cell;
                    GetBrickPosition(cell, x, y);
                    const CVector4& p = brick->GetPosition();
                    if (p.x != cell.x || p.y != cell.y || p.z != cell.z || brick->GetScale() != m_size)
                        return false;
                }
        return true;
    }

private:
    int m_width;
    int m_height;
    float m_size;
    std::vector<std::unique_ptr<CModel>> m_bricks;
};

std::vector<std::string> Full(int width, int height)
{
    return std::vector<std::string>(height, std::string(width, '#'));
}

template <class Effect>
int RunUntilDone(Effect& effect, float dt, int limit = 100000)
{
    int steps = 0;
    while (!effect.IsDone() && steps < limit)
    {
        effect.Update(dt);
        ++steps;
    }
    return steps;
}
}

TEST(LevelBricksEffect, EveryEntranceStartsOffTheCellsAndEndsWithEachBrickExactlyOnItsCell)
{
    for (int kind : {CLevelBricksEffect::EFFECT_ALTERNATE, CLevelBricksEffect::EFFECT_SAME_SIDE,
                     CLevelBricksEffect::EFFECT_GROW})
        for (float dt : {16.0f, 33.0f, 100.0f})
        {
            CFakeField field(Full(9, 9), 4.0f);
            CLevelBricksEffect effect(nullptr, &field, kind);
            EXPECT_FALSE(field.AllOnTheirCells()) << "effect " << kind;
            RunUntilDone(effect, dt);
            ASSERT_TRUE(effect.IsDone());
            EXPECT_TRUE(field.AllOnTheirCells()) << "effect " << kind << " dt " << dt;
        }
}

TEST(LevelBricksEffect, EmptySparseAndFirstRowOneFieldsFinishWithRowZeroUntouched)
{
    const std::vector<std::string> sparse = {"#.....", "......", "......", "......", "......", ".....#"};
    for (int kind = 0; kind < 3; ++kind)
    {
        CFakeField empty(std::vector<std::string>(6, "......"), 2.0f);
        EXPECT_TRUE(CLevelBricksEffect(nullptr, &empty, kind).IsDone());
        CFakeField few(sparse, 2.0f);
        CLevelBricksEffect fewEffect(nullptr, &few, kind);
        RunUntilDone(fewEffect, 16.0f, 10000);
        EXPECT_TRUE(fewEffect.IsDone() && few.AllOnTheirCells()) << kind;
        CFakeField field(Full(5, 5), 2.0f);
        CLevelBricksEffect effect(nullptr, &field, kind, 1);
        CModel* brick = field.GetBrick(2, 0);
        brick->SetAngleZ(5.0f);
        RunUntilDone(effect, 16.0f);
        EXPECT_FLOAT_EQ(5.0f, brick->GetAngleZ()) << kind;
        EXPECT_FLOAT_EQ(2.0f, brick->GetScale()) << kind;
        EXPECT_TRUE(field.AllOnTheirCells()) << kind;
    }
}

TEST(LevelFlipEffect, GravityIsAddedOncePerStepWhateverTheFrameTime)
{
    CFakeField slow(Full(3, 3), 2.0f);
    CFakeField fast(Full(3, 3), 2.0f);
    CLevelFlipEffect a(nullptr, &slow);
    CLevelFlipEffect b(nullptr, &fast);
    a.Update(10.0f);
    b.Update(40.0f);
    EXPECT_FLOAT_EQ(-0.03f, slow.GetBrick(0, 2)->GetVelocity().y);
    EXPECT_FLOAT_EQ(-0.03f, fast.GetBrick(0, 2)->GetVelocity().y);
    EXPECT_FLOAT_EQ(4.0f - 0.3f, slow.GetBrick(0, 2)->GetPosition().y);
    EXPECT_FLOAT_EQ(4.0f - 1.2f, fast.GetBrick(0, 2)->GetPosition().y);
    // Only the top row falls in the first step.
    EXPECT_FLOAT_EQ(0.0f, slow.GetBrick(0, 0)->GetPosition().y);
}

TEST(LevelFlipEffect, RowsFallAwayEmptyRowsAreCrossedAndFirstRowOneNeverMovesRowZero)
{
    CFakeField full(Full(6, 6), 2.0f);
    CLevelFlipEffect all(nullptr, &full);
    EXPECT_GT(RunUntilDone(all, 16.0f), 1);
    EXPECT_TRUE(all.IsDone());
    EXPECT_LT(full.GetBrick(0, 0)->GetPosition().y, CLevelFlipEffect::GONE_Y);
    CFakeField empty(std::vector<std::string>(5, "....."), 2.0f);
    EXPECT_TRUE(CLevelFlipEffect(nullptr, &empty).IsDone());
    CFakeField sparse({".....", ".....", "..#..", ".....", "....."}, 2.0f);
    CLevelFlipEffect effect(nullptr, &sparse);
    RunUntilDone(effect, 16.0f);
    EXPECT_TRUE(effect.IsDone());
    CFakeField field(Full(4, 4), 2.0f);
    CLevelFlipEffect keep(nullptr, &field, 1);
    RunUntilDone(keep, 16.0f);
    EXPECT_TRUE(keep.IsDone());
    EXPECT_FLOAT_EQ(0.0f, field.GetBrick(1, 0)->GetPosition().y);
}
