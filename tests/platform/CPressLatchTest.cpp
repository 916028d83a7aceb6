#include <gtest/gtest.h>

#include "platform/CPressLatch.h"

#include <string>

TEST(CPressLatch, APressIsSeenOnceEvenWhenReleasedWithinTheFrame)
{
    // Steps: P press, R release, X expire latches, S snapshot (then the
    // expected held flag: 1 or 0).
    const struct
    {
        const char* steps;
    } cases[] = {{"PRS1S0"}, {"PS1S1RS0"}, {"PRXS0"}, {"PXS1"}};
    for (const auto& c : cases)
    {
        CPressLatch latch(4);
        const std::string steps = c.steps;
        for (std::size_t i = 0; i < steps.size(); ++i)
        {
            if (steps[i] == 'P')
                latch.Press(2);
            else if (steps[i] == 'R')
                latch.Release(2);
            else if (steps[i] == 'X')
                latch.ExpireLatches();
            else if (steps[i] == 'S')
            {
                unsigned char bytes[4] = {0, 0, 0, 0};
                latch.Snapshot(bytes, 4);
                EXPECT_EQ(bytes[2], steps[++i] == '1' ? 0x80 : 0) << c.steps << " at " << i;
                EXPECT_EQ(bytes[0] | bytes[1] | bytes[3], 0) << c.steps;
            }
        }
    }
}
