#pragma once

#include <cstdint>
#include <memory>

// One file's bytes as the resource pack returns them. The record owns its
// buffer; Free releases it early. Moved, never copied.
class CFileData
{
public:
    CFileData() = default;
    CFileData(std::unique_ptr<unsigned char[]> data, std::uint32_t size, std::uint32_t offset,
              char flag);

    CFileData(CFileData&&) noexcept = default;
    CFileData& operator=(CFileData&&) noexcept = default;
    CFileData(const CFileData&) = delete;
    CFileData& operator=(const CFileData&) = delete;

    // Not zero-terminated: use GetSize. Null after Free and for an empty file.
    const unsigned char* GetData() const { return m_data.get(); }
    unsigned char* GetData() { return m_data.get(); }
    std::uint32_t GetSize() const { return m_size; }
    std::uint32_t GetOffset() const { return m_offset; }   // 0 for a disk file
    char GetFlag() const { return m_flag; }                // 'y' scrambled in the pack, else 'n'

    void Free();

private:
    std::unique_ptr<unsigned char[]> m_data;
    std::uint32_t m_size = 0;
    std::uint32_t m_offset = 0;
    char m_flag = 'n';
};
