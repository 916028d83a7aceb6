#pragma once

#include "engine/gfx/CVector4.h"

#include <cstdint>
#include <memory>
#include <vector>

class CFilePack;
class CPicture;
class CTexture;

// An animated, textured, axis-aligned quad: a picture cut into a grid whose rows are
// groups and whose columns are the frames of each group's animation. A loaded sprite
// owns its texture; copies share it (reference counted) and keep their own position,
// group and frame.
class CSprite
{
public:
    static constexpr uint32_t kDefaultFrameDelay = 50;

    // A corner of a cell as EmitCell lays it: place, texture coordinates, colour.
    struct SCellVertex
    {
        float x, y, z;
        float u, v;
        float r, g, b, a;
    };

    CSprite() = default;
    CSprite(const CSprite& other);
    CSprite& operator=(const CSprite& other);
    virtual ~CSprite();

    void LoadFile(CFilePack* pack, const char* name);
    bool Parse(CFilePack* pack, const char* text, unsigned size);
    void ReleaseTexture();

    void Draw(bool bind_texture);
    // The current cell as two triangles, placed as Draw places it, then
    // turned degreesZ about z and moved to `at`, white (or grey at `light`)
    // at `alpha`: for the caller's open glBegin(GL_TRIANGLES), so that many
    // cells go in one call.
    void EmitCell(const CVector4& at, float degreesZ, float alpha, float light = 1.0f) const;
    // The same two triangles, their six corners added to `out` (none for a
    // cell with nothing in it), for one array drawn in one call.
    void AddCell(const CVector4& at, float degreesZ, float alpha, float light, std::vector<SCellVertex>& out) const;
    void Advance(uint32_t dt);

    void SetGroup(int32_t index);
    void SetFrame(int32_t index);
    void SetFrameDelay(uint32_t ms) { m_frame_delay = ms; }
    void SetSize(float width, float height);
    void SetVisible(bool visible) { m_visible = visible; }
    void SetBlend(bool blend) { m_blend = blend; }
    void SetFlipV(bool flip) { m_flip = flip; }
    // Stands in for a loaded picture; the picture's grid is fixed by the two counts.
    void SetGrid(int32_t groups, int32_t frames);

    void SetPosition(const CVector4& position) { m_position = position; }
    CVector4& GetPosition() { return m_position; }
    const CVector4& GetPosition() const { return m_position; }
    int32_t GetFrameCount() const { return m_frames; }
    int32_t GetGroupCount() const { return m_groups; }
    int32_t GetFrame() const { return m_frame; }
    int32_t GetGroup() const { return m_group; }
    uint32_t GetElapsed() const { return m_elapsed; }
    uint32_t GetFrameDelay() const { return m_frame_delay; }
    float GetWidth() const { return m_width; }
    float GetHeight() const { return m_height; }
    bool IsVisible() const { return m_visible; }
    bool GetBlend() const { return m_blend; }
    bool GetFlipV() const { return m_flip; }
    bool OwnsTexture() const { return m_owns_texture; }
    CTexture* GetTexture() const { return m_texture.get(); }

    // Texture coordinates of the current cell: left, right, low and high.
    void GetCellCoords(float& u_left, float& u_right, float& v_low, float& v_high) const;

    // The part of a cell whose picture is not wholly see-through, with a
    // margin for filtering, as fractions of the cell from its left and from
    // its low edge (texture v); left >= right when nothing shows.
    struct SCellBox
    {
        float left = 0.0f;
        float right = 1.0f;
        float low = 0.0f;
        float high = 1.0f;
        // How far from the cell's middle a texel with any alpha reaches
        // (its farthest corner), with the same margin, in texels; below 0
        // when not known or when the box meets the cell's edge.
        float radius = -1.0f;
    };
    // Each cell's box, groups by frames, a group after another; whole cells
    // for a picture without alpha.
    static std::vector<SCellBox> FindCellBoxes(const CPicture& picture, int32_t groups, int32_t frames);
    // Where EmitCell draws a cell, flipped or not, about the sprite's own
    // position, before it is turned and moved: left, bottom, right, top (the
    // whole cell when not known).
    void GetReach(int32_t group, int32_t frame, float box[4]) const;
    // How far from the sprite's own position what EmitCell draws of a cell
    // can change a pixel, turned any way: the circle round the part that
    // shows, or round the box's corners when that is smaller.
    float GetTurnedReach(int32_t group, int32_t frame) const;

private:
    // A cell's box (the whole cell when not known).
    SCellBox GetCellBox(int32_t group, int32_t frame) const;

    CVector4 m_position;
    std::shared_ptr<CTexture> m_texture;
    // Found when the sprite loads its picture; shared by copies. Most of a
    // sparkle's cell is see-through, and the software renderer pays for
    // every pixel of a quad.
    std::shared_ptr<const std::vector<SCellBox>> m_cell_boxes;
    int32_t m_groups = 0;
    int32_t m_frames = 0;
    float m_width = 0.0f;
    float m_height = 0.0f;
    int32_t m_frame = 0;
    int32_t m_group = 0;
    bool m_visible = true;
    bool m_owns_texture = false;
    bool m_blend = false;
    bool m_flip = false;
    uint32_t m_elapsed = 0;
    uint32_t m_frame_delay = kDefaultFrameDelay;
};
