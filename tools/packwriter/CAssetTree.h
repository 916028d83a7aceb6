#pragma once

#include <string>
#include <vector>

// The files under an asset directory, named as the pack names them:
// relative paths with "/" separators, in byte order so that two builds of
// the same tree give the same pack.
class CAssetTree
{
public:
    // False when the directory cannot be read. Only regular files (also
    // through symbolic links) are listed; directories are walked.
    static bool Collect(const std::string& root, std::vector<std::string>& names);

    // Shell patterns in which "*" also crosses "/": "dat/*" holds every file under dat/.
    static bool MatchesAny(const std::string& name, const std::vector<std::string>& patterns);
};
