#include "engine/gfx/CLight.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

TEST(CLightTest, LiveLightsHoldDistinctNumbersThatAreFreedWithThem)
{
    std::vector<std::unique_ptr<CLight>> lights;
    std::set<GLenum> ids;
    for (int i = 0; i < CLight::kMaxLights; ++i)
    {
        lights.push_back(std::make_unique<CLight>());
        EXPECT_TRUE(lights.back()->HasNumber());
        EXPECT_EQ(lights.back()->GetId(), static_cast<GLenum>(GL_LIGHT0 + i));
        ids.insert(lights.back()->GetId());
    }
    EXPECT_EQ(CLight::GetLiveCount(), 8);
    CLight ninth;
    EXPECT_FALSE(ninth.HasNumber());
    EXPECT_EQ(ids.count(ninth.GetId()), 0u);
    lights.erase(lights.begin() + 3);
    CLight tenth;
    EXPECT_EQ(tenth.GetId(), static_cast<GLenum>(GL_LIGHT3));
}

TEST(CLightTest, DirectionalOnlyForTheValueOne)
{
    CLight light;
    light.SetPosition(0.0f, 0.0f, 35.0f, 1);
    EXPECT_FLOAT_EQ(light.GetPosition().w, 0.0f);
    EXPECT_FLOAT_EQ(light.GetPosition().z, 35.0f);
    light.SetPosition(1.0f, 2.0f, 3.0f, 0);
    EXPECT_FLOAT_EQ(light.GetPosition().w, 1.0f);
    light.SetPosition(CVector4(4.0f, 5.0f, 6.0f), 2);
    EXPECT_FLOAT_EQ(light.GetPosition().w, 1.0f);
}
