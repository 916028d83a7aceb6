#pragma once
// The code of the shared libraries mapped into this process, as the kernel
// lists it. The GL driver's libraries run a great deal of code once, while
// the context is made (the shader compiler registers itself whole), and
// each page of it stays in the process's resident set after: taken once the
// context exists, the pages it added can be given back. They are clean
// pages of the library files, shared and still cached; what the driver runs
// again comes back on its first use.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMappedCode
{
public:
    struct SRange
    {
        uintptr_t start = 0;
        uintptr_t end = 0;
        std::string path;
    };

    // Read from /proc/self/maps; empty where that cannot be read.
    static CMappedCode OfThisProcess();
    // The read-only executable mappings of files in a maps listing; lines
    // that do not parse are skipped.
    static CMappedCode Parse(const std::string& maps);

    // The code of the files that `before` did not have mapped.
    CMappedCode AddedSince(const CMappedCode& before) const;
    // Drops the resident pages of every range; returns the bytes the ranges
    // cover that were given back.
    size_t Release() const;

    const std::vector<SRange>& Ranges() const { return m_ranges; }

private:
    std::vector<SRange> m_ranges;
};
