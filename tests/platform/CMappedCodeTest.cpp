#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/CMappedCode.h"
#include "tests/files/CTempDir.h"

namespace
{
// Kilobytes of a range that are in this process's resident set.
long ResidentKb(uintptr_t start)
{
    std::ifstream in("/proc/self/smaps");
    std::string line;
    bool inRange = false;
    while (std::getline(in, line))
    {
        const std::string first = line.substr(0, line.find(' '));
        if (first.find('-') != std::string::npos && first.back() != ':')
        {
            inRange = std::stoull(line.substr(0, line.find('-')), nullptr, 16) == start;
            continue;
        }
        if (inRange && line.rfind("Rss:", 0) == 0)
            return std::stol(line.substr(4));
    }
    return -1;
}
}

TEST(CMappedCode, OnlyCodeMappedFromAFileIsTaken)
{
    struct SCase
    {
        const char* line;
        bool taken;
    };
    const SCase cases[] = {
        {"7f00aa000000-7f00aa200000 r-xp 00010000 08:01 1234 /usr/lib/libdriver.so.1", true},
        {"7f00aa200000-7f00aa300000 r--p 00210000 08:01 1234 /usr/lib/libdriver.so.1", false},
        {"7f00aa300000-7f00aa310000 rw-p 00310000 08:01 1234 /usr/lib/libdriver.so.1", false},
        {"7f00ab000000-7f00ab001000 r-xs 00000000 00:01 99 /dev/shm/shared", false},
        {"7f00ac000000-7f00ac100000 r-xp 00000000 00:00 0 ", false},
        {"7f00ac100000-7f00ac101000 r-xp 00000000 00:00 0 [vdso]", false},
        {"7f00ad000000-7f00ad100000 r-xp 00002000 08:01 77 /usr/lib/with space/libx.so", true},
        {"zz-7f00ad100000 r-xp 00000000 08:01 77 /usr/lib/liby.so", false},
        {"7f00ae100000-7f00ae000000 r-xp 00000000 08:01 77 /usr/lib/libz.so", false},
        {"7f00af000000 r-xp", false},
        {"", false},
    };
    for (const SCase& c : cases)
    {
        const CMappedCode code = CMappedCode::Parse(c.line);
        EXPECT_EQ(c.taken ? 1u : 0u, code.Ranges().size()) << c.line;
    }
    const CMappedCode spaced = CMappedCode::Parse(cases[6].line);
    ASSERT_EQ(1u, spaced.Ranges().size());
    EXPECT_EQ(0x7f00ad000000u, spaced.Ranges()[0].start);
    EXPECT_EQ(0x7f00ad100000u, spaced.Ranges()[0].end);
    EXPECT_EQ("/usr/lib/with space/libx.so", spaced.Ranges()[0].path);
}

TEST(CMappedCode, AddedSinceKeepsOnlyFilesNotMappedBefore)
{
    const CMappedCode before = CMappedCode::Parse(
        "00400000-00500000 r-xp 00000000 08:01 1 /usr/bin/game\n"
        "7f0000000000-7f0000100000 r-xp 00000000 08:01 2 /usr/lib/libc.so.6\n");
    // The driver's library arrives in two pieces of code, and the C library
    // shows again at another address after the window is made.
    const CMappedCode after = CMappedCode::Parse(
        "00400000-00500000 r-xp 00000000 08:01 1 /usr/bin/game\n"
        "7f0000000000-7f0000100000 r-xp 00000000 08:01 2 /usr/lib/libc.so.6\n"
        "7f0000200000-7f0000300000 r-xp 00000000 08:01 2 /usr/lib/libc.so.6\n"
        "7f1000000000-7f1000800000 r-xp 00000000 08:01 3 /usr/lib/libdriver.so\n"
        "7f1000800000-7f1000900000 rw-p 00800000 08:01 3 /usr/lib/libdriver.so\n"
        "7f1000a00000-7f1000b00000 r-xp 00a00000 08:01 3 /usr/lib/libdriver.so\n");
    const CMappedCode added = after.AddedSince(before);
    ASSERT_EQ(2u, added.Ranges().size());
    EXPECT_EQ(0x7f1000000000u, added.Ranges()[0].start);
    EXPECT_EQ(0x7f1000a00000u, added.Ranges()[1].start);
    EXPECT_TRUE(CMappedCode::Parse("").AddedSince(before).Ranges().empty());
}

TEST(CMappedCode, ReleasedPagesLeaveTheResidentSetAndReadBackUnchanged)
{
    CTempDir dir;
    const std::string path = dir.File("code.bin");
    const size_t size = 64 * 4096;
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + i / 4096);
    CTempDir::WriteBytes(path, bytes);
    const int fd = open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    close(fd);
    ASSERT_NE(MAP_FAILED, map);
    const volatile unsigned char* touch = static_cast<const unsigned char*>(map);
    for (size_t i = 0; i < size; i += 4096)
        (void)touch[i];
    const uintptr_t start = reinterpret_cast<uintptr_t>(map);
    EXPECT_EQ(static_cast<long>(size / 1024), ResidentKb(start));

    std::ostringstream line;
    line << std::hex << start << "-" << start + size << " r-xp 00000000 08:01 5 " << path;
    const CMappedCode code = CMappedCode::Parse(line.str());
    EXPECT_EQ(size, code.Release());
    EXPECT_EQ(0, ResidentKb(start));
    EXPECT_EQ(0, std::memcmp(bytes.data(), map, size));
    munmap(map, size);
}
