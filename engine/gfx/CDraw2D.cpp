#include "engine/gfx/CDraw2D.h"

#include <algorithm>
#include <cmath>

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "engine/gfx/CTexture.h"

void CDraw2D::SetColor(float r, float g, float b, float a)
{
    glColor4f(r, g, b, a);
}

void CDraw2D::SetTexturing(bool on)
{
    if (on)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

void CDraw2D::BindTexture(unsigned int texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
}

void CDraw2D::SetBlend(bool on)
{
    if (on)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
}

bool CDraw2D::IsBlendOn()
{
    return glIsEnabled(GL_BLEND) == GL_TRUE;
}

bool CDraw2D::IsDepthTestOn()
{
    return glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
}

bool CDraw2D::IsAlphaTestOn()
{
    return glIsEnabled(GL_ALPHA_TEST) == GL_TRUE;
}

void CDraw2D::SetAlphaBlendFunc()
{
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

void CDraw2D::EnableAlphaBlend()
{
    SetAlphaBlendFunc();
    glEnable(GL_BLEND);
}

void CDraw2D::SetAlphaTest(bool on)
{
    if (on)
        glEnable(GL_ALPHA_TEST);
    else
        glDisable(GL_ALPHA_TEST);
}

void CDraw2D::EnableAlphaTestAbove(float threshold)
{
    glAlphaFunc(GL_GREATER, threshold);
    glEnable(GL_ALPHA_TEST);
}

void CDraw2D::SetDepthTest(bool on)
{
    if (on)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
}

void CDraw2D::SetDepthWrite(bool on)
{
    glDepthMask(on ? GL_TRUE : GL_FALSE);
}

void CDraw2D::SetLighting(bool on)
{
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void CDraw2D::UseNicestPerspective()
{
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void CDraw2D::SetClearColor(float r, float g, float b, float a)
{
    glClearColor(r, g, b, a);
}

void CDraw2D::ClearColorAndDepth()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CDraw2D::ClearDepth()
{
    glClear(GL_DEPTH_BUFFER_BIT);
}

void CDraw2D::SetDepthRange(float near_depth, float far_depth)
{
    glDepthRange(near_depth, far_depth);
}

void CDraw2D::ClearDepthInRect(int x, int y, int width, int height)
{
    glScissor(x, y, width, height);
    glEnable(GL_SCISSOR_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

void CDraw2D::ClearAndClip(int x, int y, int width, int height)
{
    GLfloat previous[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, previous);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glScissor(x, y, width, height);
    glEnable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(previous[0], previous[1], previous[2], previous[3]);
}

void CDraw2D::EndClip()
{
    glDisable(GL_SCISSOR_TEST);
}

CDraw2D::SClip CDraw2D::BeginInnerClip(const int box[4])
{
    SClip previous;
    previous.on = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
    GLint outer[4];
    glGetIntegerv(GL_SCISSOR_BOX, outer);
    for (int i = 0; i < 4; ++i)
        previous.box[i] = outer[i];
    int inner[4] = {box[0], box[1], box[2], box[3]};
    if (previous.on)
        IntersectBoxes(box, previous.box, inner);
    glScissor(inner[0], inner[1], inner[2], inner[3]);
    glEnable(GL_SCISSOR_TEST);
    return previous;
}

void CDraw2D::EndInnerClip(const SClip& previous)
{
    glScissor(previous.box[0], previous.box[1], previous.box[2], previous.box[3]);
    if (!previous.on)
        glDisable(GL_SCISSOR_TEST);
}

void CDraw2D::IntersectBoxes(const int a[4], const int b[4], int out[4])
{
    const int left = std::max(a[0], b[0]);
    const int bottom = std::max(a[1], b[1]);
    const int right = std::min(a[0] + a[2], b[0] + b[2]);
    const int top = std::min(a[1] + a[3], b[1] + b[3]);
    if (right <= left || top <= bottom)
    {
        out[0] = left;
        out[1] = bottom;
        out[2] = 0;
        out[3] = 0;
        return;
    }
    out[0] = left;
    out[1] = bottom;
    out[2] = right - left;
    out[3] = top - bottom;
}

void CDraw2D::ClearColorInRect(int x, int y, int width, int height, float r, float g, float b)
{
    GLfloat previous[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, previous);
    glClearColor(r, g, b, 1.0f);
    glScissor(x, y, width, height);
    glEnable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(previous[0], previous[1], previous[2], previous[3]);
}

unsigned int CDraw2D::ReadPixel(int x, int y)
{
    GLubyte rgba[4] = {0, 0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return (static_cast<unsigned int>(rgba[0]) << 16) | (static_cast<unsigned int>(rgba[1]) << 8) | rgba[2];
}

void CDraw2D::SetOrthoProjection(int window_width, int window_height, double logical_width, double logical_height,
                                 double near_plane, double far_plane)
{
    glViewport(0, 0, window_width, window_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, logical_width, logical_height, 0.0, near_plane, far_plane);
    glMatrixMode(GL_MODELVIEW);
}

void CDraw2D::DrawOpaquePicture(unsigned int texture, float width, float height, float depth)
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Replacing skips the colour multiply: the cheapest full-screen layer a
    // software renderer can draw.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    CTexture::DrawQuad(0.0f, 0.0f, depth, width, height, 0.0f, 1.0f, 0.0f, 1.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void CDraw2D::DrawOpaquePictureParts(unsigned int texture, const std::vector<SRect>& parts, float width,
                                     float height, float depth)
{
    if (parts.empty() || width <= 0.0f || height <= 0.0f)
        return;
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    // All parts in one call (the software renderer pays for each), each
    // split along the same diagonal as CTexture::DrawQuad's strip.
    glBegin(GL_TRIANGLES);
    for (const SRect& part : parts)
    {
        // As the whole picture: its top at t = 1.
        const float s_left = part.x / width;
        const float s_right = (part.x + part.width) / width;
        const float t_top = 1.0f - part.y / height;
        const float t_bottom = 1.0f - (part.y + part.height) / height;
        const float corners[4][4] = {{part.x, part.y, s_left, t_top},
                                     {part.x, part.y + part.height, s_left, t_bottom},
                                     {part.x + part.width, part.y, s_right, t_top},
                                     {part.x + part.width, part.y + part.height, s_right, t_bottom}};
        for (int i : {0, 1, 2, 2, 1, 3})
        {
            glTexCoord2f(corners[i][2], corners[i][3]);
            glVertex3f(corners[i][0], corners[i][1], depth);
        }
    }
    glEnd();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void CDraw2D::DrawPlacedPictureParts(unsigned int texture, const SRect& place, const std::vector<SRect>& parts,
                                     bool opaque, float depth)
{
    if (parts.empty() || place.width <= 0.0f || place.height <= 0.0f)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (opaque)
    {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    }
    glBegin(GL_TRIANGLES);
    for (const SRect& part : parts)
    {
        const float x0 = std::max(part.x, place.x), x1 = std::min(part.x + part.width, place.x + place.width);
        const float y0 = std::max(part.y, place.y), y1 = std::min(part.y + part.height, place.y + place.height);
        if (x0 >= x1 || y0 >= y1)
            continue;
        const float s0 = (x0 - place.x) / place.width, s1 = (x1 - place.x) / place.width;
        const float t0 = 1.0f - (y0 - place.y) / place.height, t1 = 1.0f - (y1 - place.y) / place.height;
        const float corners[4][4] = {{x0, y0, s0, t0}, {x0, y1, s0, t1}, {x1, y0, s1, t0}, {x1, y1, s1, t1}};
        for (int i : {0, 1, 2, 2, 1, 3})
        {
            glTexCoord2f(corners[i][2], corners[i][3]);
            glVertex3f(corners[i][0], corners[i][1], depth);
        }
    }
    glEnd();
    if (opaque)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

std::vector<CDraw2D::SPoint> CDraw2D::RoundedOutline(const SRect& box, float rx, float ry, const SRect& part)
{
    std::vector<SPoint> outline;
    rx = std::clamp(rx, 0.0f, box.width / 2.0f);
    ry = std::clamp(ry, 0.0f, box.height / 2.0f);
    // Clockwise on the screen (y down), from the top end of the top-right
    // corner.
    const float cx[4] = {box.x + box.width - rx, box.x + box.width - rx, box.x + rx, box.x + rx};
    const float cy[4] = {box.y + ry, box.y + box.height - ry, box.y + box.height - ry, box.y + ry};
    const float pi = 3.14159265358979f;
    for (int corner = 0; corner < 4; ++corner)
        for (int step = 0; step <= kCornerSteps; ++step)
        {
            // The top-right corner sweeps from straight up to straight right.
            const float angle = -pi / 2.0f + pi / 2.0f * (corner + static_cast<float>(step) / kCornerSteps);
            outline.push_back({cx[corner] + rx * std::cos(angle), cy[corner] + ry * std::sin(angle)});
        }
    // Cut by each of the part's four sides in turn.
    const float sides[4] = {part.x, part.y, part.x + part.width, part.y + part.height};
    for (int side = 0; side < 4 && !outline.empty(); ++side)
    {
        auto inside = [&](const SPoint& p) {
            const float v = side % 2 ? p.y : p.x;
            return side < 2 ? v >= sides[side] : v <= sides[side];
        };
        std::vector<SPoint> cut;
        for (std::size_t i = 0; i < outline.size(); ++i)
        {
            const SPoint& a = outline[i];
            const SPoint& b = outline[(i + 1) % outline.size()];
            if (inside(a))
                cut.push_back(a);
            if (inside(a) != inside(b))
            {
                const float va = side % 2 ? a.y : a.x, vb = side % 2 ? b.y : b.x;
                const float f = (sides[side] - va) / (vb - va);
                const SPoint p = {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f};
                cut.push_back(side % 2 ? SPoint{p.x, sides[side]} : SPoint{sides[side], p.y});
            }
        }
        outline = std::move(cut);
    }
    if (outline.size() < 3)
        outline.clear();
    return outline;
}

void CDraw2D::DrawRoundedPictureParts(unsigned int texture, const SRect& place, const SRect& source, float rx,
                                      float ry, const std::vector<SRect>& parts)
{
    if (parts.empty() || place.width <= 0.0f || place.height <= 0.0f)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_TRIANGLES);
    for (const SRect& part : parts)
    {
        const std::vector<SPoint> outline = RoundedOutline(place, rx, ry, part);
        auto vertex = [&](const SPoint& p) {
            glTexCoord2f(source.x + (p.x - place.x) / place.width * source.width,
                         1.0f - (source.y + (p.y - place.y) / place.height * source.height));
            glVertex3f(p.x, p.y, 0.0f);
        };
        // A fan of the convex outline, as separate triangles.
        for (std::size_t i = 1; i + 1 < outline.size(); ++i)
        {
            vertex(outline[0]);
            vertex(outline[i]);
            vertex(outline[i + 1]);
        }
    }
    glEnd();
}

void CDraw2D::GetViewportSize(int& width, int& height)
{
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    width = viewport[2];
    height = viewport[3];
}

void CDraw2D::SetPictureFilter(unsigned int texture, bool nearest)
{
    const GLint filter = nearest ? GL_NEAREST : GL_LINEAR;
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

void CDraw2D::SetMipmapFilter(unsigned int texture, bool nearest)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, nearest ? GL_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, nearest ? GL_NEAREST : GL_LINEAR_MIPMAP_NEAREST);
}

void CDraw2D::DarkenParts(const std::vector<SRect>& parts, float light)
{
    SetTexturing(false);
    SetAlphaTest(false);
    EnableAlphaBlend();
    SetColor(0.0f, 0.0f, 0.0f, 1.0f - light);
    for (const SRect& part : parts)
        CTexture::DrawQuad(part.x, part.y, 0.0f, part.width, part.height, 0.0f, 1.0f, 0.0f, 1.0f);
    SetColor(1.0f, 1.0f, 1.0f, 1.0f);
    SetBlend(false);
}
