#include <gtest/gtest.h>

#include "engine/gfx/CVector4.h"

namespace
{
CVector4 Weighted(float x, float y, float z, float w)
{
    CVector4 v(x, y, z);
    v.w = w;
    return v;
}
}

// GL takes the four floats, x first.
static_assert(sizeof(CVector4) == 4 * sizeof(float), "CVector4 must stay four packed floats");

TEST(CVector4, ArithmeticActsOnXyzNewResultsWeighOneInPlaceOperationsKeepTheWeight)
{
    const CVector4 a = Weighted(1.0f, 2.0f, 3.0f, 0.0f);
    const CVector4 b = Weighted(4.0f, 5.0f, 6.0f, 0.0f);
    const struct
    {
        const char* name;
        CVector4 got;
        CVector4 want;
    } cases[] = {
        {"a + b", a + b, Weighted(5.0f, 7.0f, 9.0f, 1.0f)},
        {"b - a", b - a, Weighted(3.0f, 3.0f, 3.0f, 1.0f)},
        {"a * 2", a * 2.0f, Weighted(2.0f, 4.0f, 6.0f, 1.0f)},
        {"(a += b) *= 2", (CVector4(a) += b) *= 2.0f, Weighted(10.0f, 14.0f, 18.0f, 0.0f)},
        {"normalized", Weighted(3.0f, 4.0f, 0.0f, 0.0f).Normalize(), Weighted(0.6f, 0.8f, 0.0f, 0.0f)},
        {"zero normalized stays zero", CVector4().Normalize(), CVector4()},
    };
    for (const auto& c : cases)
        for (int i = 0; i < 4; ++i)
            EXPECT_FLOAT_EQ(c.want.GetConstData()[i], c.got.GetConstData()[i]) << c.name << ", component " << i;
    EXPECT_FLOAT_EQ(5.0f, Weighted(3.0f, 4.0f, 0.0f, 7.0f).Length()) << "the weight is no part of the length";
}
