#include "tools/soundgen/CFileWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

bool CFileWriter::WriteAtomically(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::filesystem::path target(path);
    std::error_code ec;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), ec);
    std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out)
        {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    std::filesystem::rename(temp, target, ec);
    if (ec)
    {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool CFileWriter::ReadWhole(const std::string& path, std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
