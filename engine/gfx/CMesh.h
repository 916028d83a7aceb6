#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CVector4;

// One "g" section of an OBJ text. Every range is inclusive; first > last means empty.
struct SMeshGroup
{
    std::string m_name;
    int32_t m_first_face = 0;
    int32_t m_last_face = -1;
    int32_t m_first_vertex = 0;
    int32_t m_last_vertex = -1;
    int32_t m_first_texcoord = 0;
    int32_t m_last_texcoord = -1;
    int32_t m_first_normal = 0;
    int32_t m_last_normal = -1;
};

// Triangle geometry read from OBJ text. Each face holds nine indices counted from 0:
// vertex, texcoord and normal index of its three corners. -1 marks an index the face
// does not have; a face whose vertex index is -1 was damaged in the file and draws nothing.
class CMesh
{
public:
    static constexpr int kFaceStride = 9;

    CMesh() = default;
    virtual ~CMesh() = default;

    void LoadObj(const char* text, unsigned size);
    void Build(const std::string& name, const std::vector<float>& vertices,
               const std::vector<float>& texcoords, const std::vector<float>& normals,
               const std::vector<int32_t>& faces, const std::vector<int32_t>& materials);
    void Clear();
    void ComputeExtents();
    void NormalizeToUnitBox();
    void CentreOnOrigin();

    std::unique_ptr<CMesh> ExtractGroup(int32_t group) const;
    CVector4 GetGroupCentre(int32_t group) const;

    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    const SMeshGroup& GetGroup(int index) const { return m_groups[index]; }
    float GetExtentX() const { return m_extent_x; }
    float GetExtentY() const { return m_extent_y; }
    float GetExtentZ() const { return m_extent_z; }
    // The box round every vertex, as of the last change; false without vertices.
    bool GetBounds(float low[3], float high[3]) const;
    const std::string& GetName() const { return m_name; }

    bool HasTexcoords() const { return m_has_texcoords; }
    bool HasNormals() const { return m_has_normals; }
    uint32_t GetVertexCount() const { return m_vertex_count; }
    uint32_t GetTexcoordCount() const { return m_texcoord_count; }
    uint32_t GetNormalCount() const { return m_normal_count; }
    uint32_t GetFaceCount() const { return m_face_count; }

    // Rows of 3, 2, 3 and 9 values; the index must be below the matching count.
    const float* GetVertex(uint32_t index) const { return &m_vertices[index * 3]; }
    const float* GetTexcoord(uint32_t index) const { return &m_texcoords[index * 2]; }
    const float* GetNormal(uint32_t index) const { return &m_normals[index * 3]; }
    const int32_t* GetFace(uint32_t index) const { return &m_faces[index * kFaceStride]; }
    int32_t GetMaterial(uint32_t index) const { return m_materials[index]; }
    bool IsFaceDrawable(uint32_t index) const;

private:
    void Reset();
    void SanitizeFaces();
    bool FindBounds(float min[3], float max[3]) const;

    std::string m_name;
    std::vector<float> m_vertices;
    std::vector<float> m_texcoords;
    std::vector<float> m_normals;
    bool m_has_texcoords = false;
    bool m_has_normals = false;
    uint32_t m_vertex_count = 0;
    bool m_has_bounds = false;
    float m_low[3] = {0.0f, 0.0f, 0.0f};
    float m_high[3] = {0.0f, 0.0f, 0.0f};
    uint32_t m_texcoord_count = 0;
    uint32_t m_normal_count = 0;
    std::vector<int32_t> m_faces;
    uint32_t m_face_count = 0;
    std::vector<int32_t> m_materials;
    float m_extent_x = 0.0f;
    float m_extent_y = 0.0f;
    float m_extent_z = 0.0f;
    std::vector<SMeshGroup> m_groups;
};
