#include "tests/files/CTempDir.h"

#include <filesystem>
#include <set>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace fs = std::filesystem;

CTempDir::CTempDir(EMode mode)
{
    std::string pattern = (fs::temp_directory_path() / "mw_files_XXXXXX").string();
    if (mkdtemp(&pattern[0]) == nullptr)
        throw std::runtime_error("cannot make a temporary directory");
    m_path = pattern;
    if (mode == kEnter)
    {
        m_old_dir = fs::current_path().string();
        fs::current_path(m_path);
    }
}

CTempDir::~CTempDir()
{
    std::error_code error;
    if (!m_old_dir.empty())
        fs::current_path(m_old_dir, error);
    fs::remove_all(m_path, error);
}

void CTempDir::WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

void CTempDir::WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<unsigned char> CTempDir::ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string CTempDir::ReadText(const std::string& path)
{
    const std::vector<unsigned char> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool CTempDir::Exists(const std::string& path)
{
    return access(path.c_str(), F_OK) == 0;
}

std::vector<std::string> CTempDir::List() const
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_path))
        names.insert(entry.path().filename().string());
    return std::vector<std::string>(names.begin(), names.end());
}
