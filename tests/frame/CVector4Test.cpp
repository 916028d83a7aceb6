#include <gtest/gtest.h>

#include "engine/gfx/CVector4.h"

TEST(CVector4, DefaultIsOriginWithWeightOne)
{
    const CVector4 v;
    EXPECT_EQ(0.0f, v.x);
    EXPECT_EQ(0.0f, v.y);
    EXPECT_EQ(0.0f, v.z);
    EXPECT_EQ(1.0f, v.w);
}

TEST(CVector4, SumDifferenceAndProductHaveWeightOneEvenFromZeroWeights)
{
    CVector4 a(1.0f, 2.0f, 3.0f);
    CVector4 b(4.0f, 5.0f, 6.0f);
    a.w = 0.0f;
    b.w = 0.0f;
    const CVector4 sum = a + b;
    EXPECT_EQ(5.0f, sum.x);
    EXPECT_EQ(7.0f, sum.y);
    EXPECT_EQ(9.0f, sum.z);
    EXPECT_EQ(1.0f, sum.w);
    const CVector4 diff = b - a;
    EXPECT_EQ(3.0f, diff.x);
    EXPECT_EQ(1.0f, diff.w);
    const CVector4 twice = a * 2.0f;
    EXPECT_EQ(2.0f, twice.x);
    EXPECT_EQ(6.0f, twice.z);
    EXPECT_EQ(1.0f, twice.w);
}

TEST(CVector4, InPlaceOperationsKeepTheWeight)
{
    CVector4 v(1.0f, 1.0f, 1.0f);
    v.w = 0.0f;
    v += CVector4(1.0f, 2.0f, 3.0f);
    EXPECT_EQ(2.0f, v.x);
    EXPECT_EQ(4.0f, v.z);
    EXPECT_EQ(0.0f, v.w);
    v *= 2.0f;
    EXPECT_EQ(4.0f, v.x);
    EXPECT_EQ(0.0f, v.w);
}

TEST(CVector4, AssignedCopyIsIndependentOfItsSource)
{
    CVector4 source(1.0f, 2.0f, 3.0f);
    CVector4 target;
    target = source;
    source.x = 9.0f;
    EXPECT_EQ(1.0f, target.x);
    target.GetData()[0] = 5.0f;
    EXPECT_EQ(5.0f, target.x);
    EXPECT_EQ(9.0f, source.x);
}

TEST(CVector4, NormalizeIgnoresTheWeight)
{
    CVector4 v(3.0f, 4.0f, 0.0f);
    v.w = 0.0f;
    v.Normalize();
    EXPECT_FLOAT_EQ(0.6f, v.x);
    EXPECT_FLOAT_EQ(0.8f, v.y);
    EXPECT_EQ(0.0f, v.z);
    EXPECT_EQ(0.0f, v.w);
}

TEST(CVector4, NormalizingAZeroVectorLeavesItUnchanged)
{
    CVector4 v;
    v.Normalize();
    EXPECT_EQ(0.0f, v.x);
    EXPECT_EQ(0.0f, v.y);
    EXPECT_EQ(0.0f, v.z);
    EXPECT_EQ(1.0f, v.w);
}

TEST(CVector4, LengthsAndSet)
{
    CVector4 v;
    v.Set(2.0f, 3.0f, 6.0f);
    EXPECT_EQ(49.0f, v.LengthSquared());
    EXPECT_FLOAT_EQ(7.0f, v.Length());
    EXPECT_EQ(1.0f, v.w);
}

TEST(CVector4, DataIsFourContiguousFloatsXFirst)
{
    CVector4 v(1.0f, 2.0f, 3.0f);
    const float* data = v.GetConstData();
    EXPECT_EQ(1.0f, data[0]);
    EXPECT_EQ(2.0f, data[1]);
    EXPECT_EQ(3.0f, data[2]);
    EXPECT_EQ(1.0f, data[3]);
    EXPECT_EQ(4 * sizeof(float), sizeof(CVector4));
}

TEST(CVector4, FloatAbs)
{
    EXPECT_EQ(0.5f, FloatAbs(-0.5f));
    EXPECT_EQ(0.0f, FloatAbs(0.0f));
    EXPECT_EQ(2.0f, FloatAbs(2.0f));
}
