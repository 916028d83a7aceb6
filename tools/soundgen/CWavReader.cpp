#include "tools/soundgen/CWavReader.h"

namespace
{
uint32_t Get16(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8);
}

uint32_t Get32(const std::vector<uint8_t>& b, size_t at)
{
    return Get16(b, at) | (Get16(b, at + 2) << 16);
}

bool TagIs(const std::vector<uint8_t>& b, size_t at, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        if (b[at + i] != static_cast<uint8_t>(tag[i]))
            return false;
    return true;
}
}

bool CWavReader::Parse(const std::vector<uint8_t>& bytes, SWavInfo& info, std::string& error)
{
    info = SWavInfo();
    if (bytes.size() < 12 || !TagIs(bytes, 0, "RIFF") || !TagIs(bytes, 8, "WAVE"))
    {
        error = "no RIFF/WAVE header";
        return false;
    }
    if (Get32(bytes, 4) != bytes.size() - 8)
    {
        error = "RIFF size does not match the file size";
        return false;
    }
    bool haveFormat = false;
    bool haveData = false;
    size_t at = 12;
    while (at + 8 <= bytes.size())
    {
        uint32_t size = Get32(bytes, at + 4);
        size_t body = at + 8;
        if (size > bytes.size() - body)
        {
            error = "chunk runs past the end of the file";
            return false;
        }
        if (TagIs(bytes, at, "fmt "))
        {
            if (size < 16)
            {
                error = "fmt chunk shorter than 16 bytes";
                return false;
            }
            info.m_format = static_cast<int>(Get16(bytes, body));
            info.m_channels = static_cast<int>(Get16(bytes, body + 2));
            info.m_rate = static_cast<int>(Get32(bytes, body + 4));
            uint32_t perSecond = Get32(bytes, body + 8);
            uint32_t align = Get16(bytes, body + 12);
            info.m_bits = static_cast<int>(Get16(bytes, body + 14));
            if (info.m_format != 1 || info.m_bits != 16 || info.m_channels < 1 || info.m_channels > 2
                || info.m_rate <= 0)
            {
                error = "not 16-bit PCM in one or two channels";
                return false;
            }
            if (align != static_cast<uint32_t>(info.m_channels * 2)
                || perSecond != align * static_cast<uint32_t>(info.m_rate))
            {
                error = "inconsistent block alignment or byte rate";
                return false;
            }
            haveFormat = true;
        }
        else if (TagIs(bytes, at, "data"))
        {
            if (!haveFormat)
            {
                error = "data chunk before fmt chunk";
                return false;
            }
            if (size % (2 * info.m_channels) != 0)
            {
                error = "data is not a whole number of frames";
                return false;
            }
            info.m_samples.resize(size / 2);
            for (size_t i = 0; i < info.m_samples.size(); ++i)
                info.m_samples[i] = static_cast<int16_t>(Get16(bytes, body + 2 * i));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
    {
        error = "missing fmt or data chunk";
        return false;
    }
    return true;
}
