// packwriter: builds the game's resource pack from a directory of assets.

#include "engine/files/CFilePack.h"
#include "tools/packwriter/CAssetTree.h"
#include "tools/packwriter/CPackWriter.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
const char* const kUsage =
    "Usage: packwriter [options] <out.pk> <asset-dir>\n"
    "       packwriter --dump <pack>\n"
    "\n"
    "Packs every regular file under <asset-dir>, named by its path relative to\n"
    "<asset-dir> with '/' separators, in byte order of the names. The pack is\n"
    "written to a temporary file beside <out.pk> and renamed over it.\n"
    "\n"
    "Options:\n"
    "  --scramble PATTERN   scramble the entries whose name matches PATTERN with\n"
    "                       the pass phrase (stored with flag 'y'); a shell\n"
    "                       pattern in which '*' also crosses '/', e.g. 'dat/*'.\n"
    "                       May be given more than once.\n"
    "  --exclude PATTERN    leave out the files whose name matches PATTERN.\n"
    "                       May be given more than once.\n"
    "  --pass-phrase TEXT   scramble with TEXT instead of the game's own phrase.\n"
    "  --verbose            print one line per entry: flag, size, name.\n"
    "  --dump <pack>        print the table of an existing pack and exit.\n"
    "  --help               print this text and exit.\n"
    "\n"
    "Exit status: 0 on success, 1 when a file cannot be read or written or a\n"
    "name is 100 bytes or longer, 2 on a usage error.\n";

bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int Dump(const std::string& path)
{
    CFilePack pack;
    if (!pack.Open(path))
    {
        std::fprintf(stderr, "packwriter: %s is not a readable pack\n", path.c_str());
        return 1;
    }
    for (std::size_t i = 0; i < pack.GetEntryCount(); ++i)
    {
        const std::string& name = pack.GetEntryName(i);
        const CFileData data = pack.GetFile(name);
        std::printf("%c %10u %s\n", data.GetFlag(), static_cast<unsigned>(data.GetSize()), name.c_str());
    }
    return 0;
}
}

int main(int argc, char** argv)
{
    std::vector<std::string> scramble;
    std::vector<std::string> exclude;
    std::vector<std::string> positional;
    std::string passPhrase = CFilePack::kPassPhrase;
    bool verbose = false;

    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h")
        {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--dump")
        {
            if (!hasValue)
                break;
            return Dump(argv[i + 1]);
        }
        if (arg == "--scramble" || arg == "--exclude" || arg == "--pass-phrase")
        {
            if (!hasValue)
            {
                std::fprintf(stderr, "packwriter: %s needs a value\n%s", arg.c_str(), kUsage);
                return 2;
            }
            const std::string value = argv[++i];
            if (arg == "--scramble")
                scramble.push_back(value);
            else if (arg == "--exclude")
                exclude.push_back(value);
            else
                passPhrase = value;
            continue;
        }
        if (arg == "--verbose")
        {
            verbose = true;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-')
        {
            std::fprintf(stderr, "packwriter: unknown option %s\n%s", arg.c_str(), kUsage);
            return 2;
        }
        positional.push_back(arg);
    }
    if (positional.size() != 2)
    {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string& outPath = positional[0];
    const std::string& root = positional[1];

    std::vector<std::string> names;
    if (!CAssetTree::Collect(root, names))
    {
        std::fprintf(stderr, "packwriter: cannot read the directory %s\n", root.c_str());
        return 1;
    }
    CPackWriter writer(passPhrase);
    for (const std::string& name : names)
    {
        if (CAssetTree::MatchesAny(name, exclude))
            continue;
        std::vector<unsigned char> bytes;
        if (!ReadFile(root + "/" + name, bytes))
        {
            std::fprintf(stderr, "packwriter: cannot read %s/%s\n", root.c_str(), name.c_str());
            return 1;
        }
        const bool scrambled = CAssetTree::MatchesAny(name, scramble);
        std::string error;
        if (!writer.Add(name, bytes, scrambled, &error))
        {
            std::fprintf(stderr, "packwriter: %s\n", error.c_str());
            return 1;
        }
        if (verbose)
            std::printf("%c %10zu %s\n", scrambled ? 'y' : 'n', bytes.size(), name.c_str());
    }
    if (!writer.Write(outPath))
    {
        std::fprintf(stderr, "packwriter: cannot write %s\n", outPath.c_str());
        return 1;
    }
    if (verbose)
        std::printf("%zu entries written to %s\n", writer.GetEntryCount(), outPath.c_str());
    return 0;
}
