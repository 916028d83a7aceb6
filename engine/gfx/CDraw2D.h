#pragma once
// The GL switches and flat drawing that menus and dialogs need, so that the
// screens above the engine never speak GL themselves. Each function issues
// its GL calls in the order its comment gives and leaves exactly that state
// behind: later drawers rely on it.

#include <vector>

class CDraw2D
{
public:
    // A rectangle of the logical screen, (x,y) its top-left corner.
    struct SRect
    {
        float x;
        float y;
        float width;
        float height;

        bool operator==(const SRect& other) const
        {
            return x == other.x && y == other.y && width == other.width && height == other.height;
        }
        bool operator!=(const SRect& other) const { return !(*this == other); }
    };

    // The current colour, which modulates textured drawing too.
    static void SetColor(float r, float g, float b, float a);

    // 2-D texturing on or off.
    static void SetTexturing(bool on);
    // Binds a 2-D texture by its GL name; 0 binds none.
    static void BindTexture(unsigned int texture);

    static void SetBlend(bool on);
    static bool IsBlendOn();
    static bool IsAlphaTestOn();
    // Colour: source alpha over one minus source alpha. Alpha: one over one
    // minus source alpha, so that what is drawn into a picture that starts
    // see-through keeps its coverage there, its colour multiplied by it, and
    // the picture laid over the window later looks as if drawn there.
    static void SetAlphaBlendFunc();
    // SetAlphaBlendFunc, then blending on.
    static void EnableAlphaBlend();
    static void SetAlphaTest(bool on);
    // Alpha function "greater than threshold", then the alpha test on.
    static void EnableAlphaTestAbove(float threshold);
    static void SetDepthTest(bool on);
    static bool IsDepthTestOn();
    static void SetDepthWrite(bool on);
    // The window depths the view's near and far planes map to (0 and 1 as
    // the driver starts).
    static void SetDepthRange(float near_depth, float far_depth);
    static void SetLighting(bool on);
    // Perspective-correct texturing at the best quality the driver offers.
    static void UseNicestPerspective();

    static void SetClearColor(float r, float g, float b, float a);
    // Colour and depth buffers in one clear.
    static void ClearColorAndDepth();
    static void ClearDepth();
    // Clears depth inside a rectangle of window pixels (origin bottom-left):
    // scissor box, scissor test on, clear, scissor test off.
    static void ClearDepthInRect(int x, int y, int width, int height);

    // Fills a rectangle of window pixels (origin bottom-left) with one colour:
    // scissor box, scissor test on, clear, scissor test off; the clear colour
    // goes back to what it was.
    static void ClearColorInRect(int x, int y, int width, int height, float r, float g, float b);
    // Colour to see-through black and depth cleared in a box of pixels,
    // then drawing kept inside it (the scissor test on) until EndClip.
    static void ClearAndClip(int x, int y, int width, int height);
    static void EndClip();

    // The scissor test and box in force, as BeginInnerClip found them.
    struct SClip
    {
        bool on = false;
        int box[4] = {0, 0, 0, 0};
    };
    // Keeps drawing inside a box of window pixels (x, y, width, height,
    // origin bottom-left) and, when the scissor test is on, inside the box
    // already in force too: a picture drawn again only within a patch stays
    // within it. Returns what was in force, for EndInnerClip.
    static SClip BeginInnerClip(const int box[4]);
    // Sets the scissor test and box back as they were.
    static void EndInnerClip(const SClip& previous);
    // The overlap of two boxes (x, y, width, height); none has no width and
    // no height.
    static void IntersectBoxes(const int a[4], const int b[4], int out[4]);
    // The colour of one pixel of the read buffer (origin bottom-left) as
    // 0xRRGGBB; waits for the drawing before it.
    static unsigned int ReadPixel(int x, int y);
    // The viewport's size in pixels.
    static void GetViewportSize(int& width, int& height);

    // Viewport of the window's pixels, projection reset to an orthographic
    // one with the logical (0,0) at the top-left and (width,height) at the
    // bottom-right, then the modelview matrix current again (not reset).
    static void SetOrthoProjection(int window_width, int window_height, double logical_width, double logical_height,
                                   double near_plane, double far_plane);

    // Texturing on, blending and alpha test off, the texture bound and drawn
    // over (0,0)-(width,height) at the depth given, replacing the colour
    // instead of modulating it; the texture environment goes back to
    // modulation afterwards.
    static void DrawOpaquePicture(unsigned int texture, float width, float height, float depth = 0.0f);

    // As DrawOpaquePicture, but only these parts of the picture, each at its
    // own place on a logical screen of the size given.
    static void DrawOpaquePictureParts(unsigned int texture, const std::vector<SRect>& parts, float width,
                                       float height, float depth = 0.0f);

    // Only these parts of a picture laid over the logical rectangle `place`
    // (as CTexture::DrawQuad lays it whole, its top at t = 1), each part
    // clipped to it; texturing on, the texture bound, and the colour, blending
    // and texture environment as they stand. Opaque: as DrawOpaquePictureParts
    // lays it, blending and the alpha test off, the colour replaced (what an
    // opaque picture modulated by white shows, at less cost).
    static void DrawPlacedPictureParts(unsigned int texture, const SRect& place, const std::vector<SRect>& parts,
                                       bool opaque = false, float depth = 0.0f);

    // A point of the logical screen.
    struct SPoint
    {
        float x;
        float y;
    };
    // Straight steps along each rounded corner of RoundedOutline.
    static constexpr int kCornerSteps = 8;
    // The outline of the rectangle `box` with each corner cut along a
    // quarter ellipse of radii rx across and ry down (kCornerSteps steps),
    // clipped to `part`: a convex polygon, clockwise on the screen, empty
    // where the two do not meet.
    static std::vector<SPoint> RoundedOutline(const SRect& box, float rx, float ry, const SRect& part);
    // As DrawPlacedPictureParts, but what the picture shows within `source`
    // (texel fractions from its top-left corner) laid over `place`, and only
    // within the outline of `place` rounded by rx and ry (RoundedOutline):
    // a panel that ends at a rounded frame drawn in its picture.
    static void DrawRoundedPictureParts(unsigned int texture, const SRect& place, const SRect& source, float rx,
                                        float ry, const std::vector<SRect>& parts);

    // A black veil over the parts of the logical screen, leaving `light` of
    // what lies there: texturing and the alpha test off, blending on
    // (SetAlphaBlendFunc), the parts filled black at 1 - light; then the
    // colour white again and blending off.
    static void DarkenParts(const std::vector<SRect>& parts, float light);

    // Binds the texture, then sets its minifying and magnifying filters to
    // nearest or linear. For pictures without smaller levels.
    static void SetPictureFilter(unsigned int texture, bool nearest);
    // Binds the texture, then magnifies nearest or linear; minifies nearest,
    // or through the nearest mipmap level when linear.
    static void SetMipmapFilter(unsigned int texture, bool nearest);
};
