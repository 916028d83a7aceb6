#include "tests/files/CTempDir.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
void RemoveTree(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode))
    {
        if (DIR* dir = opendir(path.c_str()))
        {
            while (dirent* entry = readdir(dir))
            {
                const std::string name = entry->d_name;
                if (name != "." && name != "..")
                    RemoveTree(path + "/" + name);
            }
            closedir(dir);
        }
        rmdir(path.c_str());
    }
    else
    {
        unlink(path.c_str());
    }
}
}

CTempDir::CTempDir(EMode mode)
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/mw_files_XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr)
        throw std::runtime_error("cannot make a temporary directory");
    m_path = pattern;
    if (mode == kEnter)
    {
        char cwd[4096];
        if (getcwd(cwd, sizeof cwd) == nullptr || chdir(m_path.c_str()) != 0)
            throw std::runtime_error("cannot enter the temporary directory");
        m_old_dir = cwd;
    }
}

CTempDir::~CTempDir()
{
    if (!m_old_dir.empty() && chdir(m_old_dir.c_str()) != 0)
        std::perror("CTempDir");
    RemoveTree(m_path);
}

void CTempDir::WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void CTempDir::WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
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
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::vector<std::string> CTempDir::List() const
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(m_path.c_str()))
    {
        while (dirent* entry = readdir(dir))
        {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}
