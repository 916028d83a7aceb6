#include "engine/gfx/CModelBatch.h"

#include <GL/gl.h>

#include <cmath>

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CTexture.h"

CModelBatch::CModelBatch() {}

CModelBatch::~CModelBatch() {}

void CModelBatch::Begin()
{
    for (auto& look : m_looks)
        look->m_count = 0;
    m_single.clear();
}

const CModelBatch::SShape* CModelBatch::FindShape(const CMesh* mesh)
{
    for (const auto& shape : m_shapes)
        if (shape->m_mesh == mesh)
            return shape.get();
    auto shape = std::make_unique<SShape>();
    shape->m_mesh = mesh;
    // Corners that share both vertex and texture coordinate become one.
    std::vector<std::pair<std::int32_t, std::int32_t>> corners;
    for (std::uint32_t f = 0; f < mesh->GetFaceCount(); ++f)
    {
        if (!mesh->IsFaceDrawable(f))
            continue;
        const std::int32_t* face = mesh->GetFace(f);
        for (int corner = 0; corner < 3; ++corner)
        {
            std::pair<std::int32_t, std::int32_t> key(face[corner], mesh->HasTexcoords() ? face[3 + corner] : -1);
            std::uint32_t index = 0;
            while (index < corners.size() && corners[index] != key)
                ++index;
            if (index == corners.size())
            {
                corners.push_back(key);
                const float* v = mesh->GetVertex(static_cast<std::uint32_t>(key.first));
                shape->m_positions.insert(shape->m_positions.end(), v, v + 3);
                if (key.second >= 0)
                {
                    const float* t = mesh->GetTexcoord(static_cast<std::uint32_t>(key.second));
                    shape->m_texcoords.insert(shape->m_texcoords.end(), t, t + 2);
                }
                else
                {
                    shape->m_texcoords.push_back(0.0f);
                    shape->m_texcoords.push_back(0.0f);
                }
            }
            shape->m_indices.push_back(index);
        }
    }
    m_shapes.push_back(std::move(shape));
    return m_shapes.back().get();
}

CModelBatch::SLook& CModelBatch::FindLook(const SShape* shape, CTexture* texture)
{
    if (m_last && m_last->m_shape == shape && m_last->m_texture == texture)
        return *m_last;
    for (auto& look : m_looks)
        if (look->m_shape == shape && look->m_texture == texture)
            return *(m_last = look.get());
    auto look = std::make_unique<SLook>();
    look->m_shape = shape;
    look->m_texture = texture;
    m_looks.push_back(std::move(look));
    return *(m_last = m_looks.back().get());
}

void CModelBatch::Prepare(SLook& look)
{
    const SShape& shape = *look.m_shape;
    const std::size_t corners = shape.m_positions.size() / 3;
    while (look.m_prepared < look.m_count)
    {
        const std::uint32_t base = static_cast<std::uint32_t>(look.m_prepared * corners);
        look.m_texcoords.insert(look.m_texcoords.end(), shape.m_texcoords.begin(), shape.m_texcoords.end());
        for (std::uint32_t index : shape.m_indices)
            look.m_indices.push_back(base + index);
        ++look.m_prepared;
    }
}

void CModelBatch::Add(CModel& model, float turnZ)
{
    const CMesh* mesh = model.GetMesh();
    if (!mesh || mesh->GetFaceCount() == 0)
        return;
    if (model.GetAngleX() != 0.0f || model.GetAngleY() != 0.0f || model.GetAngleZ() != 0.0f || model.GetBlend() ||
        model.GetChildCount() > 0)
    {
        m_single.push_back(&model);
        return;
    }
    SLook& look = FindLook(FindShape(mesh), model.GetTexture());
    const std::vector<float>& corners = look.m_shape->m_positions;
    const std::size_t at = static_cast<std::size_t>(look.m_count) * corners.size();
    if (look.m_positions.size() < at + corners.size())
        look.m_positions.resize(at + corners.size());
    const CVector4& p = model.GetPosition();
    const float s = model.GetScale();
    const float radians = turnZ * 3.14159265f / 180.0f;
    const float c = s * std::cos(radians), n = s * std::sin(radians);
    float* out = &look.m_positions[at];
    for (std::size_t i = 0; i < corners.size(); i += 3)
    {
        out[i] = p.x + c * corners[i] - n * corners[i + 1];
        out[i + 1] = p.y + n * corners[i] + c * corners[i + 1];
        out[i + 2] = p.z + s * corners[i + 2];
    }
    ++look.m_count;
}

void CModelBatch::Draw()
{
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (auto& look : m_looks)
    {
        if (look->m_count == 0)
            continue;
        Prepare(*look);
        if (look->m_texture)
        {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, look->m_texture->GetId());
        }
        glVertexPointer(3, GL_FLOAT, 0, look->m_positions.data());
        glTexCoordPointer(2, GL_FLOAT, 0, look->m_texcoords.data());
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(look->m_count * look->m_shape->m_indices.size()),
                       GL_UNSIGNED_INT, look->m_indices.data());
        if (look->m_texture)
            glDisable(GL_TEXTURE_2D);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    for (CModel* model : m_single)
        model->Draw();
}
