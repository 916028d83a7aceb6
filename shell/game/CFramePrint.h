#pragma once
// Everything a kind's drawing reads in one frame, as bytes: two frames with
// the same print draw the same picture (see CGameFrameCache). A kind adds
// the values its drawing functions read or change, in any fixed order.

#include <string>
#include <type_traits>
#include <vector>

class CModel;
class CSprite;
class CVector4;

class CFramePrint
{
public:
    template <class T>
    void Add(const T& value)
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

    std::vector<unsigned char>& GetBytes() { return m_bytes; }
    const std::vector<unsigned char>& GetBytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};
