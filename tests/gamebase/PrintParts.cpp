#include "tests/gamebase/PrintParts.h"

SPrintParts SplitPrint(CFramePrint& print)
{
    print.EndPart();
    SPrintParts split;
    const std::vector<unsigned char>& bytes = print.GetBytes();
    std::size_t from = 0;
    for (const CFramePrint::SPart& part : print.GetParts())
    {
        split.outside.insert(split.outside.end(), bytes.begin() + from, bytes.begin() + part.begin);
        from = part.end;
        split.unique = split.parts.count(part.key) == 0 && split.unique;
        split.parts[part.key] = part;
        split.bytes[part.key].assign(bytes.begin() + part.begin, bytes.begin() + part.end);
    }
    split.outside.insert(split.outside.end(), bytes.begin() + from, bytes.end());
    return split;
}

std::set<std::uint64_t> ChangedParts(const SPrintParts& before, const SPrintParts& after)
{
    std::set<std::uint64_t> changed;
    for (const auto& part : before.bytes)
    {
        auto now = after.bytes.find(part.first);
        if (now == after.bytes.end() || now->second != part.second)
            changed.insert(part.first);
    }
    for (const auto& part : after.bytes)
        if (before.bytes.count(part.first) == 0)
            changed.insert(part.first);
    return changed;
}
