#include "shell/game/GameFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/frame/CAppWindow.h"
#include "engine/frame/CGameApp.h"
#include "engine/frame/CViewParams.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CMatrixStack.h"
#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CSparkle.h"
#include "engine/gfx/CSparkleLists.h"
#include "engine/gfx/CSprite.h"
#include "engine/gfx/CTexture.h"
#include "shell/game/BoardCursor.h"
#include "shell/game/CFramePrint.h"
#include "shell/game/CGameBackground.h"
#include "shell/game/CGameFrameCache.h"
#include "shell/game/CLevelBricksEffect.h"
#include "shell/game/CLevelFlipEffect.h"
#include "shell/game/GameLookup.h"

namespace
{
constexpr float kLogicalWidth = 800.0f;
constexpr float kLogicalHeight = 600.0f;

// Everything of the frame beside the kind's own that its content depends on.
void AddShared(CFramePrint& print, const SGameFrame& frame, int width, int height)
{
    print.Add(width);
    print.Add(height);
    print.Add(frame.tilt);
    print.Add(frame.sparkles);
    print.Add(frame.hudDepthTest);
    // A picture uploaded anew may be one the content shows.
    print.Add(CTexture::GetUploadCount());
}

std::uint64_t HashBytes(const unsigned char* bytes, std::size_t count)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

// Splits the print into the values outside its parts (left in its bytes)
// and a stamp for each part, its rectangle projected as the board is drawn.
std::vector<CGameFrameCache::SPartStamp> StampParts(CFramePrint& print, const CViewParams& view, float tilt)
{
    print.EndPart();
    std::vector<unsigned char>& bytes = print.GetBytes();
    std::vector<CGameFrameCache::SPartStamp> stamps;
    if (print.GetParts().empty())
        return stamps;
    std::vector<unsigned char> outside;
    outside.reserve(bytes.size());
    std::size_t from = 0;
    for (const CFramePrint::SPart& part : print.GetParts())
    {
        outside.insert(outside.end(), bytes.begin() + from, bytes.begin() + part.begin);
        from = part.end;
        CGameFrameCache::SPartStamp stamp;
        stamp.key = part.key;
        stamp.hash = HashBytes(bytes.data() + part.begin, part.end - part.begin);
        stamp.rect = GetPartRect(part, view, tilt);
        stamps.push_back(stamp);
    }
    outside.insert(outside.end(), bytes.begin() + from, bytes.end());
    bytes.swap(outside);
    return stamps;
}

// Runs draw under the camera, the tilt and the effects' turns, depth test on.
void UnderBoardCamera(CGameApp* app, const SGameFrame& frame, int width, int height, const std::function<void()>& draw)
{
    CViewParams& view = app->GetViewParams();
    view.SetPerspective(width, height);
    CMatrixStack::Push();
    view.ApplyTransform();
    view.ApplyRotationX();
    view.ApplyRotationY();
    view.ApplyRotationZ();
    CMatrixStack::Push();
    CMatrixStack::Rotate(frame.tilt, 1.0f, 0.0f, 0.0f);
    CDraw2D::SetDepthTest(true);
    if (frame.startEffect)
        frame.startEffect->ApplyRotation();
    if (frame.endEffect)
        frame.endEffect->ApplyRotation();
    draw();
    CMatrixStack::Pop();
    CMatrixStack::Pop();
}

// The kind's part of the frame: over the background, the board under the
// camera, the front sparkles (unless left for DrawFrontSparklesOver), the
// heads-up display.
void DrawContent(CGameApp* app, const SGameFrame& frame, int width, int height, bool frontSparkles = true);

// Content drawn into the held picture, or drawn again to check it, is drawn
// without the batches' own layers: those draw a board's edges a little apart
// from drawing it directly, and a picture patched in places must match
// itself everywhere. Their layers would only be pictures within this one.
// The sparkles in front are left out: they move every frame, and are drawn
// over the held picture where they are (DrawFrontSparklesOver).
void DrawContentDirectly(CGameApp* app, const SGameFrame& frame, int width, int height)
{
    const bool layers = CModelBatch::IsLayerEnabled();
    CModelBatch::SetLayerEnabled(false);
    DrawContent(app, frame, width, height, false);
    CModelBatch::SetLayerEnabled(layers);
}

void DrawContent(CGameApp* app, const SGameFrame& frame, int width, int height, bool frontSparkles)
{
    CViewParams& view = app->GetViewParams();
    view.SetOrtho(width, height);
    CDraw2D::SetDepthTest(false);
    if (frame.drawOverBackground)
        frame.drawOverBackground();
    UnderBoardCamera(app, frame, width, height, [&frame, frontSparkles] {
        if (frame.drawBoard)
            frame.drawBoard();
        if (frame.sparkles && frontSparkles)
        {
            CDraw2D::SetDepthTest(false);
            DrawSparkles();
        }
    });
    view.SetOrtho(width, height);
    CDraw2D::SetDepthTest(frame.hudDepthTest);
    if (frame.drawHud)
        frame.drawHud();
}

// What changes every frame, over everything else and hidden by nothing of
// it (a held frame keeps no depth); the depth test left as the heads-up
// display had it. clearDepth: the frame's depth is cleared first.
void DrawLive(CGameApp* app, const SGameFrame& frame, int width, int height, bool clearDepth = true)
{
    if (!frame.drawLive)
        return;
    if (clearDepth && frame.liveDepth)
        CDraw2D::ClearDepth();
    UnderBoardCamera(app, frame, width, height, frame.drawLive);
    app->GetViewParams().SetOrtho(width, height);
    CDraw2D::SetDepthTest(frame.hudDepthTest);
}

// The sparkles in front of the board over a frame whose content was laid
// from the held picture: over its heads-up display too.
void DrawFrontSparklesOver(CGameApp* app, const SGameFrame& frame, int width, int height)
{
    if (!frame.sparkles || !app->GetSparkles() || app->GetSparkles()->GetSparkles().empty())
        return;
    UnderBoardCamera(app, frame, width, height, [] {
        CDraw2D::SetDepthTest(false);
        DrawSparkles();
    });
    app->GetViewParams().SetOrtho(width, height);
    CDraw2D::SetDepthTest(frame.hudDepthTest);
}

void DrawBackSparklesOver(const std::vector<bool>* shown = nullptr)
{
    CDraw2D::SetTexturing(true);
    DrawBackSparkles(shown);
    CDraw2D::SetTexturing(false);
}

// The cells the sparkles in front are drawn over now, each where the
// board's camera puts it.
void MarkFrontSparkleCells(CGameApp* app, const SGameFrame& frame, CDrawnOverCells& cells)
{
    const CSparkleLists* sparkles = app->GetSparkles();
    const CSprite* sprite =
        app->GetResManager() ? app->GetResManager()->FindSprite(CSparkleLists::kFrontSprite) : nullptr;
    if (!frame.sparkles || !sparkles || !sprite)
        return;
    // Each is drawn with the sprite placed at it (CSparkle::Emit): only the
    // part of its cell that shows.
    for (const auto& sparkle : sparkles->GetSparkles())
    {
        const CVector4& at = sparkle->GetPosition();
        float box[4];
        sprite->GetReach(sparkle->GetGroup(), sparkle->GetFrame(), box);
        CDraw2D::SRect rect = {0.0f, 0.0f, kLogicalWidth, kLogicalHeight};
        ProjectBoardBox(app->GetViewParams(), frame.tilt, CVector4(at.x + box[0], at.y + box[1], at.z),
                        CVector4(at.x + box[2], at.y + box[3], at.z), rect);
        cells.Mark(rect.x, rect.y, rect.width, rect.height, kLogicalWidth, kLogicalHeight);
    }
}

// The cells the back sparkles are drawn over now; with a cover, those all
// behind its opaque cells are left out of `shown`.
void MarkSparkleCells(CGameApp* app, CDrawnOverCells& cells, const CContentCover* cover, std::vector<bool>* shown)
{
    const CSparkleLists* sparkles = app->GetSparkles();
    const CSprite* sprite =
        app->GetResManager() ? app->GetResManager()->FindSprite(CSparkleLists::kBackSprite) : nullptr;
    if (sparkles && sprite)
        cells.MarkBackSparkles(*sparkles, *sprite, kLogicalWidth, kLogicalHeight, cover, shown);
    else
        cells.Mark(0.0f, 0.0f, kLogicalWidth, kLogicalHeight, kLogicalWidth, kLogicalHeight);
}

// The frame check (MARBLEWEND_CHECK_FRAMES set): every held frame is also
// drawn the long way into a second picture and compared, and each difference
// is told on stderr (MARBLEWEND_CHECK_DUMP names a directory to write both
// pictures to). For the tests: it draws more than a player's frame does.
bool CheckingFrames()
{
    static const bool on = std::getenv("MARBLEWEND_CHECK_FRAMES") != nullptr;
    return on;
}

// With MARBLEWEND_FRAME_MODES set, how many frames were drawn in each way,
// told on stderr every ten seconds of frames: where a screen's time goes.
void CountMode(CGameFrameCache::EMode mode)
{
    static const bool on = std::getenv("MARBLEWEND_FRAME_MODES") != nullptr;
    if (!on)
        return;
    static int counts[5] = {};
    static int frames = 0;
    ++counts[static_cast<int>(mode)];
    if (++frames % 600 == 0)
        std::fprintf(stderr, "Marblewend: frames: %d whole, %d captured, %d composed, %d partial, %d patched\n",
                     counts[0], counts[1], counts[2], counts[3], counts[4]);
}

// Writes both pictures (RGBA rows from the bottom, the viewport's size) as
// numbered PPM files into the directory, for a developer to look at.
void DumpPair(const char* directory, const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    static int pair = 0;
    int width = 0, height = 0;
    CDraw2D::GetViewportSize(width, height);
    for (int k = 0; k < 2; ++k)
    {
        const std::vector<unsigned char>& pixels = k == 0 ? a : b;
        if (pixels.size() != static_cast<std::size_t>(width) * height * 4)
            continue;
        const std::string name =
            std::string(directory) + "/check" + std::to_string(pair) + (k == 0 ? "a" : "b") + ".ppm";
        FILE* file = std::fopen(name.c_str(), "wb");
        if (!file)
            continue;
        std::fprintf(file, "P6 %d %d 255\n", width, height);
        for (int y = height - 1; y >= 0; --y)
            for (int x = 0; x < width; ++x)
                std::fwrite(&pixels[(static_cast<std::size_t>(y) * width + x) * 4], 1, 3, file);
        std::fclose(file);
    }
    ++pair;
}

// Colour differences of two pictures of the same size (RGBA rows from the
// bottom) beyond the tolerance at more than `scattered` pixels; the
// bottom-left pixel carries the frame mark.
void Compare(const char* what, const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, int tolerance,
             std::size_t scattered = 0)
{
    std::size_t differ = 0;
    int largest = 0;
    for (std::size_t i = 4; i + 3 < a.size() && i + 3 < b.size(); i += 4)
    {
        int most = 0;
        for (std::size_t c = 0; c < 3; ++c)
            most = std::max(most, std::abs(static_cast<int>(a[i + c]) - static_cast<int>(b[i + c])));
        if (most > tolerance)
            ++differ;
        largest = std::max(largest, most);
    }
    const bool fails = differ > scattered || a.size() != b.size();
    if (fails && std::getenv("MARBLEWEND_CHECK_DUMP"))
        DumpPair(std::getenv("MARBLEWEND_CHECK_DUMP"), a, b);
    if (fails)
        std::fprintf(stderr, "Marblewend: frame check: %s (%zu pixels differ, by up to %d)\n", what, differ, largest);
}

// The frame drawn the long way into the scratch picture: background,
// sparkles behind, and the content drawn (draw) or laid from the held picture.
void DrawIntoScratch(CGameApp* app, const SGameFrame& frame, CGameFrameCache& cache, int width, int height, bool draw,
                     std::vector<unsigned char>& pixels)
{
    COffscreenLayer& scratch = cache.GetScratch();
    app->GetViewParams().SetOrtho(width, height);
    if (!scratch.Begin(0, 0, width, height))
        return;
    CDraw2D::SetDepthTest(false);
    frame.background->DrawPicture();
    DrawBackSparklesOver();
    if (draw)
        DrawContentDirectly(app, frame, width, height);
    else
    {
        app->GetViewParams().SetOrtho(width, height);
        cache.GetContent().Draw(true);
    }
    DrawFrontSparklesOver(app, frame, width, height);
    DrawLive(app, frame, width, height);
    scratch.End();
    scratch.Read(pixels);
}

// The window as drawn against the frame drawn into the scratch picture; a
// few units apart are blending's rounding, which differs a unit between the
// window's pixel format and the picture's for each sparkle blended over
// another, and a burst lays up to 25 sparkles over one pixel: a few lone
// pixels may round further. What was left showing from the last frame is a
// whole cell or more.
void CheckWindow(CGameApp* app, const SGameFrame& frame, CGameFrameCache& cache, int width, int height, bool draw,
                 const char* what)
{
    std::vector<unsigned char> window, scratch;
    COffscreenLayer::ReadViewport(window);
    DrawIntoScratch(app, frame, cache, width, height, draw, scratch);
    Compare(what, window, scratch, 6, 8);
}

// Before a held frame: the content drawn now must be the held picture.
void CheckHeldContent(CGameApp* app, const SGameFrame& frame, CGameFrameCache& cache, int width, int height,
                      const char* what)
{
    COffscreenLayer& scratch = cache.GetScratch();
    app->GetViewParams().SetOrtho(width, height);
    if (!scratch.Begin(0, 0, width, height))
        return;
    DrawContentDirectly(app, frame, width, height);
    scratch.End();
    std::vector<unsigned char> drawn, held;
    if (scratch.Read(drawn) && cache.GetContent().Read(held))
        Compare(what, drawn, held, 0);
}

// Draws the content into the held picture again within the changed
// rectangles, each cleared first; false when the picture is gone.
bool PatchContent(CGameApp* app, const SGameFrame& frame, CGameFrameCache& cache, int width, int height)
{
    COffscreenLayer& content = cache.GetContent();
    app->GetViewParams().SetOrtho(width, height);
    if (!content.Resume())
        return false;
    const float sx = width / kLogicalWidth, sy = height / kLogicalHeight;
    for (const CDraw2D::SRect& rect : cache.GetChanged())
    {
        const int x0 = static_cast<int>(std::floor(rect.x * sx));
        const int x1 = static_cast<int>(std::ceil((rect.x + rect.width) * sx));
        const int y0 = static_cast<int>(std::floor(height - (rect.y + rect.height) * sy));
        const int y1 = static_cast<int>(std::ceil(height - rect.y * sy));
        CDraw2D::ClearAndClip(x0, y0, x1 - x0, y1 - y0);
        DrawContentDirectly(app, frame, width, height);
    }
    CDraw2D::EndClip();
    content.End();
    return true;
}

CGameFrameCache::EMode ChooseMode(CGameApp* app, const SGameFrame& frame, int width, int height)
{
    CGameFrameCache* cache = frame.cache;
    CFramePrint print;
    if (frame.fingerprint)
    {
        AddShared(print, frame, width, height);
        frame.fingerprint(print);
    }
    CAppWindow* window = CAppWindow::Get();
    const CViewParams& view = app->GetViewParams();
    // Held only where nothing but the kind's content lies over the
    // background: no level effect turning the board, no overlay, and the
    // window at the game's own size, texel for pixel.
    const bool canHold = frame.fingerprint && frame.background && frame.background->HasPicture() &&
                         !frame.startEffect && !frame.endEffect && window &&
                         window->GetStack().GetOverlayCount() == 0 && width == view.GetWidth() &&
                         height == view.GetHeight();
    std::vector<CGameFrameCache::SPartStamp> parts = StampParts(print, view, frame.tilt);
    const CGameFrameCache::EMode mode = cache->Choose(print.GetBytes(), parts, canHold, kLogicalWidth, kLogicalHeight);
    CountMode(mode);
    return mode;
}
} // namespace

CDraw2D::SRect GetPartRect(const CFramePrint::SPart& part, const CViewParams& view, float tilt)
{
    const CDraw2D::SRect screen = {0.0f, 0.0f, kLogicalWidth, kLogicalHeight};
    if (!part.board)
        return {part.rect.x - 1.0f, part.rect.y - 1.0f, part.rect.width + 2.0f, part.rect.height + 2.0f};
    CDraw2D::SRect rect = screen;
    if (part.hasBox && !ProjectBoardBox(view, tilt, part.low, part.high, rect))
        rect = screen;
    CDraw2D::SRect clip = screen;
    if (!part.hasClip || !ProjectBoardBox(view, tilt, part.clipLow, part.clipHigh, clip))
        return rect;
    const float left = std::max(rect.x, clip.x);
    const float top = std::max(rect.y, clip.y);
    const float right = std::min(rect.x + rect.width, clip.x + clip.width);
    const float bottom = std::min(rect.y + rect.height, clip.y + clip.height);
    // Wholly clipped away: an empty rectangle where the part would be.
    return {left, top, std::max(0.0f, right - left), std::max(0.0f, bottom - top)};
}

void DrawGameFrame(CGameApp* app, const SGameFrame& frame)
{
    if (!app)
        return;
    CAppWindow* window = CAppWindow::Get();
    int w = window ? window->GetWidth() : 800;
    int h = window ? window->GetHeight() : 600;
    CViewParams& view = app->GetViewParams();
    CGameFrameCache* cache = frame.cache;
    const CGameFrameCache::EMode mode = cache ? ChooseMode(app, frame, w, h) : CGameFrameCache::EMode::Whole;

    // The sparkles behind the content move every frame, whatever it does.
    UpdateBackSparkles();
    CDrawnOverCells drawnOver;
    if (cache)
    {
        if (mode == CGameFrameCache::EMode::Patch)
        {
            if (PatchContent(app, frame, *cache, w, h))
                cache->GetCover().Measure(cache->GetContent(), w, h, &cache->GetChanged(), kLogicalWidth,
                                          kLogicalHeight);
            else
                cache->CaptureFailed();
        }
        const bool partial = cache->GetMode() == CGameFrameCache::EMode::Partial ||
                             cache->GetMode() == CGameFrameCache::EMode::Patch;
        // A back sparkle wholly behind what the held picture covers opaque
        // would not show: it is neither drawn nor drawn over.
        std::vector<bool> shownBack;
        MarkSparkleCells(app, drawnOver, partial ? &cache->GetCover() : nullptr, &shownBack);
        MarkFrontSparkleCells(app, frame, drawnOver);
        if (CheckingFrames() && (cache->GetMode() == CGameFrameCache::EMode::Partial ||
                                 cache->GetMode() == CGameFrameCache::EMode::Compose))
            CheckHeldContent(app, frame, *cache, w, h, "the content changed while its fingerprint did not");
        if (CheckingFrames() && cache->GetMode() == CGameFrameCache::EMode::Patch)
            CheckHeldContent(app, frame, *cache, w, h,
                             "a changed part drew outside its box, or its print lacks a value");
        if (partial)
        {
            CDrawnOverCells cells = drawnOver;
            for (const CDraw2D::SRect& rect : cache->GetChanged())
                cells.Mark(rect.x, rect.y, rect.width, rect.height, kLogicalWidth, kLogicalHeight);
            cells.Add(cache->GetSparkleCells());
            const std::vector<CDraw2D::SRect>& lastRedrawn = cache->GetLastRedrawn();
            for (const std::vector<CDraw2D::SRect>* rects : {&frame.redrawn, &lastRedrawn})
                for (const CDraw2D::SRect& rect : *rects)
                    cells.Mark(rect.x, rect.y, rect.width, rect.height, kLogicalWidth, kLogicalHeight);
            // Where the held picture is opaque only it is laid again (over
            // whatever the back sparkles drew there), where it is empty only
            // the background and the back sparkles are drawn.
            std::vector<CDraw2D::SRect> under, over, opaque;
            cache->GetCover().Split(cells, under, over, opaque);
            view.SetOrtho(w, h);
            CDraw2D::SetDepthTest(false);
            if (frame.background)
                frame.background->DrawPictureParts(under);
            DrawBackSparklesOver(&shownBack);
            cache->GetContent().DrawParts(over, kLogicalWidth, kLogicalHeight);
            cache->GetContent().DrawParts(opaque, kLogicalWidth, kLogicalHeight, true);
            DrawFrontSparklesOver(app, frame, w, h);
            if (frame.drawLive)
            {
                // The depth under what is drawn live is the last frame's.
                const float sx = w / kLogicalWidth, sy = h / kLogicalHeight;
                if (frame.liveDepth)
                    for (const CDraw2D::SRect& rect : frame.redrawn)
                        CDraw2D::ClearDepthInRect(
                            static_cast<int>(rect.x * sx) - 1, static_cast<int>(h - (rect.y + rect.height) * sy) - 1,
                            static_cast<int>(rect.width * sx) + 3, static_cast<int>(rect.height * sy) + 3);
                DrawLive(app, frame, w, h, false);
            }
            // Blending rounds a unit apart in the window's pixel format and
            // the picture's, once for each sparkle over another.
            if (CheckingFrames())
                CheckWindow(app, frame, *cache, w, h, false, "the cells drawn again leave the last frame showing");
            if (frame.sparkles)
                UpdateSparkles();
            cache->GetSparkleCells() = drawnOver;
            cache->GetLastRedrawn() = frame.redrawn;
            return;
        }
        cache->GetSparkleCells() = drawnOver;
        cache->GetLastRedrawn() = frame.redrawn;
    }

    if (mode == CGameFrameCache::EMode::Capture)
    {
        COffscreenLayer& content = cache->GetContent();
        view.SetOrtho(w, h);
        if (content.Begin(0, 0, w, h))
        {
            DrawContentDirectly(app, frame, w, h);
            content.End();
            cache->GetCover().Measure(content, w, h, nullptr, kLogicalWidth, kLogicalHeight);
        }
        else
            cache->CaptureFailed();
    }
    const bool whole = cache == nullptr || cache->GetMode() == CGameFrameCache::EMode::Whole;

    CDraw2D::ClearDepth();
    view.SetOrtho(w, h);
    CDraw2D::SetDepthTest(false);
    if (frame.background)
        frame.background->DrawPicture();
    else
        CDraw2D::ClearColorAndDepth();
    DrawBackSparklesOver();
    if (whole)
        DrawContent(app, frame, w, h);
    else
    {
        view.SetOrtho(w, h);
        cache->GetContent().Draw(true);
        DrawFrontSparklesOver(app, frame, w, h);
    }
    DrawLive(app, frame, w, h);
    if (CheckingFrames() && cache && cache->GetMode() == CGameFrameCache::EMode::Capture)
        CheckWindow(app, frame, *cache, w, h, true, "the held picture lays differently from drawing it");
    if (frame.sparkles)
        UpdateSparkles();
}
