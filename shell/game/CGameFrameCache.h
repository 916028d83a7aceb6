#pragma once
// What a game screen keeps from one frame to the next, so that a frame in
// which the kind's picture stands still costs only the cells that moved.
//
// A game's frame is the background picture, the back sparkles rising over
// it, the kind's content over both (board, heads-up display) and the front
// sparkles over everything. Each frame the kind gives a fingerprint:
// everything its drawing reads. While the fingerprint stays the same, no
// overlay covers the screen and the window has the game's own size, the
// content is drawn once into a picture of its own and laid from there;
// while besides the back buffer still holds the last frame, only the cells
// the sparkles were or are drawn over get background, sparkles and content
// again. When only parts of the print change (see CFramePrint),
// the held picture is drawn again only where those parts were and are, and
// those places join the cells drawn again. Anything else is drawn whole, as
// without this cache.
//
// A kind can rely on: its drawing functions run in every frame in which
// its fingerprint changed, and in the first frame after it stopped
// changing; in the frames after that they do not run at all. So a
// fingerprint must hold every value those functions read. They may run
// more than once in a frame (once for each place a patch is drawn in), so
// they change nothing: what moves is stepped by the game's update.

#include <cstdint>
#include <vector>

#include "engine/gfx/CBackBufferMark.h"
#include "engine/gfx/COffscreenLayer.h"
#include "shell/game/CContentCover.h"
#include "shell/game/CDrawnOverCells.h"

class CGameFrameCache
{
  public:
    enum class EMode
    {
        // The kind draws its content into the window.
        Whole,
        // The kind draws its content into the held picture, which is laid over
        // the whole window.
        Capture,
        // The held picture is laid over the whole window; the kind draws nothing.
        Compose,
        // Only the drawn-over cells get background, sparkles and the held
        // picture again; the kind draws nothing.
        Partial,
        // The kind draws its content into the held picture only within the
        // changed rectangles (GetChanged); then as Partial, those
        // rectangles among the cells drawn again.
        Patch,
    };

    // A part of a frame's print: its key, a hash of its values and the
    // logical rectangle it draws within.
    struct SPartStamp
    {
        std::uint64_t key = 0;
        std::uint64_t hash = 0;
        CDraw2D::SRect rect = {0.0f, 0.0f, 0.0f, 0.0f};
    };
    // Most rectangles a patch is drawn in (each costs a pass over the
    // kind's drawing), and the largest share of the screen it may cover
    // before drawing whole is cheaper.
    static constexpr std::size_t kMostChangedRects = 4;
    static constexpr float kMostChangedShare = 0.4f;

    CGameFrameCache() = default;
    CGameFrameCache(const CGameFrameCache&) = delete;
    CGameFrameCache& operator=(const CGameFrameCache&) = delete;

    // Picks how the coming frame is drawn. print: what the frame's picture
    // depends on; canHold: whether the frame may be held at all.
    EMode Choose(std::vector<unsigned char>& print, bool canHold);
    // The same with the print's parts: print holds the values outside them.
    // A logical screen of width x height.
    EMode Choose(std::vector<unsigned char>& print, std::vector<SPartStamp>& parts, bool canHold, float width = 800.0f,
                 float height = 600.0f);
    // Where two frames' parts (each sorted by key) differ: for a part in one
    // only, its rectangle; for one whose values or rectangle changed, both.
    static std::vector<CDraw2D::SRect> ChangedRects(const std::vector<SPartStamp>& last,
                                                    const std::vector<SPartStamp>& now);
    // The rectangles clipped to the screen and joined into at most `most`
    // (overlapping ones first, then those whose join grows least).
    static std::vector<CDraw2D::SRect> JoinRects(std::vector<CDraw2D::SRect> rects, std::size_t most, float width,
                                                 float height);
    // Where the picture changed in a Patch frame: logical rectangles, few.
    const std::vector<CDraw2D::SRect>& GetChanged() const
    {
        return m_changed;
    }
    // Capture could not draw into the picture: the frame is drawn whole.
    void CaptureFailed();
    EMode GetMode() const
    {
        return m_mode;
    }

    COffscreenLayer& GetContent()
    {
        return m_content;
    }
    // A second picture, for the frame check only (see DrawGameFrame).
    COffscreenLayer& GetScratch()
    {
        return m_scratch;
    }
    // How the held picture covers the background, measured where it was
    // drawn (all mixed while not measured).
    CContentCover& GetCover()
    {
        return m_cover;
    }
    // The cells the back sparkles were drawn over in the last frame; a frame
    // sets the ones it draws them over, for the next.
    CDrawnOverCells& GetSparkleCells()
    {
        return m_sparkle_cells;
    }
    // The rectangles the last frame drew again (live things, widgets): a
    // frame draws again both its own and these, for what moved away.
    std::vector<CDraw2D::SRect>& GetLastRedrawn()
    {
        return m_last_redrawn;
    }

    // After the frame, widgets included: marks the back buffer as holding it
    // (nothing when the frame did not use the cache).
    void EndFrame();
    // The next frame is drawn whole and the held picture drawn anew: what the
    // window shows no longer comes from this cache (another screen showed).
    void Forget();
    // Frees the picture's GL objects (with the GL context still there).
    void Release();

  private:
    CBackBufferMark m_mark;
    COffscreenLayer m_content;
    COffscreenLayer m_scratch;
    CContentCover m_cover;
    CDrawnOverCells m_sparkle_cells;
    std::vector<CDraw2D::SRect> m_last_redrawn;
    // The last frame's fingerprint, outside parts; empty when none is known.
    std::vector<unsigned char> m_print;
    // Its parts by key.
    std::vector<SPartStamp> m_parts;
    std::vector<CDraw2D::SRect> m_changed;
    // The held picture shows the content that m_print describes.
    bool m_held = false;
    EMode m_mode = EMode::Whole;
    // Choose was called for the frame being drawn.
    bool m_used = false;
};
