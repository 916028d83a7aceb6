#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/game/CGameFrameCache.h"

namespace
{
using EMode = CGameFrameCache::EMode;
}

// Steps: a letter is a frame's fingerprint (A, B; 0 none), '-' a frame that
// may not be held, f Forget, x the capture failing; then the mode chosen
// (W whole, C capture, P compose). No GL context: the back buffer never
// holds a marked frame, so a held frame is composed, never partial.
TEST(CGameFrameCache, AFrameIsHeldOnlyOnceItsFingerprintRepeatsAndWhileItMayBe)
{
    const struct
    {
        const char* steps;
        const char* modes;
    } cases[] = {
        {"AAAA", "WCPP"},    // the second same print captures, later ones lay it
        {"AABBB", "WCWCP"},  // a change draws whole, then captures anew
        {"AA-AA", "WCWCP"},  // a frame that may not be held drops the picture
        {"AAfAAA", "WCWCP"}, // forgotten: whole, then the picture drawn anew
        {"AAxAAA", "WCWCP"}, // a failed capture is tried again later
        {"000", "WWW"},      // without a fingerprint nothing is held
    };
    for (const auto& c : cases)
    {
        CGameFrameCache cache;
        std::string modes;
        char last = 0;
        for (const char* step = c.steps; *step; ++step)
        {
            if (*step == 'f')
            {
                cache.Forget();
                continue;
            }
            if (*step == 'x')
            {
                cache.CaptureFailed();
                continue;
            }
            const bool canHold = *step != '-';
            const char print = canHold ? *step : last;
            last = print;
            std::vector<unsigned char> bytes;
            if (print != '0')
                bytes.push_back(static_cast<unsigned char>(print));
            switch (cache.Choose(bytes, canHold))
            {
            case EMode::Whole:
                modes += 'W';
                break;
            case EMode::Capture:
                modes += 'C';
                break;
            case EMode::Compose:
                modes += 'P';
                break;
            case EMode::Partial:
                modes += 'p';
                break;
            case EMode::Patch:
                modes += 'h';
                break;
            }
        }
        EXPECT_EQ(c.modes, modes) << c.steps;
    }
}

namespace
{
using SRect = CDraw2D::SRect;
using SPartStamp = CGameFrameCache::SPartStamp;

// Parts written "key:hash@x", one a line: a part of key and hash drawn
// within a 10 x 10 square at (x, 0). Sorted by key, as the cache sorts them.
std::vector<SPartStamp> Parts(const std::vector<std::string>& lines)
{
    std::vector<SPartStamp> parts;
    for (const std::string& line : lines)
    {
        SPartStamp part;
        unsigned key = 0;
        char hash = 0;
        float x = 0.0f;
        std::sscanf(line.c_str(), "%u:%c@%f", &key, &hash, &x);
        part.key = key;
        part.hash = static_cast<std::uint64_t>(hash);
        part.rect = {x, 0.0f, 10.0f, 10.0f};
        parts.push_back(part);
    }
    return parts;
}

std::vector<float> Lefts(const std::vector<SRect>& rects)
{
    std::vector<float> lefts;
    for (const SRect& rect : rects)
        lefts.push_back(rect.x);
    std::sort(lefts.begin(), lefts.end());
    return lefts;
}
} // namespace

TEST(CGameFrameCache, APartIsDrawnAgainWhereItWasAndWhereItIsOnlyWhenItChanged)
{
    const struct
    {
        const char* what;
        std::vector<std::string> last, now;
        std::vector<float> lefts;
    } cases[] = {
        {"nothing changed", {"1:a@0", "2:b@20"}, {"1:a@0", "2:b@20"}, {}},
        {"values changed", {"1:a@0", "2:b@20"}, {"1:a@0", "2:c@20"}, {20, 20}},
        {"moved", {"1:a@0", "2:b@20"}, {"1:a@0", "2:b@50"}, {20, 50}},
        {"gone", {"1:a@0", "2:b@20"}, {"1:a@0"}, {20}},
        {"come", {"1:a@0"}, {"1:a@0", "3:d@70"}, {70}},
        {"one gone, another come", {"1:a@0", "2:b@20"}, {"1:a@0", "3:b@20"}, {20, 20}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lefts, Lefts(CGameFrameCache::ChangedRects(Parts(c.last), Parts(c.now)))) << c.what;
}

TEST(CGameFrameCache, ChangedRectanglesAreClippedAndJoinedIntoAFew)
{
    const struct
    {
        const char* what;
        std::vector<SRect> rects;
        std::size_t most;
        std::vector<std::vector<float>> joined; // x, y, width, height
    } cases[] = {
        {"apart and few: kept", {{0, 0, 10, 10}, {100, 100, 10, 10}}, 4, {{0, 0, 10, 10}, {100, 100, 10, 10}}},
        {"overlapping: one", {{0, 0, 10, 10}, {5, 5, 10, 10}}, 4, {{0, 0, 15, 15}}},
        {"too many: the nearest joined",
         {{0, 0, 10, 10}, {12, 0, 10, 10}, {300, 300, 10, 10}},
         2,
         {{0, 0, 22, 10}, {300, 300, 10, 10}}},
        {"off the screen: clipped or dropped", {{-5, -5, 10, 10}, {900, 0, 10, 10}}, 4, {{0, 0, 5, 5}}},
    };
    for (const auto& c : cases)
    {
        const std::vector<SRect> joined = CGameFrameCache::JoinRects(c.rects, c.most, 800.0f, 600.0f);
        std::vector<std::vector<float>> got;
        for (const SRect& r : joined)
            got.push_back({r.x, r.y, r.width, r.height});
        std::sort(got.begin(), got.end());
        EXPECT_EQ(c.joined, got) << c.what;
    }
}

// Without a GL context the back buffer never holds the last frame, so a
// held picture whose parts changed is captured anew, never patched; what
// is tested here is when the picture may be kept at all.
TEST(CGameFrameCache, OnlyChangesInsidePartsKeepThePicture)
{
    const struct
    {
        const char* what;
        std::vector<std::vector<std::string>> frames;
        std::vector<unsigned char> outside; // the values outside parts, a frame each
        const char* modes;
    } cases[] = {
        {"a part moving", {{"1:a@0"}, {"1:a@0"}, {"1:a@40"}, {"1:a@80"}}, {'A', 'A', 'A', 'A'}, "WCCC"},
        {"outside changed", {{"1:a@0"}, {"1:a@0"}, {"1:a@0"}}, {'A', 'A', 'B'}, "WCW"},
        {"a key twice", {{"1:a@0", "1:b@30"}, {"1:a@0", "1:b@30"}}, {'A', 'A'}, "WW"},
        {"parts changing from the start", {{"1:a@0"}, {"1:b@0"}, {"1:c@0"}}, {'A', 'A', 'A'}, "WCC"},
    };
    for (const auto& c : cases)
    {
        CGameFrameCache cache;
        std::string modes;
        for (std::size_t f = 0; f < c.frames.size(); ++f)
        {
            std::vector<unsigned char> bytes = {c.outside[f]};
            std::vector<SPartStamp> parts = Parts(c.frames[f]);
            const EMode mode = cache.Choose(bytes, parts, true);
            modes += mode == EMode::Whole ? 'W' : mode == EMode::Capture ? 'C' : '?';
        }
        EXPECT_EQ(c.modes, modes) << c.what;
    }
}

TEST(CGameFrameCache, APartCoveringMostOfTheScreenDrawsTheFrameWhole)
{
    CGameFrameCache cache;
    std::vector<EMode> modes;
    for (float width : {10.0f, 10.0f, 700.0f, 10.0f})
    {
        std::vector<unsigned char> bytes = {'A'};
        std::vector<SPartStamp> parts(1);
        parts[0].key = 1;
        parts[0].rect = {0.0f, 0.0f, width, 600.0f};
        modes.push_back(cache.Choose(bytes, parts, true));
    }
    EXPECT_EQ((std::vector<EMode>{EMode::Whole, EMode::Capture, EMode::Whole, EMode::Whole}), modes);
}
