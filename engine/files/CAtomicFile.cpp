#include "engine/files/CAtomicFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <set>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const CAtomicFile::kTempMark = ".tmp-";

namespace
{
std::string g_last_error;
std::vector<std::string> g_failures;
std::set<std::string> g_told;

bool Fail(int error)
{
    g_last_error = std::strerror(error);
    return false;
}

bool Fail(const std::string& path, int error)
{
    Fail(error);
    const std::string line = path + ": " + g_last_error;
    if (g_told.insert(path).second)
    {
        std::fprintf(stderr, "Marblewend: could not write %s\n", line.c_str());
        g_failures.push_back(line);
    }
    return false;
}

bool IsTemporaryName(const std::string& name)
{
    const std::size_t mark = std::strlen(CAtomicFile::kTempMark);
    if (name.size() <= mark + 6)
        return false;
    const std::size_t at = name.size() - 6 - mark;
    if (name.compare(at, mark, CAtomicFile::kTempMark) != 0)
        return false;
    for (std::size_t i = name.size() - 6; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}
}

std::vector<std::string> CAtomicFile::TakeFailures()
{
    std::vector<std::string> taken;
    taken.swap(g_failures);
    return taken;
}

const std::string& CAtomicFile::GetLastError()
{
    return g_last_error;
}

int CAtomicFile::RemoveStaleTemporaries(const std::string& dir)
{
    DIR* listing = opendir(dir.c_str());
    if (listing == nullptr)
        return 0;
    int removed = 0;
    while (const dirent* entry = readdir(listing))
    {
        const std::string name = entry->d_name;
        if (IsTemporaryName(name) && std::remove((dir + "/" + name).c_str()) == 0)
            ++removed;
    }
    closedir(listing);
    return removed;
}

bool CAtomicFile::MakeDirectories(const std::string& dir)
{
    if (dir.empty())
        return true;
    struct stat st;
    if (stat(dir.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::size_t slash = dir.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(dir.substr(0, slash)))
        return false;
    return mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST;
}

bool CAtomicFile::Write(const std::string& path, const void* bytes, std::size_t size)
{
    g_last_error.clear();
    if (path.empty() || path.back() == '/')
        return Fail(EINVAL);
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(path.substr(0, slash)))
        return Fail(path, errno ? errno : ENOTDIR);

    // The temporary lies beside the target so that the rename stays on one
    // file system and is atomic.
    std::string temp = path + kTempMark + "XXXXXX";
    const int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return Fail(path, errno);
    fchmod(fd, 0644);

    bool ok = true;
    int error = 0;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    std::size_t left = size;
    while (ok && left > 0)
    {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            error = errno;
            ok = false;
            break;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    // The data must be on disk before the rename makes it the file.
    if (ok && fsync(fd) != 0)
    {
        error = errno;
        ok = false;
    }
    if (close(fd) != 0 && ok)
    {
        error = errno;
        ok = false;
    }
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0)
    {
        error = errno;
        ok = false;
    }
    if (!ok)
    {
        std::remove(temp.c_str());
        return Fail(path, error ? error : EIO);
    }
    return true;
}

bool CAtomicFile::Write(const std::string& path, const std::string& text)
{
    return Write(path, text.data(), text.size());
}
