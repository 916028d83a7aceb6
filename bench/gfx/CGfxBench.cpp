// Speed of what the graphics code does while screens are built and frames run: reading a
// brick mesh, measuring and wrapping text, stepping the sparkles, finding resources.

#include "engine/gfx/CBitmapFont.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CTextLabel.h"
#include "engine/gfx/CTexture.h"
#include "tests/gfx/CFontTestPicture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
// A rounded brick of about 2000 triangles, written the way modelling tools write OBJ text.
std::string MakeBrickObj()
{
    std::string text = "# brick\nmtllib brick.mtl\ng brick\n";
    const int rings = 32;
    const int segments = 32;
    char line[128];
    for (int r = 0; r <= rings; ++r)
    {
        for (int s = 0; s <= segments; ++s)
        {
            std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", s * 0.1, r * 0.1, (r * s % 7) * 0.01);
            text += line;
            std::snprintf(line, sizeof line, "vt %.6f %.6f\n", s / 32.0, r / 32.0);
            text += line;
            std::snprintf(line, sizeof line, "vn 0.000000 0.000000 1.000000\n");
            text += line;
        }
    }
    text += "usemtl brick\n";
    for (int r = 0; r < rings; ++r)
    {
        for (int s = 0; s < segments; ++s)
        {
            int a = r * (segments + 1) + s + 1;
            int b = a + 1;
            int c = a + segments + 1;
            int d = c + 1;
            std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c, c);
            text += line;
            std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", b, b, b, d, d, d, c, c, c);
            text += line;
        }
    }
    return text;
}

const std::string kHelpText =
    "Place the given bricks on the board. Groups of four or more bricks of one colour that "
    "touch edge to edge are removed and scored.\rA placement that removes nothing brings in "
    "blocker bricks. The game ends when the board is full or empty. Bonus bricks clear a whole "
    "row or column, and the larger the group, the more each brick is worth.";

CBitmapFont& Font()
{
    static CBitmapFont font;
    static bool loaded = false;
    if (!loaded)
    {
        std::vector<unsigned char> tga = CFontTestPicture::Make({24, 24, 24, 22});
        font.Load(tga.data(), tga.size(), nullptr);
        loaded = true;
    }
    return font;
}
}

// Goal: a brick mesh reads and normalises in well under a millisecond.
static void BM_ReadBrickMesh(benchmark::State& state)
{
    std::string text = MakeBrickObj();
    for (auto _ : state)
    {
        CMesh mesh;
        mesh.LoadObj(text.data(), static_cast<unsigned>(text.size()));
        mesh.NormalizeToUnitBox();
        benchmark::DoNotOptimize(mesh.GetFaceCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ReadBrickMesh);

// Goal: measuring a caption costs well under a microsecond; buttons do it every frame.
static void BM_MeasureCaption(benchmark::State& state)
{
    CBitmapFont& font = Font();
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(font.GetTextWidth("Top 7 - Remover 12 x 12", 24.0f));
    }
}
BENCHMARK(BM_MeasureCaption);

// Goal: a help page wraps in well under a millisecond.
static void BM_WrapHelpPage(benchmark::State& state)
{
    CBitmapFont& font = Font();
    for (auto _ : state)
    {
        CTextLabel label(&font, 500.0f, 18.0f, 0);
        label.SetText(kHelpText.data(), kHelpText.size());
        benchmark::DoNotOptimize(label.GetLines().size());
    }
}
BENCHMARK(BM_WrapHelpPage);

// Goal: a frame's step of a full screen of sparkles stays far below a millisecond.
static void BM_StepSparkles(benchmark::State& state)
{
    CGfxTestFiles files;
    std::string sheet = files.WriteTga("sparkle.tga", 64, 96);
    std::string spr = files.Write("s.spr", "file_name " + sheet + "\nframes 4\ngroups 6\n");
    CFilePack pack;
    CResManager manager(&pack);
    manager.AddSprite(spr.c_str(), CSparkleLists::kFrontSprite);
    CSparkleLists lists([]() { return std::rand(); });
    lists.SetResManager(&manager);
    for (auto _ : state)
    {
        while (lists.GetSparkles().size() < 500)
        {
            lists.AddSparkle(CVector4(400, 300, 0), 1);
        }
        lists.UpdateSparkles();
    }
}
BENCHMARK(BM_StepSparkles);

// Goal: finding a resource by name among a game menu's worth stays under a microsecond.
static void BM_FindTexture(benchmark::State& state)
{
    CTexture::SetUploadEnabled(false);
    CFilePack pack;
    CResManager manager(&pack);
    for (int i = 0; i < 100; ++i)
    {
        manager.AddTexture(nullptr, ("texture_" + std::to_string(i)).c_str(), false, false);
    }
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(manager.FindTexture("texture_99"));
    }
}
BENCHMARK(BM_FindTexture);

BENCHMARK_MAIN();
