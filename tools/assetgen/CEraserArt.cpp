#include "tools/assetgen/CEraserArt.h"

#include "tools/assetgen/CBackdropArt.h"
#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CScenePainter.h"

namespace
{
const int kKind = 4;
const int kWidth = 800;
const int kHeight = 600;
const float kPlateHeight = 34.0f;

// The game draws its score line across the top and the board on about
// 180..620 x 80..520; the caption goes to the bottom left, clear of both,
// and a plate lies round the score line so that it reads over the sky.
CCanvas GameGround(const CScenePainter& scene, const std::string& fontDir)
{
    const CColor tint = CBackdropArt::KindTint(kKind);
    CCanvas c = scene.Sky(kWidth, kHeight, tint.Darker(0.25f), 40 + kKind);
    CScenePainter::Panel(c, 40, CBackdropArt::TopLinePlateY(fontDir, kPlateHeight), 720, kPlateHeight, 12, 0.6f);
    scene.Caption(c, "Eraser", 30, 24, 580, CPalette::Gold(), CScenePainter::EAlign::Left);
    return c;
}
}

void CEraserArt::Write(CAssetSink& sink, const std::string& fontDir)
{
    const CScenePainter scene(fontDir);
    // Replaces the common game ground that CBackdropArt wrote for every kind.
    sink.WriteJpeg("mui/eraser/game_bg.jpg", GameGround(scene, fontDir));
}
