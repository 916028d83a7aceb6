#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reader of RIFF/WAVE files. The chunks "fmt " and "data" are found in any
// order among other chunks; odd-sized chunks are padded to an even size.
// Every size claimed by the file is checked against the bytes really there.
class CWaveFile
{
public:
    static constexpr uint16_t kTagPcm = 1;
    static constexpr uint16_t kTagFloat = 3;
    static constexpr uint16_t kTagExtensible = 0xFFFE;
    // Larger files are refused before anything is allocated for them.
    static constexpr size_t kMaxFileSize = 64u << 20;

    struct Format
    {
        uint16_t tag = 0;
        uint16_t channels = 0;
        uint32_t samples_per_sec = 0;
        uint32_t avg_bytes_per_sec = 0;
        uint16_t block_align = 0;
        uint16_t bits_per_sample = 0;
        // Extra bytes of a non-PCM format record (0 for PCM).
        std::vector<uint8_t> extra;
    };

    bool Open(const std::string& path);
    bool OpenMemory(std::vector<uint8_t> bytes);
    void Close();
    bool IsOpen() const { return m_open; }

    // Reads at most `count` data bytes; `read` gets how many came.
    bool Read(size_t count, uint8_t* destination, size_t& read);
    // Back to the first data byte.
    bool Reset();

    const Format& GetFormat() const { return m_format; }
    size_t GetDataSize() const { return m_data_size; }
    size_t GetBytesLeft() const { return m_data_size - m_data_read; }

private:
    bool Parse();

    std::vector<uint8_t> m_bytes;
    Format m_format;
    size_t m_data_offset = 0;
    size_t m_data_size = 0;
    size_t m_data_read = 0;
    bool m_open = false;
};
