// The generator draws from fixed seeds only: two runs write the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
std::vector<char> ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
}

TEST(AssetGeneratorTest, TwoRunsWriteIdenticalFiles)
{
    // One directory per process: other build trees may run this test at the same time.
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("mw_assetgen_twice_" + std::to_string(getpid()));
    std::filesystem::remove_all(root);
    const std::filesystem::path first = root / "a";
    const std::filesystem::path second = root / "b";
    const std::string generator = MW_ASSETGEN;
    ASSERT_EQ(std::system((generator + " " + first.string() + " > /dev/null").c_str()), 0);
    ASSERT_EQ(std::system((generator + " " + second.string() + " > /dev/null").c_str()), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(first))
    {
        if (!entry.is_regular_file())
            continue;
        const std::filesystem::path relative = std::filesystem::relative(entry.path(), first);
        const std::filesystem::path other = second / relative;
        ASSERT_TRUE(std::filesystem::exists(other)) << relative;
        EXPECT_EQ(ReadAll(entry.path()), ReadAll(other)) << relative;
        ++files;
    }
    EXPECT_GT(files, 80);
    std::filesystem::remove_all(root);
}
