#include <gtest/gtest.h>

#include "platform/CPressLatch.h"

namespace
{
unsigned char SnapshotOne(CPressLatch& latch, int index)
{
    unsigned char bytes[4] = {0, 0, 0, 0};
    latch.Snapshot(bytes, 4);
    return bytes[index];
}
}

TEST(CPressLatch, PressAndReleaseWithinOneFrameShowsHeldOnce)
{
    CPressLatch latch(4);
    latch.Press(0);
    latch.Release(0);
    EXPECT_FALSE(latch.IsDown(0));
    EXPECT_EQ(0x80, SnapshotOne(latch, 0));
    EXPECT_EQ(0, SnapshotOne(latch, 0));
}

TEST(CPressLatch, HeldButtonStaysHeldAcrossSnapshots)
{
    CPressLatch latch(4);
    latch.Press(1);
    EXPECT_EQ(0x80, SnapshotOne(latch, 1));
    EXPECT_EQ(0x80, SnapshotOne(latch, 1));
    latch.Release(1);
    EXPECT_EQ(0, SnapshotOne(latch, 1));
}

TEST(CPressLatch, ExpiredPressIsNotSeenLater)
{
    CPressLatch latch(4);
    latch.Press(0);
    latch.Release(0);
    latch.ExpireLatches();
    EXPECT_EQ(0, SnapshotOne(latch, 0));
}

TEST(CPressLatch, ExpiryKeepsAButtonThatIsStillHeld)
{
    CPressLatch latch(4);
    latch.Press(2);
    latch.ExpireLatches();
    EXPECT_EQ(0x80, SnapshotOne(latch, 2));
}

TEST(CPressLatch, TakeHeldEndsTheLatchPeriodOfOneEntry)
{
    CPressLatch latch(4);
    latch.Press(3);
    latch.Release(3);
    EXPECT_TRUE(latch.TakeHeld(3));
    EXPECT_FALSE(latch.TakeHeld(3));
}

TEST(CPressLatch, IndicesOutsideTheSetAreIgnored)
{
    CPressLatch latch(2);
    latch.Press(-1);
    latch.Press(2);
    latch.Release(99);
    EXPECT_FALSE(latch.IsDown(-1));
    EXPECT_FALSE(latch.IsDown(2));
    EXPECT_FALSE(latch.TakeHeld(5));
    unsigned char bytes[4] = {1, 1, 1, 1};
    latch.Snapshot(bytes, 4);
    EXPECT_EQ(0, bytes[2]);
    EXPECT_EQ(0, bytes[3]);
}

TEST(CPressLatch, ClearForgetsHeldAndLatched)
{
    CPressLatch latch(2);
    latch.Press(0);
    latch.Press(1);
    latch.Release(1);
    latch.Clear();
    EXPECT_EQ(0, SnapshotOne(latch, 0));
    EXPECT_EQ(0, SnapshotOne(latch, 1));
}
