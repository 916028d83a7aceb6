#include "tools/assetgen/CUiPainter.h"

#include "tools/assetgen/CPalette.h"
#include "tools/assetgen/CShape.h"
#include "tools/assetgen/CTextRasterizer.h"

#include <algorithm>
#include <cmath>

namespace
{
const int kMargin = 4;   // room for the drop shadow and the hover glow

// The body's silhouette on its own canvas (white, alpha = coverage).
CCanvas Silhouette(int width, int height, const CCanvas::DistanceFn& distance)
{
    CCanvas out(width, height, CColor(1, 1, 1, 0));
    out.FillShape(distance, CColor(1, 1, 1, 1), 0, 0, width - 1, height - 1);
    return out;
}
}

CUiPainter::CUiPainter(const std::string& fontDir) : m_font_dir(fontDir)
{
}

CCanvas CUiPainter::StackFrames(const CCanvas* frames, int count)
{
    const int w = frames[0].GetWidth();
    const int h = frames[0].GetHeight();
    CCanvas out(w, h * count, CColor(1, 1, 1, 0));
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                out.At(x, (count - 1 - i) * h + y) = frames[i].At(x, y);
    return out;
}

CCanvas CUiPainter::ButtonFrame(const std::string& label, int width, int height, float textSize, EState state,
                                EIcon icon, bool isIcon, int arrow) const
{
    CCanvas frame(width, height, CColor(1, 1, 1, 0));
    const float push = state == EState::Pressed ? 1.5f : 0.0f;
    const float left = kMargin;
    const float right = width - kMargin;
    const float top = kMargin - 1 + push;
    const float bottom = height - kMargin - 1 + push;
    const float cx = (left + right) / 2.0f;
    const float cy = (top + bottom) / 2.0f;
    const float hw = (right - left) / 2.0f;
    const float hh = (bottom - top) / 2.0f;
    const float radius = isIcon ? hh : std::min(hh, 13.0f);
    auto body = [=](float x, float y) {
        return isIcon ? CShape::Circle(x, y, cx, cy, hh) : CShape::RoundedBox(x, y, cx, cy, hw, hh, radius);
    };
    auto inner = [=](float x, float y) { return body(x, y) + 2.2f; };

    // Soft drop shadow, lower when the button is up.
    CCanvas shadow = Silhouette(width, height, body);
    shadow.Blur(4);
    frame.DrawTinted(shadow, 0, state == EState::Pressed ? 1 : 3, CColor(0, 0, 0.05f, 0.55f));
    if (state == EState::Hover)
    {
        CCanvas glow = Silhouette(width, height, body).Dilated(2);
        glow.Blur(6);
        frame.DrawTinted(glow, 0, 0, CPalette::Gold().WithAlpha(0.75f));
    }

    // Gold rim.
    frame.FillShape(body, [=](float, float y) {
        const float t = (y - top) / (bottom - top);
        return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), t);
    }, 0, 0, width - 1, height - 1);

    // Glass body.
    CColor bodyTop = CPalette::ButtonTop();
    CColor bodyBottom = CPalette::ButtonBottom();
    if (state == EState::Hover)
    {
        bodyTop = CPalette::ButtonHoverTop();
        bodyBottom = CPalette::ButtonHoverBottom();
    }
    else if (state == EState::Pressed)
    {
        bodyTop = CPalette::ButtonPressedTop();
        bodyBottom = CPalette::ButtonPressedBottom();
    }
    frame.FillShape(inner, [=](float x, float y) {
        const float t = std::min(1.0f, std::max(0.0f, (y - top) / (bottom - top)));
        CColor c = CColor::Mix(bodyTop, bodyBottom, t);
        // A faint diagonal sheen gives the glass some depth.
        const float sheen = 0.06f * std::sin((x + y * 0.6f) * 0.09f);
        return c.Lighter(std::max(0.0f, sheen));
    }, 0, 0, width - 1, height - 1);

    // Gloss over the upper half (not when pressed in).
    if (state != EState::Pressed)
    {
        const float glossBottom = cy + 1.0f;
        frame.FillShape([=](float x, float y) { return std::max(inner(x, y) + 1.5f, y - glossBottom); },
                        [=](float, float y) {
                            const float t = std::min(1.0f, std::max(0.0f, (y - top) / (glossBottom - top)));
                            return CColor(1, 1, 1, 0.38f * (1.0f - t) + 0.06f);
                        },
                        0, 0, width - 1, height - 1);
    }

    const CColor ink = state == EState::Hover ? CPalette::TextWarm() : CPalette::Text();
    if (isIcon)
    {
        CCanvas symbol(width, height, CColor(1, 1, 1, 0));
        DrawIcon(symbol, icon, cx, cy, hh, CColor(1, 1, 1, 1));
        CCanvas symbolShadow = symbol;
        symbolShadow.Blur(2);
        frame.DrawTinted(symbolShadow, 1, 2, CColor(0, 0, 0.1f, 0.8f));
        frame.DrawTinted(symbol, 0, 0, ink);
        return frame;
    }

    CTextRasterizer text(m_font_dir + "DejaVuSans-Bold.ttf", static_cast<int>(textSize));
    int baseline = 0;
    CCanvas caption = text.RenderText(label, 2, &baseline);
    const float arrowSpace = arrow != 0 ? hh * 0.9f : 0.0f;
    const float textWidth = text.MeasureText(label);
    const float groupWidth = textWidth + arrowSpace;
    const float groupLeft = cx - groupWidth / 2.0f;
    const float textLeft = arrow < 0 ? groupLeft + arrowSpace : groupLeft;
    // Centre the capitals, not the whole line box, on the body.
    const float capHeight = textSize * 0.73f;
    const int tx = static_cast<int>(std::lround(textLeft)) - 2;
    const int ty = static_cast<int>(std::lround(cy + capHeight / 2.0f)) - baseline;
    CCanvas captionShadow = caption;
    captionShadow.Blur(2);
    frame.DrawTinted(captionShadow, tx + 1, ty + 2, CColor(0, 0.02f, 0.12f, 0.9f));
    frame.DrawTinted(caption, tx, ty, ink);
    if (arrow != 0)
    {
        const float ax = arrow > 0 ? groupLeft + textWidth + arrowSpace * 0.55f : groupLeft + arrowSpace * 0.4f;
        CCanvas symbol(width, height, CColor(1, 1, 1, 0));
        DrawIcon(symbol, arrow > 0 ? EIcon::Next : EIcon::Previous, ax, cy, hh * 0.75f, CColor(1, 1, 1, 1));
        CCanvas symbolShadow = symbol;
        symbolShadow.Blur(2);
        frame.DrawTinted(symbolShadow, 1, 2, CColor(0, 0, 0.1f, 0.8f));
        frame.DrawTinted(symbol, 0, 0, ink);
    }
    return frame;
}

void CUiPainter::DrawIcon(CCanvas& canvas, EIcon icon, float cx, float cy, float size, const CColor& color) const
{
    const int x0 = static_cast<int>(cx - size) - 2;
    const int y0 = static_cast<int>(cy - size) - 2;
    const int x1 = static_cast<int>(cx + size) + 2;
    const int y1 = static_cast<int>(cy + size) + 2;
    const float s = size;
    const float stroke = std::max(1.6f, s * 0.13f);
    switch (icon)
    {
    case EIcon::Minimize:
        canvas.FillShape([=](float x, float y) { return CShape::Segment(x, y, cx - s * 0.42f, cy + s * 0.3f, cx + s * 0.42f, cy + s * 0.3f, stroke); },
                         color, x0, y0, x1, y1);
        break;
    case EIcon::FullScreen:
        canvas.FillShape([=](float x, float y) {
            const float outer = CShape::RoundedBox(x, y, cx, cy, s * 0.45f, s * 0.36f, 2.0f);
            return std::max(outer, -(outer + stroke * 1.5f));
        }, color, x0, y0, x1, y1);
        canvas.FillShape([=](float x, float y) { return CShape::RoundedBox(x, y, cx, cy - s * 0.28f, s * 0.45f, s * 0.09f, 1.0f); },
                         color, x0, y0, x1, y1);
        break;
    case EIcon::Close:
        canvas.FillShape([=](float x, float y) {
            const float a = CShape::Segment(x, y, cx - s * 0.36f, cy - s * 0.36f, cx + s * 0.36f, cy + s * 0.36f, stroke);
            const float b = CShape::Segment(x, y, cx - s * 0.36f, cy + s * 0.36f, cx + s * 0.36f, cy - s * 0.36f, stroke);
            return std::min(a, b);
        }, color, x0, y0, x1, y1);
        break;
    case EIcon::Help:
    {
        // A question mark from an arc, a stem and a dot.
        canvas.FillShape([=](float x, float y) {
            const float r = s * 0.27f;
            const float acx = cx, acy = cy - s * 0.2f;
            float arc = CShape::Ring(x, y, acx, acy, r, stroke);
            // Keep the arc from the left around the top to the lower right.
            const float angle = std::atan2(y - acy, x - acx);
            if (angle > 0.7f && angle < 3.1f)
                arc = std::max(arc, 3.0f);
            const float stem = CShape::Segment(x, y, acx + r * 0.76f, acy + r * 0.64f, cx, cy + s * 0.2f, stroke);
            const float dot = CShape::Circle(x, y, cx, cy + s * 0.48f, stroke * 1.15f);
            return std::min(std::min(arc, stem), dot);
        }, color, x0, y0, x1, y1);
        break;
    }
    case EIcon::Site:
        canvas.FillShape([=](float x, float y) {
            const float r = s * 0.6f;
            const float ring = CShape::Ring(x, y, cx, cy, r, stroke * 0.75f);
            const float dx = (x - cx) / 0.42f;
            const float meridian = std::fabs(std::hypot(dx, y - cy) - r) * 0.42f - stroke * 0.6f;
            const float equator = CShape::Segment(x, y, cx - r, cy, cx + r, cy, stroke * 0.6f);
            const float inside = CShape::Circle(x, y, cx, cy, r);
            return std::min(ring, std::max(std::min(meridian, equator), inside));
        }, color, x0, y0, x1, y1);
        break;
    case EIcon::Next:
    case EIcon::Previous:
    {
        const float dir = icon == EIcon::Next ? 1.0f : -1.0f;
        const CShape::Points triangle = {{cx - dir * s * 0.32f, cy - s * 0.42f},
                                         {cx + dir * s * 0.42f, cy},
                                         {cx - dir * s * 0.32f, cy + s * 0.42f}};
        canvas.FillShape([=](float x, float y) { return CShape::Polygon(x, y, triangle) - 1.0f; }, color, x0, y0, x1, y1);
        break;
    }
    }
}

CCanvas CUiPainter::Button(const std::string& label, int width, int frameHeight, float textSize) const
{
    const CCanvas frames[3] = {ButtonFrame(label, width, frameHeight, textSize, EState::Normal, EIcon::Help, false, 0),
                               ButtonFrame(label, width, frameHeight, textSize, EState::Hover, EIcon::Help, false, 0),
                               ButtonFrame(label, width, frameHeight, textSize, EState::Pressed, EIcon::Help, false, 0)};
    return StackFrames(frames, 3);
}

CCanvas CUiPainter::IconButton(EIcon icon, int size) const
{
    const CCanvas frames[3] = {ButtonFrame("", size, size, 0, EState::Normal, icon, true, 0),
                               ButtonFrame("", size, size, 0, EState::Hover, icon, true, 0),
                               ButtonFrame("", size, size, 0, EState::Pressed, icon, true, 0)};
    return StackFrames(frames, 3);
}

CCanvas CUiPainter::ArrowButton(const std::string& label, bool arrowRight, int width, int frameHeight) const
{
    const int arrow = arrowRight ? 1 : -1;
    const float textSize = frameHeight * 0.42f;
    const CCanvas frames[3] = {ButtonFrame(label, width, frameHeight, textSize, EState::Normal, EIcon::Help, false, arrow),
                               ButtonFrame(label, width, frameHeight, textSize, EState::Hover, EIcon::Help, false, arrow),
                               ButtonFrame(label, width, frameHeight, textSize, EState::Pressed, EIcon::Help, false, arrow)};
    return StackFrames(frames, 3);
}

CCanvas CUiPainter::CheckBox(int size) const
{
    CCanvas frames[4];
    for (int i = 0; i < 4; ++i)
    {
        const bool checked = i >= 2;
        const bool hover = i % 2 == 1;
        CCanvas frame(size, size, CColor(1, 1, 1, 0));
        const float c = size / 2.0f;
        const float half = size / 2.0f - 4.0f;
        auto box = [=](float x, float y) { return CShape::RoundedBox(x, y, c, c, half, half, 6.0f); };
        CCanvas shadow = Silhouette(size, size, box);
        shadow.Blur(3);
        frame.DrawTinted(shadow, 0, 2, CColor(0, 0, 0.05f, 0.6f));
        if (hover)
        {
            CCanvas glow = Silhouette(size, size, box).Dilated(2);
            glow.Blur(4);
            frame.DrawTinted(glow, 0, 0, CPalette::Gold().WithAlpha(0.8f));
        }
        frame.FillShape(box, [=](float, float y) {
            return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), y / size);
        }, 0, 0, size - 1, size - 1);
        frame.FillShape([=](float x, float y) { return box(x, y) + 2.5f; }, [=](float, float y) {
            // Sunken well: dark at the top edge, a little lighter below.
            return CColor::Mix(CPalette::Inset(), CColor::FromHex(hover ? 0x2A4A8A : 0x1E3366), y / size);
        }, 0, 0, size - 1, size - 1);
        if (checked)
        {
            const CShape::Points tick = {{c - half * 0.62f, c + half * 0.02f}, {c - half * 0.12f, c + half * 0.5f},
                                         {c + half * 0.7f, c - half * 0.62f}};
            auto mark = [=](float x, float y) {
                return std::min(CShape::Segment(x, y, tick[0].first, tick[0].second, tick[1].first, tick[1].second, 3.2f),
                                CShape::Segment(x, y, tick[1].first, tick[1].second, tick[2].first, tick[2].second, 3.2f));
            };
            CCanvas markShadow = Silhouette(size, size, mark);
            markShadow.Blur(2);
            frame.DrawTinted(markShadow, 1, 2, CColor(0, 0, 0, 0.8f));
            frame.FillShape(mark, [=](float, float y) {
                return CColor::Mix(CPalette::GoldLight(), CPalette::Gold(), y / size);
            }, 0, 0, size - 1, size - 1);
        }
        frames[i] = frame;
    }
    return StackFrames(frames, 4);
}

CCanvas CUiPainter::RadioButton(int size) const
{
    CCanvas frames[4];
    for (int i = 0; i < 4; ++i)
    {
        const bool selected = i >= 2;
        const bool hover = i % 2 == 1;
        CCanvas frame(size, size, CColor(1, 1, 1, 0));
        const float c = size / 2.0f;
        const float r = size / 2.0f - 4.0f;
        auto disc = [=](float x, float y) { return CShape::Circle(x, y, c, c, r); };
        CCanvas shadow = Silhouette(size, size, disc);
        shadow.Blur(3);
        frame.DrawTinted(shadow, 0, 2, CColor(0, 0, 0.05f, 0.6f));
        if (hover)
        {
            CCanvas glow = Silhouette(size, size, disc).Dilated(2);
            glow.Blur(4);
            frame.DrawTinted(glow, 0, 0, CPalette::Gold().WithAlpha(0.8f));
        }
        frame.FillShape(disc, [=](float, float y) {
            return CColor::Mix(CPalette::GoldLight(), CPalette::GoldDark(), y / size);
        }, 0, 0, size - 1, size - 1);
        frame.FillShape([=](float x, float y) { return disc(x, y) + 2.5f; }, [=](float, float y) {
            return CColor::Mix(CPalette::Inset(), CColor::FromHex(hover ? 0x2A4A8A : 0x1E3366), y / size);
        }, 0, 0, size - 1, size - 1);
        if (selected)
        {
            const float pr = r * 0.52f;
            frame.FillShape([=](float x, float y) { return CShape::Circle(x, y, c, c, pr); }, [=](float x, float y) {
                // A lit pearl: bright towards the upper left.
                const float d = std::hypot(x - (c - pr * 0.35f), y - (c - pr * 0.35f)) / (pr * 1.6f);
                return CColor::Mix(CPalette::GoldLight().Lighter(0.5f), CPalette::GoldDark(), std::min(1.0f, d));
            }, 0, 0, size - 1, size - 1);
        }
        frames[i] = frame;
    }
    return StackFrames(frames, 4);
}

CCanvas CUiPainter::EditBox(int width, int frameHeight) const
{
    CCanvas frames[2];
    for (int i = 0; i < 2; ++i)
    {
        const bool focused = i == 1;
        CCanvas frame(width, frameHeight, CColor(1, 1, 1, 0));
        const float cx = width / 2.0f;
        const float cy = frameHeight / 2.0f;
        auto box = [=](float x, float y) { return CShape::RoundedBox(x, y, cx, cy, cx - 3.0f, cy - 3.0f, 10.0f); };
        if (focused)
        {
            CCanvas glow = Silhouette(width, frameHeight, box);
            glow.Blur(4);
            frame.DrawTinted(glow, 0, 0, CPalette::Gold().WithAlpha(0.9f));
        }
        frame.FillShape(box, [=](float, float y) {
            return CColor::Mix(focused ? CPalette::GoldLight() : CColor::FromHex(0x8A9CC8),
                               focused ? CPalette::GoldDark() : CColor::FromHex(0x3A4A78), y / frameHeight);
        }, 0, 0, width - 1, frameHeight - 1);
        frame.FillShape([=](float x, float y) { return box(x, y) + 2.5f; }, [=](float, float y) {
            const float t = y / frameHeight;
            // Darkest just under the top edge, as a sunken field.
            return CColor::Mix(CColor::FromHex(0x050918), CColor::FromHex(0x17244A), std::min(1.0f, t * 1.3f));
        }, 0, 0, width - 1, frameHeight - 1);
        frames[i] = frame;
    }
    return StackFrames(frames, 2);
}
