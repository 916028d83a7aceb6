#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "shell/game/CGameBrick.h"

namespace
{
// A box model of the given depth, as a skin's brick could be.
std::unique_ptr<CModel> MakeLook(float depth)
{
    std::vector<float> vertices;
    for (int corner = 0; corner < 8; ++corner)
    {
        vertices.push_back((corner & 1) ? 0.5f : -0.5f);
        vertices.push_back((corner & 2) ? 0.5f : -0.5f);
        vertices.push_back((corner & 4) ? depth / 2.0f : -depth / 2.0f);
    }
    auto mesh = std::make_unique<CMesh>();
    mesh->Build("brick", vertices, {}, {}, {0, -1, -1, 1, -1, -1, 7, -1, -1}, {0});
    mesh->ComputeExtents();
    auto model = std::make_unique<CModel>();
    model->SetMesh(std::move(mesh));
    return model;
}

// Colours 0 and 1 have looks; any other colour has none.
class CTestBrick : public CGameBrick
{
public:
    CTestBrick() : m_looks{MakeLook(0.4f), MakeLook(0.8f)} {}

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
