#include "engine/files/CAtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (path.empty() || path.back() == '/')
        return false;
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeDirectories(path.substr(0, slash)))
        return false;

    // The temporary lies beside the target so that the rename stays on one
    // file system and is atomic.
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(&temp[0]);
    if (fd < 0)
        return false;
    fchmod(fd, 0644);

    bool ok = true;
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    std::size_t left = size;
    while (ok && left > 0)
    {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0)
        {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    // The data must be on disk before the rename makes it the file.
    if (ok && fsync(fd) != 0)
        ok = false;
    if (close(fd) != 0)
        ok = false;
    if (ok && std::rename(temp.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok)
        std::remove(temp.c_str());
    return ok;
}

bool CAtomicFile::Write(const std::string& path, const std::string& text)
{
    return Write(path, text.data(), text.size());
}
