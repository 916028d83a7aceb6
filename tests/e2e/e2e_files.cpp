// Reads and writes the files of a game for the end-to-end play tests, so
// that a game can be brought to its last move without a hundred scripted
// clicks.
//
//   e2e_files dump <file> <key>
//       prints a scrambled key-value file as "key value" lines.
//   e2e_files store <file> <key>
//       writes the "key value" lines of the standard input as a scrambled
//       key-value file, so that a dumped file can be edited and put back.

#include <cstdio>
#include <cstring>
#include <string>

#include "engine/files/CConfigFile.h"

namespace
{
int Usage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s dump <file> <key>\n"
                 "       %s store <file> <key> < lines\n",
                 program, program);
    return 2;
}

int PrintStore(const std::string& path, const std::string& key)
{
    CConfigFile store;
    if (!store.Load(path, true, key.c_str(), key.size()))
    {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    for (const auto& pair : store.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}

int StoreLines(const std::string& path, const std::string& key)
{
    CConfigFile store;
    std::string line;
    int c;
    while ((c = std::getchar()) != EOF)
    {
        if (c != '\n')
        {
            line += static_cast<char>(c);
            continue;
        }
        const std::size_t blank = line.find(' ');
        if (blank != std::string::npos)
            store.SetValue(line.substr(0, blank), line.substr(blank + 1));
        line.clear();
    }
    if (store.Save(path, key.c_str(), key.size()))
        return 0;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
}
}

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "dump") == 0)
        return PrintStore(argv[2], argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "store") == 0)
        return StoreLines(argv[2], argv[3]);
    return Usage(argv[0]);
}
