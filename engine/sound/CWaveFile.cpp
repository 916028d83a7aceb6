#include "engine/sound/CWaveFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace
{
uint16_t ReadU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t ReadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool IsId(const uint8_t* p, const char* id)
{
    return std::memcmp(p, id, 4) == 0;
}
}

bool CWaveFile::Open(const std::string& path)
{
    Close();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxFileSize)
        return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        return false;
    return OpenMemory(std::move(bytes));
}

bool CWaveFile::OpenMemory(std::vector<uint8_t> bytes)
{
    Close();
    if (bytes.size() > kMaxFileSize)
        return false;
    m_bytes = std::move(bytes);
    if (!Parse())
    {
        Close();
        return false;
    }
    m_open = true;
    return true;
}

void CWaveFile::Close()
{
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_format = Format();
    m_data_offset = 0;
    m_data_size = 0;
    m_data_read = 0;
    m_open = false;
}

bool CWaveFile::Parse()
{
    const uint8_t* base = m_bytes.data();
    const size_t file_size = m_bytes.size();
    if (file_size < 12 || !IsId(base, "RIFF") || !IsId(base + 8, "WAVE"))
        return false;
    // A RIFF size beyond the file is common in cut files; the chunks inside
    // are still checked one by one against the real end.
    const size_t riff_end = std::min<uint64_t>(file_size, uint64_t(ReadU32(base + 4)) + 8);

    bool have_format = false;
    bool have_data = false;
    size_t pos = 12;
    while (pos + 8 <= riff_end && !(have_format && have_data))
    {
        const uint8_t* header = base + pos;
        const uint32_t size = ReadU32(header + 4);
        const size_t body = pos + 8;
        const bool fits = uint64_t(size) <= riff_end - body;

        if (IsId(header, "fmt ") && !have_format)
        {
            if (!fits || size < 16)
                return false;
            const uint8_t* f = base + body;
            m_format.tag = ReadU16(f);
            m_format.channels = ReadU16(f + 2);
            m_format.samples_per_sec = ReadU32(f + 4);
            m_format.avg_bytes_per_sec = ReadU32(f + 8);
            m_format.block_align = ReadU16(f + 12);
            m_format.bits_per_sample = ReadU16(f + 14);
            if (m_format.tag != kTagPcm && size >= 18)
            {
                const uint16_t extra = ReadU16(f + 16);
                if (uint32_t(extra) > size - 18)
                    return false;
                m_format.extra.assign(f + 18, f + 18 + extra);
            }
            have_format = true;
        }
        else if (IsId(header, "data") && !have_data)
        {
            // Refused rather than trusted: the claim must fit in the file.
            if (!fits)
                return false;
            m_data_offset = body;
            m_data_size = size;
            have_data = true;
        }
        else if (!fits)
        {
            break;
        }
        pos = body + size + (size & 1);
    }
    if (!have_format || !have_data)
        return false;
    m_data_read = 0;
    return true;
}

bool CWaveFile::Read(size_t count, uint8_t* destination, size_t& read)
{
    read = 0;
    if (!m_open)
        return false;
    const size_t n = std::min(count, GetBytesLeft());
    if (n > 0)
        std::memcpy(destination, m_bytes.data() + m_data_offset + m_data_read, n);
    m_data_read += n;
    read = n;
    return true;
}

bool CWaveFile::Reset()
{
    if (!m_open)
        return false;
    m_data_read = 0;
    return true;
}
