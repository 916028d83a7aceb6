#pragma once

#include <string>
#include <vector>

// Builds OBJ text in the one form the game's reader takes: a "g" line first,
// then every vertex, texture coordinate and normal, then triangles written
// as v/vt/vn (each corner with its own three indices), ending in a newline.
class CObjWriter
{
public:
    struct CVertex
    {
        float x, y, z;
        float u, v;
        float nx, ny, nz;
    };

    explicit CObjWriter(const std::string& groupName);

    // Adds a vertex and returns its index.
    int AddVertex(const CVertex& vertex);
    // Counter-clockwise seen from outside.
    void AddTriangle(int a, int b, int c);
    // Corners in counter-clockwise order; split into two triangles.
    void AddQuad(int a, int b, int c, int d);

    int GetTriangleCount() const { return static_cast<int>(m_triangles.size() / 3); }
    std::string ToText() const;

private:
    std::string m_group;
    std::vector<CVertex> m_vertices;
    std::vector<int> m_triangles;
};
