#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Every file the game writes goes through here: the bytes go to a temporary
// file beside the target, are flushed, and the temporary is renamed over the
// target. A crash mid-save keeps the old file whole.
class CAtomicFile
{
public:
    // Creates a missing parent directory (one level or more) first.
    static bool Write(const std::string& path, const void* bytes, std::size_t size);
    static bool Write(const std::string& path, const std::string& text);

    // Creates every missing directory of the path itself; true when it exists afterwards.
    static bool MakeDirectories(const std::string& dir);

    // The temporaries are named <target> + kTempMark + six characters.
    static const char* const kTempMark;   // ".tmp-"
    // Removes the temporaries that a write killed before its rename left in
    // dir (not below it); returns how many went.
    static int RemoveStaleTemporaries(const std::string& dir);
    // What the last failed Write ran into, as strerror words ("No space left
    // on device"); empty after a good one.
    static const std::string& GetLastError();
    // The writes that failed since the last call, one "path: reason" line
    // each, for the player to be told once. Each failed path is also written
    // to stderr, once a run.
    static std::vector<std::string> TakeFailures();
};
