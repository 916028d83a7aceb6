// The asset generator: paints every picture, mesh and binary asset of the
// game into a staging directory. Everything is drawn from fixed seeds, so
// two runs write the same bytes.
#include "tools/assetgen/CAssetSink.h"
#include "tools/assetgen/CBackdropArt.h"
#include "tools/assetgen/CBrickArt.h"
#include "tools/assetgen/CDesignerArt.h"
#include "tools/assetgen/CEraserArt.h"
#include "tools/assetgen/CEraser2Art.h"
#include "tools/assetgen/CFillerArt.h"
#include "tools/assetgen/CFontSheet.h"
#include "tools/assetgen/CJewelArt.h"
#include "tools/assetgen/CSliderArt.h"
#include "tools/assetgen/CSpriteArt.h"
#include "tools/assetgen/CThumbArt.h"
#include "tools/assetgen/CTitleArt.h"
#include "tools/assetgen/CWidgetArt.h"

#include <cstdio>
#include <exception>
#include <string>

namespace
{
const char* const kFontDir = "/usr/share/fonts/truetype/dejavu/";
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: assetgen <staging directory>\n");
        return 2;
    }
    try
    {
        CAssetSink sink(argv[1]);
        const std::string fonts = kFontDir;
        sink.WriteTga("mui/font.tga", CFontSheet::Build(fonts + CFontSheet::kFontFile), true);
        CWidgetArt::Write(sink, fonts);
        CBrickArt::Write(sink);
        CDesignerArt::Write(sink);
        CFillerArt::Write(sink);
        CSliderArt::Write(sink);
        CBackdropArt::Write(sink, fonts);
        CSpriteArt::Write(sink, fonts);
        CTitleArt::Write(sink, fonts);
        CThumbArt::Write(sink, fonts);
        CEraserArt::Write(sink, fonts);
        CEraser2Art::Write(sink, fonts);
        CJewelArt::Write(sink);
        std::printf("assetgen: %zu files\n", sink.GetWritten().size());
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
