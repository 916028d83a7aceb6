#include "tools/assetgen/CObjWriter.h"

#include <cstdio>

CObjWriter::CObjWriter(const std::string& groupName) : m_group(groupName)
{
}

int CObjWriter::AddVertex(const CVertex& vertex)
{
    m_vertices.push_back(vertex);
    return static_cast<int>(m_vertices.size()) - 1;
}

void CObjWriter::AddTriangle(int a, int b, int c)
{
    m_triangles.push_back(a);
    m_triangles.push_back(b);
    m_triangles.push_back(c);
}

void CObjWriter::AddQuad(int a, int b, int c, int d)
{
    AddTriangle(a, b, c);
    AddTriangle(a, c, d);
}

std::string CObjWriter::ToText() const
{
    std::string out = "g " + m_group + "\n";
    char line[160];
    for (const CVertex& v : m_vertices)
    {
        std::snprintf(line, sizeof line, "v %.5f %.5f %.5f\n", v.x, v.y, v.z);
        out += line;
    }
    for (const CVertex& v : m_vertices)
    {
        std::snprintf(line, sizeof line, "vt %.5f %.5f\n", v.u, v.v);
        out += line;
    }
    for (const CVertex& v : m_vertices)
    {
        std::snprintf(line, sizeof line, "vn %.5f %.5f %.5f\n", v.nx, v.ny, v.nz);
        out += line;
    }
    for (size_t i = 0; i + 2 < m_triangles.size(); i += 3)
    {
        const int a = m_triangles[i] + 1, b = m_triangles[i + 1] + 1, c = m_triangles[i + 2] + 1;
        std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c, c);
        out += line;
    }
    return out;
}
