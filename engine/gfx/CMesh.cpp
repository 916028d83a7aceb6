#include "engine/gfx/CMesh.h"

#include "engine/gfx/CVector4.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace
{
// Longer lines are cut here; the rest of such a line is skipped.
constexpr size_t kMaxLineLength = 255;

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

class CLineReader
{
public:
    explicit CLineReader(std::string_view line) : m_line(line) {}

    void SkipSpaces()
    {
        while (m_pos < m_line.size() && IsSpace(m_line[m_pos]))
        {
            ++m_pos;
        }
    }

    std::string_view ReadWord()
    {
        SkipSpaces();
        size_t start = m_pos;
        while (m_pos < m_line.size() && !IsSpace(m_line[m_pos]))
        {
            ++m_pos;
        }
        return m_line.substr(start, m_pos - start);
    }

    // A number that is absent, malformed or not finite reads as 0, as a short line does.
    float ReadFloat()
    {
        std::string_view word = ReadWord();
        if (!word.empty() && word[0] == '+')
        {
            word.remove_prefix(1);
        }
        float value = 0.0f;
        auto result = std::from_chars(word.data(), word.data() + word.size(), value);
        if (result.ec != std::errc() || !std::isfinite(value))
        {
            return 0.0f;
        }
        return value;
    }

    void Skip(size_t count) { m_pos = std::min(m_line.size(), m_pos + count); }

private:
    std::string_view m_line;
    size_t m_pos = 0;
};

int32_t ParseIndex(std::string_view text)
{
    if (!text.empty() && text[0] == '+')
    {
        text.remove_prefix(1);
    }
    int32_t value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

// One corner "v", "v/t", "v//n" or "v/t/n"; indices not given read as 0.
void ParseCorner(std::string_view word, int32_t& vertex, int32_t& texcoord, int32_t& normal)
{
    vertex = texcoord = normal = 0;
    size_t slash1 = word.find('/');
    vertex = ParseIndex(word.substr(0, slash1));
    if (slash1 == std::string_view::npos)
    {
        return;
    }
    std::string_view rest = word.substr(slash1 + 1);
    size_t slash2 = rest.find('/');
    texcoord = ParseIndex(rest.substr(0, slash2));
    if (slash2 != std::string_view::npos)
    {
        normal = ParseIndex(rest.substr(slash2 + 1));
    }
}

bool StartsWith(std::string_view line, std::string_view prefix)
{
    return line.substr(0, prefix.size()) == prefix;
}

int32_t ClampToCount(int32_t value, uint32_t count)
{
    if (value < 0)
    {
        return 0;
    }
    if (static_cast<uint32_t>(value) >= count)
    {
        return static_cast<int32_t>(count) - 1;
    }
    return value;
}
}

void CMesh::LoadObj(const char* text, unsigned size)
{
    m_groups.clear();

    std::vector<float> vertices;
    std::vector<float> texcoords;
    std::vector<float> normals;
    std::vector<int32_t> faces;
    std::vector<int32_t> materials;
    std::string group_name;
    int32_t material = -1;

    auto counts_read = [&](SMeshGroup& group, bool first) {
        int32_t f = static_cast<int32_t>(faces.size() / kFaceStride);
        int32_t v = static_cast<int32_t>(vertices.size() / 3);
        int32_t t = static_cast<int32_t>(texcoords.size() / 2);
        int32_t n = static_cast<int32_t>(normals.size() / 3);
        if (first)
        {
            group.m_first_face = f;
            group.m_first_vertex = v;
            group.m_first_texcoord = t;
            group.m_first_normal = n;
        }
        else
        {
            group.m_last_face = f - 1;
            group.m_last_vertex = v - 1;
            group.m_last_texcoord = t - 1;
            group.m_last_normal = n - 1;
        }
    };

    std::string_view all(text ? text : "", text ? size : 0);
    size_t pos = 0;
    while (pos < all.size())
    {
        // A last line without a line feed is read like any other.
        size_t end = all.find('\n', pos);
        if (end == std::string_view::npos)
        {
            end = all.size();
        }
        std::string_view line = all.substr(pos, end - pos);
        pos = end + 1;
        if (line.size() > kMaxLineLength)
        {
            line = line.substr(0, kMaxLineLength);
        }
        while (!line.empty() && line.back() == '\r')
        {
            line.remove_suffix(1);
        }

        CLineReader reader(line);
        if (StartsWith(line, "g "))
        {
            reader.Skip(2);
            std::string_view word = reader.ReadWord();
            if (!word.empty())
            {
                group_name.assign(word.data(), word.size());
            }
            SMeshGroup group;
            group.m_name = group_name;
            counts_read(group, true);
            if (!m_groups.empty())
            {
                counts_read(m_groups.back(), false);
            }
            m_groups.push_back(group);
        }
        if (StartsWith(line, "v "))
        {
            reader.Skip(2);
            for (int i = 0; i < 3; ++i)
            {
                vertices.push_back(reader.ReadFloat());
            }
        }
        if (StartsWith(line, "vt "))
        {
            reader.Skip(3);
            for (int i = 0; i < 2; ++i)
            {
                texcoords.push_back(reader.ReadFloat());
            }
        }
        if (StartsWith(line, "vn "))
        {
            reader.Skip(3);
            for (int i = 0; i < 3; ++i)
            {
                normals.push_back(reader.ReadFloat());
            }
        }
        if (StartsWith(line, "f "))
        {
            reader.Skip(2);
            int32_t corner[3][3];
            for (int c = 0; c < 3; ++c)
            {
                ParseCorner(reader.ReadWord(), corner[c][0], corner[c][1], corner[c][2]);
            }
            // Stored counted from 0: an index the line lacks becomes -1.
            for (int part = 0; part < 3; ++part)
            {
                for (int c = 0; c < 3; ++c)
                {
                    faces.push_back(corner[c][part] - 1);
                }
            }
            materials.push_back(material);
        }
        if (StartsWith(line, "usemtl"))
        {
            ++material;
        }
    }

    if (!m_groups.empty())
    {
        counts_read(m_groups.back(), false);
    }
    if (!group_name.empty())
    {
        Build(group_name, vertices, texcoords, normals, faces, materials);
    }
}

void CMesh::Build(const std::string& name, const std::vector<float>& vertices,
                  const std::vector<float>& texcoords, const std::vector<float>& normals,
                  const std::vector<int32_t>& faces, const std::vector<int32_t>& materials)
{
    Clear();
    m_name = name;
    m_vertex_count = static_cast<uint32_t>(vertices.size() / 3);
    m_texcoord_count = static_cast<uint32_t>(texcoords.size() / 2);
    m_normal_count = static_cast<uint32_t>(normals.size() / 3);
    m_face_count = static_cast<uint32_t>(faces.size() / kFaceStride);

    m_vertices.assign(vertices.begin(), vertices.begin() + m_vertex_count * 3);
    m_texcoords.assign(texcoords.begin(), texcoords.begin() + m_texcoord_count * 2);
    m_normals.assign(normals.begin(), normals.begin() + m_normal_count * 3);
    m_faces.assign(faces.begin(), faces.begin() + m_face_count * kFaceStride);
    m_materials.assign(materials.begin(),
                       materials.begin() + std::min<size_t>(materials.size(), m_face_count));
    m_materials.resize(m_face_count, -1);
    m_has_texcoords = m_texcoord_count > 0;
    m_has_normals = m_normal_count > 0;

    SanitizeFaces();
    ComputeExtents();
}

// Faces may name indices the text never defined; those become -1 so that nothing
// downstream reads outside the arrays.
void CMesh::SanitizeFaces()
{
    const uint32_t counts[3] = {m_vertex_count, m_texcoord_count, m_normal_count};
    for (uint32_t f = 0; f < m_face_count; ++f)
    {
        int32_t* face = &m_faces[f * kFaceStride];
        for (int part = 0; part < 3; ++part)
        {
            for (int c = 0; c < 3; ++c)
            {
                int32_t& index = face[part * 3 + c];
                if (index < 0 || static_cast<uint32_t>(index) >= counts[part])
                {
                    index = -1;
                }
            }
        }
    }
}

bool CMesh::IsFaceDrawable(uint32_t index) const
{
    const int32_t* face = GetFace(index);
    return face[0] >= 0 && face[1] >= 0 && face[2] >= 0;
}

void CMesh::Clear()
{
    Reset();
}

void CMesh::Reset()
{
    m_vertices.clear();
    m_texcoords.clear();
    m_normals.clear();
    m_faces.clear();
    m_materials.clear();
    m_vertex_count = 0;
    m_texcoord_count = 0;
    m_normal_count = 0;
    m_face_count = 0;
    m_has_texcoords = false;
    m_has_normals = false;
    m_has_bounds = false;
}

bool CMesh::FindBounds(float min[3], float max[3]) const
{
    if (m_vertex_count == 0)
    {
        return false;
    }
    for (int axis = 0; axis < 3; ++axis)
    {
        min[axis] = max[axis] = m_vertices[axis];
    }
    for (uint32_t v = 1; v < m_vertex_count; ++v)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            float value = m_vertices[v * 3 + axis];
            min[axis] = std::min(min[axis], value);
            max[axis] = std::max(max[axis], value);
        }
    }
    return true;
}

bool CMesh::GetBounds(float low[3], float high[3]) const
{
    if (!m_has_bounds)
        return false;
    std::copy(m_low, m_low + 3, low);
    std::copy(m_high, m_high + 3, high);
    return true;
}

void CMesh::ComputeExtents()
{
    float min[3];
    float max[3];
    m_has_bounds = FindBounds(min, max);
    if (!m_has_bounds)
    {
        return;
    }
    std::copy(min, min + 3, m_low);
    std::copy(max, max + 3, m_high);
    m_extent_x = max[0] - min[0];
    m_extent_y = max[1] - min[1];
    m_extent_z = max[2] - min[2];
}

void CMesh::NormalizeToUnitBox()
{
    float min[3];
    float max[3];
    if (!FindBounds(min, max))
    {
        return;
    }
    float largest = max[0] - min[0];
    if (max[1] - min[1] > largest)
    {
        largest = max[1] - min[1];
    }
    if (max[2] - min[2] > largest)
    {
        largest = max[2] - min[2];
    }
    // A mesh of one point (or of coincident points) is only centred: there is no size to scale.
    float factor = largest > 0.0f ? 1.0f / largest : 1.0f;
    for (uint32_t v = 0; v < m_vertex_count; ++v)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            float centre = (min[axis] + max[axis]) / 2.0f;
            m_vertices[v * 3 + axis] = (m_vertices[v * 3 + axis] - centre) * factor;
        }
    }
    ComputeExtents();
}

void CMesh::CentreOnOrigin()
{
    float min[3];
    float max[3];
    if (!FindBounds(min, max))
    {
        return;
    }
    for (uint32_t v = 0; v < m_vertex_count; ++v)
    {
        for (int axis = 0; axis < 3; ++axis)
        {
            m_vertices[v * 3 + axis] -= (min[axis] + max[axis]) / 2.0f;
        }
    }
    ComputeExtents();
}

std::unique_ptr<CMesh> CMesh::ExtractGroup(int32_t group_index) const
{
    auto mesh = std::make_unique<CMesh>();
    if (group_index < 0 || group_index >= GetGroupCount())
    {
        return mesh;
    }
    const SMeshGroup& group = m_groups[group_index];

    std::vector<float> vertices;
    std::vector<float> texcoords;
    std::vector<float> normals;
    std::vector<int32_t> faces;
    std::vector<int32_t> materials;

    // Ranges are clamped to what the mesh holds; an empty or inverted range copies nothing.
    auto copy_rows = [](const std::vector<float>& from, uint32_t count, int32_t first,
                        int32_t last, int columns, std::vector<float>& to) {
        if (count == 0 || first > last || last < 0 || static_cast<uint32_t>(first) >= count)
        {
            return;
        }
        int32_t begin = ClampToCount(first, count);
        int32_t end = ClampToCount(last, count);
        to.assign(from.begin() + begin * columns, from.begin() + (end + 1) * columns);
    };
    copy_rows(m_vertices, m_vertex_count, group.m_first_vertex, group.m_last_vertex, 3, vertices);
    copy_rows(m_texcoords, m_texcoord_count, group.m_first_texcoord, group.m_last_texcoord, 2,
              texcoords);
    copy_rows(m_normals, m_normal_count, group.m_first_normal, group.m_last_normal, 3, normals);

    if (m_face_count > 0 && group.m_first_face <= group.m_last_face && group.m_last_face >= 0 &&
        static_cast<uint32_t>(group.m_first_face) < m_face_count)
    {
        int32_t begin = ClampToCount(group.m_first_face, m_face_count);
        int32_t end = ClampToCount(group.m_last_face, m_face_count);
        const int32_t firsts[3] = {group.m_first_vertex, group.m_first_texcoord,
                                   group.m_first_normal};
        for (int32_t f = begin; f <= end; ++f)
        {
            const int32_t* face = GetFace(static_cast<uint32_t>(f));
            for (int part = 0; part < 3; ++part)
            {
                for (int c = 0; c < 3; ++c)
                {
                    int32_t index = face[part * 3 + c];
                    // A missing index stays missing; anything outside the group is dropped by Build.
                    faces.push_back(index < 0 ? -1 : index - firsts[part]);
                }
            }
            materials.push_back(m_materials[f]);
        }
    }
    mesh->Build(group.m_name, vertices, texcoords, normals, faces, materials);
    return mesh;
}

CVector4 CMesh::GetGroupCentre(int32_t group) const
{
    std::unique_ptr<CMesh> part = ExtractGroup(group);
    float min[3];
    float max[3];
    if (!part->FindBounds(min, max))
    {
        return CVector4(0.0f, 0.0f, 0.0f);
    }
    return CVector4((min[0] + max[0]) / 2.0f, (min[1] + max[1]) / 2.0f, (min[2] + max[2]) / 2.0f);
}
