// The code the GL driver runs only to make a context stays resident until
// the window's first frame is out, then leaves the resident set. A program
// of its own: the driver's libraries must be new to the process when the
// window is made.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "platform/CMappedCode.h"
#include "platform/CPlatform.h"
#include "platform/CPlatformWindow.h"

namespace
{
// Kilobytes of the ranges' pages in this process's resident set.
long ResidentKb(const CMappedCode& code)
{
    std::set<uintptr_t> starts;
    for (const CMappedCode::SRange& range : code.Ranges())
        starts.insert(range.start);
    std::ifstream in("/proc/self/smaps");
    std::string line;
    bool inRange = false;
    long total = 0;
    while (std::getline(in, line))
    {
        const std::string first = line.substr(0, line.find(' '));
        if (first.find('-') != std::string::npos && first.back() != ':')
        {
            inRange = starts.count(std::stoull(first.substr(0, first.find('-')), nullptr, 16)) != 0;
            continue;
        }
        if (inRange && line.rfind("Rss:", 0) == 0)
            total += std::stol(line.substr(4));
    }
    return total;
}
}

TEST(CPlatformWindow, DriverStartCodeLeavesTheResidentSetAfterTheFirstFrame)
{
    if (std::getenv("DISPLAY") == nullptr || !CPlatform::Init())
        GTEST_SKIP() << "no display";
    const CMappedCode before = CMappedCode::OfThisProcess();
    CPlatformWindow window;
    if (!window.Create("Marblewend", 0, 0, 320, 200, true))
        GTEST_SKIP() << "no GL window";
    const CMappedCode driver = CMappedCode::OfThisProcess().AddedSince(before);
    ASSERT_FALSE(driver.Ranges().empty());

    // Still there for the first frame, which would otherwise fault it in.
    const long made = ResidentKb(driver);
    EXPECT_GT(made, 1024);
    window.SwapBuffers();
    EXPECT_LT(ResidentKb(driver), made / 4);

    window.Destroy();
    CPlatform::Shutdown();
}
