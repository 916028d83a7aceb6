// The generator draws from fixed seeds only: two runs write the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/files/CTempDir.h"

TEST(AssetGeneratorTest, TwoRunsWriteIdenticalFiles)
{
    CTempDir dir;
    const std::filesystem::path first = dir.File("a");
    const std::filesystem::path second = dir.File("b");
    const std::string generator = MW_ASSETGEN;
    ASSERT_EQ(std::system((generator + " " + first.string() + " > /dev/null").c_str()), 0);
    ASSERT_EQ(std::system((generator + " " + second.string() + " > /dev/null").c_str()), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(first))
    {
        if (!entry.is_regular_file())
            continue;
        const std::filesystem::path relative = std::filesystem::relative(entry.path(), first);
        ASSERT_TRUE(CTempDir::Exists((second / relative).string())) << relative;
        EXPECT_EQ(CTempDir::ReadBytes(entry.path().string()), CTempDir::ReadBytes((second / relative).string()))
            << relative;
        ++files;
    }
    EXPECT_GT(files, 80);
}
