#include "engine/gfx/CSprite.h"
#include "engine/gfx/CDraw2D.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CPicture.h"
#include "engine/gfx/CTexture.h"

#include <GL/gl.h>

#include <cmath>

#include <algorithm>

namespace
{
// A separate alpha picture is named only when the value is longer than this.
constexpr size_t kMinAlphaNameLength = 3;
}

CSprite::CSprite(const CSprite& other)
    : m_position(other.m_position),
      m_texture(other.m_texture),
      m_cell_boxes(other.m_cell_boxes),
      m_groups(other.m_groups),
      m_frames(other.m_frames),
      m_width(other.m_width),
      m_height(other.m_height),
      m_frame(other.m_frame),
      m_group(other.m_group),
      m_visible(other.m_visible),
      m_owns_texture(false),
      m_blend(other.m_blend),
      m_flip(other.m_flip),
      m_elapsed(other.m_elapsed),
      m_frame_delay(other.m_frame_delay)
{
}

CSprite& CSprite::operator=(const CSprite& other)
{
    if (this == &other)
    {
        return *this;
    }
    m_position = other.m_position;
    m_texture = other.m_texture;
    m_cell_boxes = other.m_cell_boxes;
    m_groups = other.m_groups;
    m_frames = other.m_frames;
    m_width = other.m_width;
    m_height = other.m_height;
    m_frame = other.m_frame;
    m_group = other.m_group;
    m_visible = other.m_visible;
    m_owns_texture = false;
    m_blend = other.m_blend;
    m_flip = other.m_flip;
    m_elapsed = other.m_elapsed;
    m_frame_delay = other.m_frame_delay;
    return *this;
}

// The texture's own destructor frees its GL names when the last sprite sharing it goes,
// so a copy never draws with a texture its source has already released.
CSprite::~CSprite() = default;

void CSprite::LoadFile(CFilePack* pack, const char* name)
{
    if (pack == nullptr || name == nullptr)
    {
        return;
    }
    CFileData data = pack->GetFile(name);
    Parse(pack, reinterpret_cast<const char*>(data.GetData()), data.GetSize());
    data.Free();
}

bool CSprite::Parse(CFilePack* pack, const char* text, unsigned size)
{
    ReleaseTexture();

    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text), text ? size : 0, true);
    std::string picture = config.GetValue("file_name", "0");
    std::string alpha = config.GetValue("file_alpha", "0");
    bool wrap = StrToInt(config.GetValue("tex_wrap", "0")) != 0;
    bool dynamic = StrToInt(config.GetValue("tex_dynamic", "0")) != 0;
    // A grid of no rows or columns has no cell to show; it is read as one.
    m_groups = std::max(1, StrToInt(config.GetValue("groups", "1")));
    m_frames = std::max(1, StrToInt(config.GetValue("frames", "1")));

    // A copy that loads a description of its own stops sharing its source's picture.
    if (!m_texture || !m_owns_texture)
    {
        m_texture = std::make_shared<CTexture>();
    }
    m_cell_boxes.reset();
    if (pack != nullptr)
    {
        if (alpha.size() > kMinAlphaNameLength)
        {
            m_texture->LoadWithAlpha(*pack, picture, alpha, wrap, dynamic);
        }
        else
        {
            CPicture decoded;
            if (CTexture::ReadPicture(*pack, picture, decoded) && m_texture->SetPicture(decoded, wrap, dynamic))
            {
                m_cell_boxes =
                    std::make_shared<const std::vector<SCellBox>>(FindCellBoxes(decoded, m_groups, m_frames));
            }
        }
    }

    m_width = static_cast<float>(static_cast<unsigned>(m_texture->GetWidth()) /
                                 static_cast<unsigned>(m_frames));
    m_height = static_cast<float>(static_cast<unsigned>(m_texture->GetHeight()) /
                                  static_cast<unsigned>(m_groups));
    m_frame = 0;
    m_group = 0;
    m_owns_texture = true;
    return true;
}

void CSprite::ReleaseTexture()
{
    if (m_texture && m_owns_texture)
    {
        m_texture->Release();
    }
}

void CSprite::SetGrid(int32_t groups, int32_t frames)
{
    m_groups = std::max(0, groups);
    m_frames = std::max(0, frames);
    m_group = 0;
    m_frame = 0;
    m_elapsed = 0;
}

void CSprite::SetSize(float width, float height)
{
    m_width = width;
    m_height = height;
}

void CSprite::SetGroup(int32_t index)
{
    m_group = (index >= 0 && index < m_groups) ? index : 0;
}

void CSprite::SetFrame(int32_t index)
{
    if (index >= 0 && index < m_frames)
    {
        m_frame = index;
        m_elapsed = static_cast<uint32_t>(index) * m_frame_delay;
    }
    else
    {
        m_frame = 0;
        m_elapsed = 0;
    }
}

void CSprite::Advance(uint32_t dt)
{
    if (m_frame_delay == 0 || m_frames <= 0)
    {
        m_frame = 0;
        m_elapsed = 0;
        return;
    }
    uint64_t elapsed = static_cast<uint64_t>(m_elapsed) + dt;
    uint64_t cycle = static_cast<uint64_t>(m_frame_delay) * static_cast<uint64_t>(m_frames);
    // After a long stall the loop goes on where the time says, not from its first frame.
    elapsed %= cycle;
    m_elapsed = static_cast<uint32_t>(elapsed);
    m_frame = static_cast<int32_t>(elapsed / m_frame_delay);
}

void CSprite::GetCellCoords(float& u_left, float& u_right, float& v_low, float& v_high) const
{
    float frames = static_cast<float>(std::max(1, m_frames));
    float groups = static_cast<float>(std::max(1, m_groups));
    u_left = static_cast<float>(m_frame) / frames;
    u_right = static_cast<float>(m_frame + 1) / frames;
    v_low = static_cast<float>(m_group) / groups;
    v_high = static_cast<float>(m_group + 1) / groups;
}

std::vector<CSprite::SCellBox> CSprite::FindCellBoxes(const CPicture& picture, int32_t groups, int32_t frames)
{
    groups = std::max(1, groups);
    frames = std::max(1, frames);
    std::vector<SCellBox> boxes(static_cast<std::size_t>(groups) * static_cast<std::size_t>(frames));
    const int width = picture.m_width / frames, height = picture.m_height / groups;
    if (picture.m_components != 4 || width <= 0 || height <= 0 ||
        picture.m_pixels.size() < static_cast<std::size_t>(picture.m_width) * picture.m_height * 4)
    {
        return boxes;
    }
    // Two texels beyond the last one seen: filtering, and a smaller level
    // of the picture, reach that far.
    constexpr int kMargin = 2;
    for (int32_t group = 0; group < groups; ++group)
    {
        for (int32_t frame = 0; frame < frames; ++frame)
        {
            int x0 = width, x1 = -1, y0 = height, y1 = -1;
            // Squared, from the cell's middle to a texel's farthest corner.
            float farthest = 0.0f;
            const float mx = width / 2.0f, my = height / 2.0f;
            for (int y = 0; y < height; ++y)
            {
                const unsigned char* row = picture.GetPixel(frame * width, group * height + y);
                const float dy = std::max(std::fabs(y - my), std::fabs(y + 1 - my));
                for (int x = 0; x < width; ++x)
                {
                    if (row[x * 4 + 3] != 0)
                    {
                        x0 = std::min(x0, x);
                        x1 = std::max(x1, x);
                        y0 = std::min(y0, y);
                        y1 = std::max(y1, y);
                        const float dx = std::max(std::fabs(x - mx), std::fabs(x + 1 - mx));
                        farthest = std::max(farthest, dx * dx + dy * dy);
                    }
                }
            }
            SCellBox& box = boxes[static_cast<std::size_t>(group) * frames + frame];
            if (x1 < 0)
            {
                box.left = box.right = 0.0f;
                continue;
            }
            box.left = static_cast<float>(std::max(0, x0 - kMargin)) / width;
            box.right = static_cast<float>(std::min(width, x1 + 1 + kMargin)) / width;
            box.low = static_cast<float>(std::max(0, y0 - kMargin)) / height;
            box.high = static_cast<float>(std::min(height, y1 + 1 + kMargin)) / height;
            // Where the box meets the cell's edge, filtering there reads the
            // next cell of the picture too: only the box's corners bound
            // what is drawn.
            const bool inside = x0 - kMargin > 0 && x1 + 1 + kMargin < width && y0 - kMargin > 0 &&
                                y1 + 1 + kMargin < height;
            box.radius = inside ? std::sqrt(farthest) + kMargin : -1.0f;
        }
    }
    return boxes;
}

CSprite::SCellBox CSprite::GetCellBox(int32_t group, int32_t frame) const
{
    SCellBox cell;
    if (m_cell_boxes && group >= 0 && frame >= 0 && group < m_groups && frame < m_frames &&
        static_cast<std::size_t>(group) * m_frames + frame < m_cell_boxes->size())
    {
        cell = (*m_cell_boxes)[static_cast<std::size_t>(group) * m_frames + frame];
    }
    return cell;
}

void CSprite::GetReach(int32_t group, int32_t frame, float box[4]) const
{
    const SCellBox cell = GetCellBox(group, frame);
    // Flipped, the cell's low edge is drawn at the top.
    const float low = std::min(cell.low, 1.0f - cell.high);
    const float high = std::max(cell.high, 1.0f - cell.low);
    const float x0 = m_width * (cell.left - 0.5f), x1 = m_width * (cell.right - 0.5f);
    const float y0 = m_height * (low - 0.5f), y1 = m_height * (high - 0.5f);
    box[0] = std::min(x0, x1);
    box[1] = std::min(y0, y1);
    box[2] = std::max(x0, x1);
    box[3] = std::max(y0, y1);
}

float CSprite::GetTurnedReach(int32_t group, int32_t frame) const
{
    float box[4];
    GetReach(group, frame, box);
    float reach = std::hypot(std::max(std::fabs(box[0]), std::fabs(box[2])),
                             std::max(std::fabs(box[1]), std::fabs(box[3])));
    // Beyond the circle round the texels that show the quad's texels are
    // all see-through: drawn there, it changes no pixel.
    const SCellBox cell = GetCellBox(group, frame);
    const float texels_wide = m_texture && m_frames > 0 ? static_cast<float>(m_texture->GetWidth() / m_frames) : 0.0f;
    const float texels_high = m_texture && m_groups > 0 ? static_cast<float>(m_texture->GetHeight() / m_groups) : 0.0f;
    if (cell.radius >= 0.0f && texels_wide > 0.0f && texels_high > 0.0f)
        reach = std::min(reach, cell.radius * std::max(m_width / texels_wide, m_height / texels_high));
    return reach;
}

void CSprite::EmitCell(const CVector4& at, float degreesZ, float alpha, float light) const
{
    // Kept from call to call: a run of cells asks for no memory each.
    static std::vector<SCellVertex> corners;
    corners.clear();
    AddCell(at, degreesZ, alpha, light, corners);
    if (!corners.empty())
        glColor4f(light, light, light, alpha);
    for (const SCellVertex& corner : corners)
    {
        glTexCoord2f(corner.u, corner.v);
        glVertex3f(corner.x, corner.y, corner.z);
    }
}

void CSprite::AddCell(const CVector4& at, float degreesZ, float alpha, float light,
                      std::vector<SCellVertex>& out) const
{
    const SCellBox cell = GetCellBox(m_group, m_frame);
    if (cell.left >= cell.right || cell.low >= cell.high)
    {
        return;
    }
    float u_left;
    float u_right;
    float v_low;
    float v_high;
    GetCellCoords(u_left, u_right, v_low, v_high);
    // Only the cell's box, its corners where the whole cell's quad would
    // put them and with the texture coordinates it would give them there.
    const float du = u_right - u_left, dv = v_high - v_low;
    const float u0 = u_left + cell.left * du, u1 = u_left + cell.right * du;
    const float v_lowest = v_low + cell.low * dv, v_highest = v_low + cell.high * dv;
    const float low = m_flip ? 1.0f - cell.high : cell.low;
    const float high = m_flip ? 1.0f - cell.low : cell.high;
    const float v_bottom = m_flip ? v_highest : v_lowest;
    const float v_top = m_flip ? v_lowest : v_highest;
    const float left = m_width * (cell.left - 0.5f), right = m_width * (cell.right - 0.5f);
    const float bottom = m_height * (low - 0.5f), top = m_height * (high - 0.5f);
    const float radians = degreesZ * 3.14159265f / 180.0f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    // The corners in Draw's strip order, split along the same diagonal.
    const float corners[4][4] = {
        {right, bottom, u1, v_bottom}, {left, bottom, u0, v_bottom}, {right, top, u1, v_top}, {left, top, u0, v_top}};
    static const int order[6] = {0, 1, 2, 2, 1, 3};
    for (int i : order)
    {
        const float x = m_position.x + corners[i][0];
        const float y = m_position.y + corners[i][1];
        out.push_back({at.x + c * x - s * y, at.y + s * x + c * y, at.z + m_position.z, corners[i][2], corners[i][3],
                       light, light, light, alpha});
    }
}

void CSprite::Draw(bool bind_texture)
{
    if (!m_visible)
    {
        return;
    }
    glPushMatrix();
    if (bind_texture)
    {
        glBindTexture(GL_TEXTURE_2D, m_texture ? m_texture->GetId() : 0);
    }
    if (m_blend)
    {
        CDraw2D::SetAlphaBlendFunc();
        glEnable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
    glEnable(GL_TEXTURE_2D);

    float u_left;
    float u_right;
    float v_low;
    float v_high;
    GetCellCoords(u_left, u_right, v_low, v_high);
    float v_bottom = m_flip ? v_high : v_low;
    float v_top = m_flip ? v_low : v_high;
    float x = m_position.x;
    float y = m_position.y;
    float z = m_position.z;
    float hw = m_width / 2.0f;
    float hh = m_height / 2.0f;

    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(u_right, v_bottom);
    glVertex3f(x + hw, y - hh, z);
    glTexCoord2f(u_left, v_bottom);
    glVertex3f(x - hw, y - hh, z);
    glTexCoord2f(u_right, v_top);
    glVertex3f(x + hw, y + hh, z);
    glTexCoord2f(u_left, v_top);
    glVertex3f(x - hw, y + hh, z);
    glEnd();

    if (m_blend)
    {
        glDisable(GL_BLEND);
    }
    glPopMatrix();
}
