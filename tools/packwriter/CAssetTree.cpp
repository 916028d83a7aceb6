#include "tools/packwriter/CAssetTree.h"

#include <algorithm>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

namespace
{
bool Walk(const std::string& root, const std::string& prefix, std::vector<std::string>& names, int depth)
{
    // A link loop must not send the walk round for ever.
    if (depth > 32)
        return false;
    const std::string dirPath = prefix.empty() ? root : root + "/" + prefix;
    DIR* dir = opendir(dirPath.c_str());
    if (dir == nullptr)
        return false;
    std::vector<std::string> children;
    while (dirent* entry = readdir(dir))
    {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            children.push_back(name);
    }
    closedir(dir);
    bool ok = true;
    for (const std::string& child : children)
    {
        const std::string relative = prefix.empty() ? child : prefix + "/" + child;
        struct stat st;
        if (stat((root + "/" + relative).c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode))
            ok = Walk(root, relative, names, depth + 1) && ok;
        else if (S_ISREG(st.st_mode))
            names.push_back(relative);
    }
    return ok;
}
}

bool CAssetTree::Collect(const std::string& root, std::vector<std::string>& names)
{
    names.clear();
    std::string base = root;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    if (!Walk(base, "", names, 0))
        return false;
    std::sort(names.begin(), names.end());
    return true;
}

bool CAssetTree::MatchesAny(const std::string& name, const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns)
        if (fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
            return true;
    return false;
}
