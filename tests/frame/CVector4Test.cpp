#include <gtest/gtest.h>

#include "engine/gfx/CVector4.h"

TEST(CVector4, NewResultsHaveWeightOneWhileInPlaceOperationsKeepTheWeight)
{
    CVector4 a(1.0f, 2.0f, 3.0f);
    CVector4 b(4.0f, 5.0f, 6.0f);
    a.w = 0.0f;
    b.w = 0.0f;
    for (const CVector4& v : {a + b, b - a, a * 2.0f})
        EXPECT_EQ(1.0f, v.w);
    EXPECT_EQ(9.0f, (a + b).z);
    EXPECT_EQ(3.0f, (b - a).x);
    EXPECT_EQ(6.0f, (a * 2.0f).z);
    a += b;
    a *= 2.0f;
    EXPECT_EQ(10.0f, a.x);
    EXPECT_EQ(0.0f, a.w);
    // GL takes the four floats, x first.
    EXPECT_EQ(4 * sizeof(float), sizeof(CVector4));
    EXPECT_EQ(10.0f, a.GetConstData()[0]);
}

TEST(CVector4, NormalizeIgnoresTheWeightAndLeavesAZeroVector)
{
    CVector4 v(3.0f, 4.0f, 0.0f);
    v.w = 0.0f;
    EXPECT_FLOAT_EQ(5.0f, v.Length());
    v.Normalize();
    EXPECT_FLOAT_EQ(0.6f, v.x);
    EXPECT_FLOAT_EQ(0.8f, v.y);
    EXPECT_EQ(0.0f, v.w);
    CVector4 zero;
    zero.Normalize();
    EXPECT_EQ(0.0f, zero.x);
    EXPECT_EQ(1.0f, zero.w);
}
