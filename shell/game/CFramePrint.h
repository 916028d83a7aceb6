#pragma once
// Everything a kind's drawing reads in one frame, as bytes: two frames with
// the same print draw the same picture (see CGameFrameCache). A kind adds
// the values its drawing functions read or change, in any fixed order.
//
// Values added between BeginBoardPart (or BeginScreenPart) and EndPart
// belong to a part: a thing that draws only within a box of board points
// (or a rectangle of the logical screen), such as a brick or a popup. When
// only parts change from one frame to the next, only the screen around
// them, where they were and where they are, is drawn again. A part's key
// names it from frame to frame (a cell, an object's address); keys are
// unique within a print. A part must cover everything that drawing it can
// change, however it changes; the rest of the print is the whole frame's.

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/gfx/CDraw2D.h"
#include "engine/gfx/CVector4.h"

class CModel;
class CSprite;

class CFramePrint
{
  public:
    template <class T> void Add(const T& value)
    {
        static_assert(std::is_arithmetic<T>::value || std::is_enum<T>::value || std::is_pointer<T>::value,
                      "a plain value");
        const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
        m_bytes.insert(m_bytes.end(), bytes, bytes + sizeof value);
    }
    void Add(const CVector4& vector);
    void Add(const std::string& text);
    // What drawing a model shows: its place, scale, turns, blending, mesh and
    // pictures, and its parts.
    void AddModel(const CModel& model);
    // The same for a model that may be missing.
    void AddModel(const CModel* model);
    // What drawing a sprite (that may be missing) shows: picture, group and
    // frame, size, place, flags.
    void AddSprite(const CSprite* sprite);

    struct SPart
    {
        std::uint64_t key = 0;
        // Its values: m_bytes[begin, end).
        std::size_t begin = 0;
        std::size_t end = 0;
        // Where it draws: a box of board points, or a logical rectangle.
        bool board = true;
        bool hasBox = false;
        CVector4 low;
        CVector4 high;
        CDraw2D::SRect rect = {0.0f, 0.0f, 0.0f, 0.0f};
        // A board part drawn clipped to the screen round a box of board
        // points (see ClipPart).
        bool hasClip = false;
        CVector4 clipLow;
        CVector4 clipHigh;
    };
    // A part drawn under the board's camera, within the boxes given to it
    // (AddBox, AddModelBox, AddSpriteBox). One without a box covers the
    // whole screen.
    void BeginBoardPart(std::uint64_t key);
    // A part drawn in the logical screen within the rectangle.
    void BeginScreenPart(std::uint64_t key, const CDraw2D::SRect& rect);
    // Grows the open board part by a box of board points.
    void AddBox(const CVector4& low, const CVector4& high);
    // Grows it by a model drawn at its position, turned about it and scaled
    // (its mesh's bounds; turned, the sphere round them).
    void AddModelBox(const CModel& model);
    // The same for a model's mesh drawn at `at` and scaled by `scale`, turned
    // any way when `turned`; false (and nothing) without a mesh.
    bool AddModelBox(const CModel& look, float scale, const CVector4& at, bool turned);
    // That box itself.
    static bool ModelBox(const CModel& look, float scale, const CVector4& at, bool turned, CVector4& low,
                         CVector4& high);
    // Grows it by a sprite drawn unturned at its position plus at.
    void AddSpriteBox(const CSprite& sprite, const CVector4& at = CVector4());
    // The open board part is drawn clipped to the screen rectangle round
    // this box of board points, projected as its own boxes are: it reaches
    // no farther, however far they do. The box counts among its values.
    void ClipPart(const CVector4& low, const CVector4& high);
    void EndPart();
    const std::vector<SPart>& GetParts() const
    {
        return m_parts;
    }

    std::vector<unsigned char>& GetBytes()
    {
        return m_bytes;
    }
    const std::vector<unsigned char>& GetBytes() const
    {
        return m_bytes;
    }

  private:
    std::vector<unsigned char> m_bytes;
    std::vector<SPart> m_parts;
    bool m_open = false;
};
