#pragma once
// What a dialog keeps from one frame to the next, so that a frame in which
// only the sparkles and the dialog's live parts move costs only the cells
// they cover, as a game screen's frame does (CGameFrameCache).
//
// A dialog's frame is: the screen under it (unless the dialog covers the
// window), the dialog's ground (its panel or window picture, the dimming),
// the back sparkles rising over that, then everything the dialog draws over
// them (widgets, texts, tables) and its live parts (a turning preview, an
// animated picture). What the dialog draws over the sparkles is held in one
// picture of the window's size while its look (every value that drawing
// reads) stays the same. While besides the back buffer still holds the last
// frame, the window has the dialog's logical size and the dialog is the
// newest overlay, a frame draws again only the cells the sparkles and the
// live parts were or are drawn over: the screen under there
// (CScreen::DrawParts), the ground, the sparkles, the held picture and the
// live parts. Anything else is drawn whole, as without this.
//
// A dialog can rely on: drawOver runs in every frame drawn whole, and those
// are every frame whose look differs from the held picture's; drawGround
// runs in every frame with the parts to draw (the whole screen in a frame
// drawn whole), under the same matrix as drawOver; drawLive runs last in
// every frame drawn whole and in every partial one where its look or place
// changed or the cells drawn again touch it, with nothing in the depth
// under its rectangle that lies nearer than what it draws (see
// LiveDepthRange). The back sparkles are stepped once between the ground
// and what is drawn over it, as the dialogs always stepped them.

#include <functional>
#include <vector>

#include "engine/gfx/CBackBufferMark.h"
#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CWindowCopy.h"
#include "shell/game/CContentCover.h"
#include "shell/game/CDrawnOverCells.h"

class CDialog;
class CScreen;
class CSparkleLists;
class CSprite;
class CTexture;

class CHeldDialogFrame
{
  public:
    // A back sparkle moves less than a logical unit a step (CBackSparkle:
    // half a unit across at most, 0.55 up). The dialog steps them once a
    // frame; a screen under it that cannot draw itself for the dialog
    // (CScreen::DrawShaded) steps them once more: the cells are marked
    // before both.
    static constexpr float kSparkleStepReach = 1.0f;
    static constexpr int kSparkleSteps = 2;

    struct SLayers
    {
        // The logical screen the dialog is laid out in.
        float width = 800.0f;
        float height = 600.0f;
        // Below 1: the ground starts with a black veil over the whole
        // window, leaving this share of the light of the screen under it.
        // A screen under that can draw itself so darkened does
        // (CScreen::DrawShaded); over any other the veil is laid.
        float veilLight = 1.0f;
        // What the dialog lays before its sparkles (after the veil), within
        // the parts given.
        std::function<void(const std::vector<CDraw2D::SRect>& parts)> drawGround;
        // Where the ground hides the screen under the dialog wholly (nothing
        // there needs the screen under drawn again): the rectangle but, for
        // a panel with rounded corners, a box of this size at each corner.
        CDraw2D::SRect opaque = {0.0f, 0.0f, 0.0f, 0.0f};
        float opaqueCornerWidth = 0.0f;
        float opaqueCornerHeight = 0.0f;
        // Everything the dialog draws over its sparkles but its live parts.
        std::function<void()> drawOver;
        // The live parts: each drawn within its rectangle, its look a value
        // that changes whenever its picture does. drawLive draws those whose
        // place in its argument is true.
        std::vector<CDraw2D::SRect> live;
        std::vector<float> liveLook;
        std::function<void(const std::vector<bool>& which)> drawLive;
    };

    enum class EMode
    {
        // Drawn the long way; nothing held.
        Whole,
        // Drawn the long way, what lies over the sparkles into the held picture.
        Capture,
        // Only the cells where something moved are drawn again.
        Partial,
    };

    // What picks the way a frame is drawn.
    struct SState
    {
        // The window's drawable has the dialog's logical size, texel for pixel.
        bool sizeFits = false;
        // No other overlay lies over the dialog.
        bool newest = false;
        // A picture is held, and the look it was drawn with.
        bool held = false;
        bool sameLook = false;
        // The back buffer holds the frame this dialog drew last.
        bool holdsLastFrame = false;
    };
    static EMode Choose(const SState& state);

    // Layers of a dialog whose ground covers its whole logical screen: the
    // screen under it never shows.
    static SLayers WholeWindow(int logicalWidth, int logicalHeight);
    // Layers of a dialog laid on its window picture over the whole window:
    // the picture is the ground; over the sparkles the dialog's own widgets
    // (CDialog::Draw), then what drawTexts draws, under the matrix as it
    // stood.
    static SLayers WindowPicture(CDialog& dialog, const CTexture* picture, std::function<void()> drawTexts);

    // The cells the back sparkles may draw over in a frame (each the part of
    // its picture that shows, turned any way), placed as they stand before
    // its steps, and a new one rising into the window's foot;
    // on a logical screen of width x height. A partial frame draws again
    // these and the last frame's.
    static CDrawnOverCells SparkleCells(const CSparkleLists* sparkles, const CSprite* sprite, float width,
                                        float height);
    // Which live parts a partial frame draws again, their rectangles marked
    // in the cells: those whose look or place changed since the last frame
    // (where they were is marked too), and those the cells drawn again touch
    // (over which the held picture is laid again).
    static std::vector<bool> LiveToDraw(CDrawnOverCells& cells, const std::vector<CDraw2D::SRect>& live,
                                        const std::vector<float>& look, const std::vector<CDraw2D::SRect>& lastLive,
                                        const std::vector<float>& lastLook, float width, float height);
    // Where the depth is cleared before the live parts whose place in
    // `which` is true are drawn: once round them all when that takes in
    // little more than they cover (a row of parts), else each apart. A
    // clear of a part of the window costs the software renderer a drawing
    // of its own, however small.
    static std::vector<CDraw2D::SRect> LiveDepthClears(const std::vector<CDraw2D::SRect>& live,
                                                       const std::vector<bool>& which);
    // The window depths the live parts are drawn within in the partial
    // frame `slice` after their depth was cleared (0: that frame): each
    // nearer than all before it, so that what the parts left in the depth
    // in earlier frames never hides them. After kLiveDepthSlices frames the
    // depth is cleared again.
    static constexpr int kLiveDepthSlices = 32;
    static void LiveDepthRange(int slice, float& nearDepth, float& farDepth);
    // Of the cells, those the screen under the dialog must draw again: not
    // wholly inside the ground's opaque rectangle, not opaque in the held
    // picture (see CContentCover).
    static CDrawnOverCells CellsUnder(const CDrawnOverCells& cells, const CDraw2D::SRect& opaque,
                                      const CContentCover& cover, float width, float height);
    // The same where the ground is opaque within a union of rectangles.
    static CDrawnOverCells CellsUnder(const CDrawnOverCells& cells, const std::vector<CDraw2D::SRect>& opaque,
                                      const CContentCover& cover, float width, float height);
    // The opaque rectangle without its corner boxes, as at most two
    // rectangles (none for an empty one): the band across its middle and
    // the band down its middle.
    static std::vector<CDraw2D::SRect> OpaqueBands(const SLayers& layers);

    // The ground's parts split into those within the opaque rectangle, which
    // a copy of the ground alone can give back, and the rest, drawn.
    static void SplitGround(const std::vector<CDraw2D::SRect>& ground, const CDraw2D::SRect& opaque,
                            std::vector<CDraw2D::SRect>& copied, std::vector<CDraw2D::SRect>& drawn);
    // The same within a union of rectangles.
    static void SplitGround(const std::vector<CDraw2D::SRect>& ground, const std::vector<CDraw2D::SRect>& opaque,
                            std::vector<CDraw2D::SRect>& copied, std::vector<CDraw2D::SRect>& drawn);

    explicit CHeldDialogFrame(const CScreen& owner) : m_owner(owner) {}
    CHeldDialogFrame(const CHeldDialogFrame&) = delete;
    CHeldDialogFrame& operator=(const CHeldDialogFrame&) = delete;

    // Draws the frame: the screen under the dialog first (null when the
    // dialog covers the window: a frame drawn whole then clears the depth
    // itself), then the dialog's layers. look: every value drawOver reads.
    void Draw(CScreen* under, const SLayers& layers, const std::vector<float>& look);
    // Draws the dialog's layers the long way over whatever was drawn before,
    // holding nothing: for a frame the dialog does not draw alone.
    void DrawUnheld(const SLayers& layers);
    // The next frame is drawn whole.
    void Forget();
    // Appends the look of every child widget of the screen (CWidget::AddLook).
    static void AddChildrenLook(const CScreen& screen, std::vector<float>& look);
    EMode GetMode() const { return m_mode; }

  private:
    // The veil within the parts.
    static void DrawVeil(const std::vector<CDraw2D::SRect>& parts, float light);
    void DrawWhole(CScreen* under, const SLayers& layers, bool capture, const std::vector<float>& look);
    // False when the screen under could not draw its parts (nothing drawn).
    bool DrawPartial(CScreen* under, const SLayers& layers);

    const CScreen& m_owner;
    COffscreenLayer m_picture;
    // The window as the ground left it in the last frame drawn whole and
    // held, for the cells within the opaque rectangle.
    CWindowCopy m_ground;
    bool m_ground_held = false;
    CContentCover m_cover;
    CBackBufferMark m_mark;
    // SparkleCells of the last frame, and its live parts.
    CDrawnOverCells m_last_cells;
    std::vector<CDraw2D::SRect> m_last_live;
    std::vector<float> m_last_live_look;
    // The live parts whose depth was cleared last, and the partial frames
    // drawn since (see LiveDepthRange); a frame drawn whole starts over.
    std::vector<CDraw2D::SRect> m_depth_cleared;
    int m_depth_slice = 0;
    std::vector<float> m_look;
    bool m_held = false;
    bool m_under_refuses = false;
    // The screen under drew itself for the dialog (CScreen::DrawShaded:
    // without the back sparkles, the veil laid) in the last frame drawn whole.
    bool m_under_shaded = false;
    // ... and stands still in every frame (CScreen::IsStillWhenShaded): the
    // copy of the ground holds it everywhere.
    bool m_under_still = false;
    EMode m_mode = EMode::Whole;
};
