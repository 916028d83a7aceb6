#include <gtest/gtest.h>

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
        {"AAAA", "WCPP"},   // the second same print captures, later ones lay it
        {"AABBB", "WCWCP"}, // a change draws whole, then captures anew
        {"AA-AA", "WCWCP"}, // a frame that may not be held drops the picture
        {"AAfAAA", "WCWCP"}, // forgotten: whole, then the picture drawn anew
        {"AAxAAA", "WCWCP"}, // a failed capture is tried again later
        {"000", "WWW"},     // without a fingerprint nothing is held
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
            case EMode::Whole: modes += 'W'; break;
            case EMode::Capture: modes += 'C'; break;
            case EMode::Compose: modes += 'P'; break;
            case EMode::Partial: modes += 'p'; break;
            }
        }
        EXPECT_EQ(c.modes, modes) << c.steps;
    }
}
