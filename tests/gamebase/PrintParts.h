#pragma once
// A frame print taken apart, for the tests of every kind whose print comes
// in parts (see CFramePrint).

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "shell/game/CFramePrint.h"

// The bytes outside every part, and each part's bytes and record by key;
// unique is false when a key came twice.
struct SPrintParts
{
    std::vector<unsigned char> outside;
    std::map<std::uint64_t, std::vector<unsigned char>> bytes;
    std::map<std::uint64_t, CFramePrint::SPart> parts;
    bool unique = true;
};

SPrintParts SplitPrint(CFramePrint& print);

// What something's AddToPrint prints, taken apart.
template <class T>
SPrintParts PartsOf(const T& drawn)
{
    CFramePrint print;
    drawn.AddToPrint(print);
    return SplitPrint(print);
}

// The keys of the parts that differ between two prints, came or went.
std::set<std::uint64_t> ChangedParts(const SPrintParts& before, const SPrintParts& after);
