// Prints a scrambled key-value file as "key value" lines, so that tests can
// check what the game wrote: the general settings file by default, or any
// file with the scrambling key given after its path.

#include <cstdio>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "engine/files/CGeneralSettings.h"

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3)
    {
        std::fprintf(stderr, "usage: %s path/to/dx.cfg | %s <file> <key>\n", argv[0], argv[0]);
        return 2;
    }
    const char* key = argc == 3 ? argv[2] : CGeneralSettings::kKey;
    std::size_t length = argc == 3 ? std::strlen(key) : 3;
    CConfigFile config;
    if (!config.Load(argv[1], true, key, length))
    {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (const auto& pair : config.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}
