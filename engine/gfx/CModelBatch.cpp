#include "engine/gfx/CModelBatch.h"
#include "engine/gfx/CDraw2D.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/COffscreenLayer.h"
#include "engine/gfx/CTexture.h"

namespace
{
bool g_layer_enabled = true;

template <typename T>
void Append(std::vector<unsigned char>& key, const T* values, std::size_t count)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(values);
    key.insert(key.end(), bytes, bytes + count * sizeof(T));
}

// The current projection times model-view, column by column.
void ViewMatrix(float m[16])
{
    GLfloat model[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, model);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
        {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + r] * model[c * 4 + k];
            m[c * 4 + r] = sum;
        }
}
} // namespace

CModelBatch::CModelBatch() {}

CModelBatch::~CModelBatch() {}

void CModelBatch::Begin()
{
    for (auto& look : m_looks)
        look->m_count = 0;
    m_single.clear();
    m_has_underlay = false;
}

void CModelBatch::SetUnderlay(const SUnderlay& underlay)
{
    m_underlay = underlay;
    m_has_underlay = underlay.texture != 0;
}

void CModelBatch::DrawUnderlay() const
{
    if (!m_has_underlay)
        return;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_underlay.texture);
    glColor4f(1.0f, 1.0f, 1.0f, m_underlay.alpha);
    glEnable(GL_BLEND);
    CDraw2D::SetAlphaBlendFunc();
    CTexture::DrawQuad(m_underlay.x, m_underlay.y, m_underlay.z, m_underlay.width, m_underlay.height, 0.0f,
                       m_underlay.s, m_underlay.t, 0.0f);
    CDraw2D::SetAlphaBlendFunc();
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
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

bool CModelBatch::CanBatch(const CModel& model)
{
    return model.GetAngleX() == 0.0f && model.GetAngleY() == 0.0f && model.GetAngleZ() == 0.0f &&
           !model.GetBlend() && model.GetChildCount() == 0;
}

void CModelBatch::Add(CModel& model, float turnZ)
{
    const CMesh* mesh = model.GetMesh();
    if (!mesh || mesh->GetFaceCount() == 0)
        return;
    if (!CanBatch(model))
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

void CModelBatch::SetLayerEnabled(bool enabled)
{
    g_layer_enabled = enabled;
}

bool CModelBatch::IsLayerEnabled()
{
    return g_layer_enabled;
}

void CModelBatch::Draw()
{
    // Drawn with layers off, the caller keeps a picture of its own of what
    // is drawn (a game screen's held picture): the layer's memory goes until
    // frames are drawn whole again.
    if (!g_layer_enabled && m_layer)
    {
        m_layer.reset();
        m_layer_key.clear();
    }
    if (!DrawThroughLayer())
    {
        DrawUnderlay();
        // Drawn opaque, the looks write their colour's alpha, as a model's
        // own Draw does.
        const int envMode = CModel::BeginOpaqueAlpha();
        DrawLooks();
        CModel::EndOpaqueAlpha(envMode);
    }
    for (CModel* model : m_single)
        model->Draw();
}

void CModelBatch::MakeKey(std::vector<unsigned char>& key) const
{
    key.clear();
    GLint ints[8];
    glGetIntegerv(GL_VIEWPORT, ints);
    glGetIntegerv(GL_DEPTH_FUNC, ints + 4);
    ints[5] = static_cast<GLint>(CTexture::GetUploadCount());
    ints[6] = glIsEnabled(GL_DEPTH_TEST);
    GLboolean depthMask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    ints[7] = depthMask;
    Append(key, ints, 8);
    GLfloat floats[36];
    glGetFloatv(GL_MODELVIEW_MATRIX, floats);
    glGetFloatv(GL_PROJECTION_MATRIX, floats + 16);
    glGetFloatv(GL_CURRENT_COLOR, floats + 32);
    Append(key, floats, 36);
    if (m_has_underlay)
        Append(key, &m_underlay, 1);
    for (const auto& look : m_looks)
    {
        if (look->m_count == 0)
            continue;
        const void* pointers[2] = {look->m_shape, look->m_texture};
        Append(key, pointers, 2);
        const GLuint texture = look->m_texture ? look->m_texture->GetId() : 0;
        Append(key, &texture, 1);
        Append(key, &look->m_count, 1);
        const std::size_t values = static_cast<std::size_t>(look->m_count) * look->m_shape->m_positions.size();
        Append(key, look->m_positions.data(), values);
    }
}

bool CModelBatch::DrawThroughLayer()
{
    if (!g_layer_enabled || !CTexture::IsUploadEnabled())
        return false;
    // The plain state boards draw their bricks in; anything else is drawn
    // directly, as it would blend with or be lit by what the layer cannot hold.
    GLint env = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    if (env != GL_MODULATE || glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_LIGHTING) ||
        glIsEnabled(GL_FOG))
        return false;
    MakeKey(m_key);
    // The layer keeps only what was drawn with some opacity.
    GLfloat color[4];
    glGetFloatv(GL_CURRENT_COLOR, color);
    if (color[3] <= 0.0f)
        return false;
    if (m_key != m_layer_key)
    {
        // Bricks that move every frame are drawn directly: the layer pays
        // once they have stood still for a frame.
        if (m_key != m_last_key)
        {
            m_last_key.swap(m_key);
            return false;
        }
        if (!m_layer)
            m_layer = std::make_unique<COffscreenLayer>();
        FindCover(m_cover);
        if (!m_layer->Begin(m_cover[0], m_cover[1], m_cover[2] - m_cover[0], m_cover[3] - m_cover[1]))
            return false;
        DrawUnderlay();
        // Every drawn texel opaque in the layer, its colour as drawn. (The
        // mode is set back by hand: the driver's first saved set of state
        // would keep megabytes for the rest of the run.)
        const GLfloat opaque[4] = {0.0f, 0.0f, 0.0f, 1.0f};
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
        glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PRIMARY_COLOR);
        glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_REPLACE);
        glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_CONSTANT);
        glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
        glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, opaque);
        DrawLooks();
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        m_layer->End();
        m_layer_key = m_key;
    }
    m_layer->Draw(m_has_underlay);
    return true;
}

void CModelBatch::FindCover(int cover[4]) const
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    cover[0] = 0;
    cover[1] = 0;
    cover[2] = viewport[2];
    cover[3] = viewport[3];
    GLfloat m[16];
    ViewMatrix(m);
    float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
    const SUnderlay& u = m_underlay;
    const float corners[12] = {u.x, u.y, u.z, u.x + u.width, u.y, u.z,
                               u.x, u.y + u.height, u.z, u.x + u.width, u.y + u.height, u.z};
    std::vector<std::pair<const float*, std::size_t>> runs;
    if (m_has_underlay)
        runs.emplace_back(corners, 12);
    for (const auto& look : m_looks)
        runs.emplace_back(look->m_positions.data(),
                          static_cast<std::size_t>(look->m_count) * look->m_shape->m_positions.size());
    for (const auto& run : runs)
    {
        const float* p = run.first;
        const std::size_t count = run.second;
        for (std::size_t i = 0; i < count; i += 3)
        {
            const float w = m[3] * p[i] + m[7] * p[i + 1] + m[11] * p[i + 2] + m[15];
            if (w <= 1e-6f)
                return;
            const float x = (m[0] * p[i] + m[4] * p[i + 1] + m[8] * p[i + 2] + m[12]) / w;
            const float y = (m[1] * p[i] + m[5] * p[i + 1] + m[9] * p[i + 2] + m[13]) / w;
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    }
    if (left > right)
        return;
    // Normalised device to layer pixels, a pixel of margin for rounding.
    auto toPixel = [](float ndc, int size) { return (ndc + 1.0f) * 0.5f * static_cast<float>(size); };
    // Started on even pixels: the renderer picks texture levels per 2 x 2
    // pixels, which must group as they do in the window.
    cover[0] = std::max(0, static_cast<int>(std::floor(toPixel(left, viewport[2]))) - 1) & ~1;
    cover[1] = std::max(0, static_cast<int>(std::floor(toPixel(bottom, viewport[3]))) - 1) & ~1;
    cover[2] = std::min<int>(viewport[2], static_cast<int>(std::ceil(toPixel(right, viewport[2]))) + 1);
    cover[3] = std::min<int>(viewport[3], static_cast<int>(std::ceil(toPixel(top, viewport[3]))) + 1);
}

void CModelBatch::FindShown(const SLook& look, const float view[16], const int viewport[4], const int box[4])
{
    m_shown.clear();
    const std::size_t floats = look.m_shape->m_positions.size(), perModel = look.m_shape->m_indices.size();
    for (int n = 0; n < look.m_count; ++n)
    {
        const float* p = &look.m_positions[n * floats];
        float low[3] = {p[0], p[1], p[2]}, high[3] = {p[0], p[1], p[2]};
        for (std::size_t i = 3; i < floats; i += 3)
            for (int k = 0; k < 3; ++k)
            {
                low[k] = std::min(low[k], p[i + k]);
                high[k] = std::max(high[k], p[i + k]);
            }
        bool shown = false;
        float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
        for (int corner = 0; corner < 8; ++corner)
        {
            const float x = corner & 1 ? high[0] : low[0], y = corner & 2 ? high[1] : low[1],
                        z = corner & 4 ? high[2] : low[2];
            const float w = view[3] * x + view[7] * y + view[11] * z + view[15];
            // A corner behind the eye: the box may reach anywhere.
            if (w <= 1e-6f)
            {
                shown = true;
                break;
            }
            const float sx = (view[0] * x + view[4] * y + view[8] * z + view[12]) / w;
            const float sy = (view[1] * x + view[5] * y + view[9] * z + view[13]) / w;
            left = std::min(left, sx);
            right = std::max(right, sx);
            bottom = std::min(bottom, sy);
            top = std::max(top, sy);
        }
        // Normalised device to window pixels, a pixel of margin for rounding.
        shown = shown || (viewport[0] + (left + 1.0f) * 0.5f * viewport[2] - 1.0f < box[2] &&
                          viewport[0] + (right + 1.0f) * 0.5f * viewport[2] + 1.0f > box[0] &&
                          viewport[1] + (bottom + 1.0f) * 0.5f * viewport[3] - 1.0f < box[3] &&
                          viewport[1] + (top + 1.0f) * 0.5f * viewport[3] + 1.0f > box[1]);
        if (shown)
            m_shown.insert(m_shown.end(), look.m_indices.begin() + n * perModel,
                           look.m_indices.begin() + (n + 1) * perModel);
    }
}

void CModelBatch::DrawLooks()
{
    const bool clipped = glIsEnabled(GL_SCISSOR_TEST);
    GLfloat view[16];
    GLint viewport[4], scissor[4];
    int box[4] = {};
    if (clipped)
    {
        ViewMatrix(view);
        glGetIntegerv(GL_VIEWPORT, viewport);
        glGetIntegerv(GL_SCISSOR_BOX, scissor);
        box[0] = scissor[0];
        box[1] = scissor[1];
        box[2] = scissor[0] + scissor[2];
        box[3] = scissor[1] + scissor[3];
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    for (auto& look : m_looks)
    {
        if (look->m_count == 0)
            continue;
        Prepare(*look);
        const std::vector<std::uint32_t>* indices = &look->m_indices;
        GLsizei count = static_cast<GLsizei>(look->m_count * look->m_shape->m_indices.size());
        if (clipped)
        {
            FindShown(*look, view, viewport, box);
            indices = &m_shown;
            count = static_cast<GLsizei>(m_shown.size());
            if (count == 0)
                continue;
        }
        if (look->m_texture)
        {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, look->m_texture->GetId());
        }
        glVertexPointer(3, GL_FLOAT, 0, look->m_positions.data());
        glTexCoordPointer(2, GL_FLOAT, 0, look->m_texcoords.data());
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, indices->data());
        CModel::NoteTrianglesSent(static_cast<std::size_t>(count) / 3);
        if (look->m_texture)
            glDisable(GL_TEXTURE_2D);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
