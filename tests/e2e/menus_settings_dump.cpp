// Prints the general settings file of a game directory as "key value" lines,
// so that shell tests can check what the game wrote.

#include <cstdio>

#include "engine/files/CConfigFile.h"
#include "engine/files/CGeneralSettings.h"

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s path/to/dx.cfg\n", argv[0]);
        return 2;
    }
    CConfigFile config;
    if (!config.Load(argv[1], true, CGeneralSettings::kKey, 3))
    {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    for (const auto& pair : config.GetPairs())
        std::printf("%s %s\n", pair.first.c_str(), pair.second.c_str());
    return 0;
}
