#include "tools/packwriter/CPackWriter.h"

#include "engine/files/CAtomicFile.h"
#include "engine/files/CFilePack.h"

#include <cstdint>

namespace
{
void PutU32(std::vector<unsigned char>& out, std::uint64_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
}

CPackWriter::CPackWriter(const std::string& passPhrase) : m_pass_phrase(passPhrase)
{
}

bool CPackWriter::Add(const std::string& name, const std::vector<unsigned char>& data, bool scramble,
                      std::string* error)
{
    if (name.empty() || name.size() > CFilePack::kMaxNameLength)
    {
        if (error != nullptr)
            *error = "name must be 1 to " + std::to_string(CFilePack::kMaxNameLength) + " bytes: " + name;
        return false;
    }
    if (data.size() > 0xFFFFFFFFu)
    {
        if (error != nullptr)
            *error = "file too large for the pack: " + name;
        return false;
    }
    SEntry entry;
    entry.name = name;
    entry.data = data;
    entry.scrambled = scramble;
    // The two passes are their own inverse, so the reader's call undoes this one.
    if (scramble)
        CFilePack::ScrambleEntry(entry.data.data(), entry.data.size(), m_pass_phrase);
    m_entries.push_back(std::move(entry));
    return true;
}

std::vector<unsigned char> CPackWriter::Build() const
{
    std::vector<unsigned char> out = {'L', 'B'};
    PutU32(out, m_entries.size());
    for (const SEntry& entry : m_entries)
    {
        PutU32(out, entry.name.size());
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        PutU32(out, entry.data.size());
        out.push_back(entry.scrambled ? 'y' : 'n');
        out.insert(out.end(), entry.data.begin(), entry.data.end());
    }
    return out;
}

bool CPackWriter::Write(const std::string& path) const
{
    const std::vector<unsigned char> bytes = Build();
    return CAtomicFile::Write(path, bytes.data(), bytes.size());
}
