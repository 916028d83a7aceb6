#include "engine/gfx/CLight.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

TEST(CLightTest, NewLightHasTheDefaultColoursAndAPositionalOrigin)
{
    CLight light;
    EXPECT_FLOAT_EQ(light.GetAmbient().x, 0.2f);
    EXPECT_FLOAT_EQ(light.GetDiffuse().y, 1.0f);
    EXPECT_FLOAT_EQ(light.GetSpecular().z, 0.5f);
    EXPECT_FLOAT_EQ(light.GetPosition().w, 1.0f);
    EXPECT_FLOAT_EQ(light.GetExtraColor().x, 0.0f);
    EXPECT_FLOAT_EQ(light.GetExtraColor().w, 1.0f);
}

TEST(CLightTest, LightsAliveTogetherDriveSuccessiveNumbers)
{
    CLight first;
    CLight second;
    EXPECT_EQ(first.GetId(), static_cast<GLenum>(GL_LIGHT0));
    EXPECT_EQ(second.GetId(), static_cast<GLenum>(GL_LIGHT1));
    EXPECT_EQ(CLight::GetLiveCount(), 2);
}

TEST(CLightTest, NumberIsFreeAgainOnceItsLightIsGone)
{
    {
        CLight only;
        EXPECT_EQ(only.GetId(), static_cast<GLenum>(GL_LIGHT0));
    }
    CLight next;
    EXPECT_EQ(next.GetId(), static_cast<GLenum>(GL_LIGHT0));
}

TEST(CLightTest, LightsDestroyedOutOfOrderNeverShareANumber)
{
    auto a = std::make_unique<CLight>();
    auto b = std::make_unique<CLight>();
    auto c = std::make_unique<CLight>();
    a.reset();
    CLight d;
    std::set<GLenum> ids{b->GetId(), c->GetId(), d.GetId()};
    EXPECT_EQ(ids.size(), 3u);
    EXPECT_EQ(d.GetId(), static_cast<GLenum>(GL_LIGHT0));
}

TEST(CLightTest, NinthLiveLightGetsNoNumber)
{
    std::vector<std::unique_ptr<CLight>> lights;
    std::set<GLenum> ids;
    for (int i = 0; i < CLight::kMaxLights; ++i)
    {
        lights.push_back(std::make_unique<CLight>());
        EXPECT_TRUE(lights.back()->HasNumber());
        ids.insert(lights.back()->GetId());
    }
    EXPECT_EQ(ids.size(), 8u);
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
    EXPECT_FLOAT_EQ(light.GetPosition().x, 4.0f);
}
