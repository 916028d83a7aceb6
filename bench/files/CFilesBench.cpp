// Speed of the file layer: the store's parse and write, the scrambler, and
// the pack's lookup. Goals: a pack lookup well under a microsecond plus the
// read itself; the whole start-up asset load well under 100 ms.

#include "engine/files/CConfigFile.h"
#include "engine/files/CFilePack.h"
#include "engine/files/CScrambler.h"
#include "tools/packwriter/CPackWriter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
std::string TwoHundredKeyText()
{
    CConfigFile config;
    for (int i = 0; i < 200; ++i)
    {
        const std::string key = "m_key_number_" + std::to_string(i);
        if (i % 4 == 0)
            config.SetValue(key, "two words");
        else if (i % 4 == 1)
            config.SetFloat(key, i * 0.25f);
        else
            config.SetInt(key, i * 1234);
    }
    return "// a commented header line\n" + config.ToText();
}

void BM_ParseTwoHundredKeys(benchmark::State& state)
{
    const std::string text = TwoHundredKeyText();
    for (auto _ : state)
    {
        CConfigFile config;
        config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
        benchmark::DoNotOptimize(config.GetPairs().size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseTwoHundredKeys);

void BM_WriteTwoHundredKeys(benchmark::State& state)
{
    const std::string text = TwoHundredKeyText();
    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text.data()), text.size(), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(config.ToText());
}
BENCHMARK(BM_WriteTwoHundredKeys);

void BM_ScrambleFourKiB(benchmark::State& state)
{
    const std::vector<unsigned char> text(4096, 'k');
    CScrambler scrambler;
    std::vector<unsigned char> out;
    for (auto _ : state)
    {
        scrambler.ScrambleWithRotation(text.data(), text.size(), 57, out, "52kq781w", 8);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 4096);
}
BENCHMARK(BM_ScrambleFourKiB);

void BM_UnscrambleFourKiB(benchmark::State& state)
{
    const std::vector<unsigned char> text(4096, 'k');
    CScrambler scrambler;
    std::vector<unsigned char> scrambled;
    scrambler.ScrambleWithRotation(text.data(), text.size(), 57, scrambled, "52kq781w", 8);
    std::vector<unsigned char> out;
    for (auto _ : state)
    {
        scrambler.Unscramble(scrambled.data(), scrambled.size(), out, "52kq781w", 8);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 4096);
}
BENCHMARK(BM_UnscrambleFourKiB);

// A pack of 500 small entries in a temporary file, opened once.
class CPackFixture
{
public:
    CPackFixture()
    {
        char pattern[] = "/tmp/mw_bench_pack_XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd >= 0)
            close(fd);
        m_path = pattern;
        CPackWriter writer(CFilePack::kPassPhrase);
        for (int i = 0; i < 500; ++i)
            writer.Add(Name(i), std::vector<unsigned char>(256, static_cast<unsigned char>(i)), i % 2 == 0);
        writer.Write(m_path);
        m_pack.SetPassPhrase(CFilePack::kPassPhrase);
        m_pack.Open(m_path);
    }
    ~CPackFixture() { std::remove(m_path.c_str()); }

    static std::string Name(int i) { return "mui/kind" + std::to_string(i % 8) + "/picture_" + std::to_string(i) + ".tga"; }

    CFilePack m_pack;
    std::string m_path;
};

void BM_PackLookupAmongFiveHundred(benchmark::State& state)
{
    CPackFixture fixture;
    std::vector<std::string> names;
    for (int i = 0; i < 500; i += 7)
    {
        std::string name = CPackFixture::Name(i);
        if (i % 2)
            for (char& c : name)
                if (c == '/')
                    c = '\\';
        names.push_back(name);
    }
    std::size_t next = 0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(fixture.m_pack.IsInPack(names[next]));
        next = (next + 1) % names.size();
    }
}
BENCHMARK(BM_PackLookupAmongFiveHundred);

void BM_PackGetFileAmongFiveHundred(benchmark::State& state)
{
    CPackFixture fixture;
    int next = 0;
    for (auto _ : state)
    {
        CFileData data = fixture.m_pack.GetFile(CPackFixture::Name(next));
        benchmark::DoNotOptimize(data.GetData());
        next = (next + 37) % 500;
    }
}
BENCHMARK(BM_PackGetFileAmongFiveHundred);

// Start-up as the game does it: open the pack and read every entry, about
// 12 MB in 300 pictures and texts, a third of them scrambled.
void BM_OpenAndReadWholePack(benchmark::State& state)
{
    char pattern[] = "/tmp/mw_bench_whole_XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd >= 0)
        close(fd);
    const std::string path = pattern;
    CPackWriter writer(CFilePack::kPassPhrase);
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i)
    {
        names.push_back("pictures/p" + std::to_string(i) + ".jpg");
        writer.Add(names.back(), std::vector<unsigned char>(40000, static_cast<unsigned char>(i)), i % 3 == 0);
    }
    writer.Write(path);
    for (auto _ : state)
    {
        CFilePack pack;
        pack.SetPassPhrase(CFilePack::kPassPhrase);
        pack.Open(path);
        for (const std::string& name : names)
        {
            CFileData data = pack.GetFile(name);
            benchmark::DoNotOptimize(data.GetData());
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_OpenAndReadWholePack)->Unit(benchmark::kMillisecond);
}

BENCHMARK_MAIN();
