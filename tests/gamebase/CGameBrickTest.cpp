#include <gtest/gtest.h>

#include "shell/game/CGameBrick.h"
#include "tests/gamebase/BoxModel.h"

namespace
{
// Colours 0 and 1 have looks; any other colour has none.
class CTestBrick : public CGameBrick
{
public:
    CTestBrick() : m_looks{MakeBoxModel(0.4f), MakeBoxModel(0.8f)} {}

protected:
    const CModel* FindLook(int color) const override
    {
        return color >= 0 && color < 2 ? m_looks[color].get() : nullptr;
    }

private:
    std::unique_ptr<CModel> m_looks[2];
};
}

TEST(CGameBrickTest, NewColourChangesTheLookButKeepsWhereAndHowTheBrickStands)
{
    CTestBrick brick;
    brick.SetColor(0);
    brick.SetPosition(CVector4(1.0f, 2.0f, 3.0f));
    brick.SetScale(2.0f);
    brick.SetAngleZ(30.0f);
    brick.SetBlend(true);
    brick.SetColor(1);
    EXPECT_FLOAT_EQ(0.8f * 2.0f, brick.GetScaledSizeZ());
    EXPECT_FLOAT_EQ(2.0f, brick.GetPosition().y);
    EXPECT_FLOAT_EQ(2.0f, brick.GetScale());
    EXPECT_FLOAT_EQ(30.0f, brick.GetAngleZ());
    EXPECT_TRUE(brick.GetBlend());
    // A colour without a look keeps the old look.
    brick.SetColor(5);
    EXPECT_EQ(5, brick.GetColor());
    EXPECT_FLOAT_EQ(0.8f * 2.0f, brick.GetScaledSizeZ());
}
