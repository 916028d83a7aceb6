#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Builds a resource pack in the form the game reads: "LB", the u32 entry
// count, then per entry the u32 name length, the name, the u32 size, the
// flag byte and the data, all little-endian. Entries keep the order added.
class CPackWriter
{
public:
    explicit CPackWriter(const std::string& passPhrase);

    // False (with a reason) for an empty name, a name of 100 bytes or more,
    // or data too large for the format.
    bool Add(const std::string& name, const std::vector<unsigned char>& data, bool scramble,
             std::string* error = nullptr);

    std::vector<unsigned char> Build() const;
    bool Write(const std::string& path) const;

    std::size_t GetEntryCount() const { return m_entries.size(); }

private:
    struct SEntry
    {
        std::string name;
        std::vector<unsigned char> data;   // already scrambled when flagged
        bool scrambled = false;
    };

    std::string m_pass_phrase;
    std::vector<SEntry> m_entries;
};
