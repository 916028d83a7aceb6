#include "platform/CMappedCode.h"

#include <sys/mman.h>
#include <unistd.h>

#include <exception>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

CMappedCode CMappedCode::OfThisProcess()
{
    std::ifstream in("/proc/self/maps");
    std::stringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

CMappedCode CMappedCode::Parse(const std::string& maps)
{
    CMappedCode code;
    std::istringstream lines(maps);
    std::string line;
    while (std::getline(lines, line))
    {
        // "start-end perms offset dev inode path"
        std::istringstream fields(line);
        std::string range, perms, offset, device, inode, path;
        if (!(fields >> range >> perms >> offset >> device >> inode))
            continue;
        std::getline(fields >> std::ws, path);
        // Only code read from a file: written pages (relocated data, the
        // heap) would be lost, and the kernel's own areas are not files.
        // Shared libraries on x86-64 are position independent, so nothing
        // is ever written into their code.
        if (perms != "r-xp" || path.empty() || path[0] != '/')
            continue;
        const size_t dash = range.find('-');
        if (dash == std::string::npos)
            continue;
        SRange r;
        try
        {
            r.start = static_cast<uintptr_t>(std::stoull(range.substr(0, dash), nullptr, 16));
            r.end = static_cast<uintptr_t>(std::stoull(range.substr(dash + 1), nullptr, 16));
        }
        catch (const std::exception&)
        {
            continue;
        }
        if (r.end <= r.start)
            continue;
        r.path = path;
        code.m_ranges.push_back(r);
    }
    return code;
}

CMappedCode CMappedCode::AddedSince(const CMappedCode& before) const
{
    std::set<std::string> known;
    for (const SRange& r : before.m_ranges)
        known.insert(r.path);
    CMappedCode added;
    for (const SRange& r : m_ranges)
        if (known.count(r.path) == 0)
            added.m_ranges.push_back(r);
    return added;
}

size_t CMappedCode::Release() const
{
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    size_t released = 0;
    for (const SRange& r : m_ranges)
    {
        if (r.start % page != 0)
            continue;
        // A private mapping never written reads back from its file, so the
        // pages given back here return unchanged when next run.
        if (madvise(reinterpret_cast<void*>(r.start), r.end - r.start, MADV_DONTNEED) == 0)
            released += r.end - r.start;
    }
    return released;
}
