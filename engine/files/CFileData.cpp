#include "engine/files/CFileData.h"

#include <utility>

CFileData::CFileData(std::unique_ptr<unsigned char[]> data, std::uint32_t size, std::uint32_t offset,
                     char flag)
    : m_data(std::move(data)), m_size(size), m_offset(offset), m_flag(flag)
{
}

void CFileData::Free()
{
    m_data.reset();
}
