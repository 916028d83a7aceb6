#include "engine/gfx/CModel.h"
#include "engine/gfx/CDraw2D.h"

#include "engine/files/CConfigFile.h"
#include "engine/files/CFileData.h"
#include "engine/files/CFilePack.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModelGeometry.h"
#include "engine/gfx/CTexture.h"

#include <GL/gl.h>

namespace
{
// Texture names of one character or less ("n", the default) mean "no texture".
bool NamesAFile(const std::string& value)
{
    return value.size() > 1;
}

// A texture that someone else owns: shared in type only, never deleted from here.
std::shared_ptr<CTexture> UseTexture(CTexture* texture)
{
    return std::shared_ptr<CTexture>(std::shared_ptr<CTexture>(), texture);
}
}

void CModel::NoteTrianglesSent(std::size_t count)
{
    // The software renderer keeps every triangle of a picture, sorted into
    // the screen's tiles, until the picture is drawn: a board of many bricks
    // drawn whole held several megabytes at once. Handed over in portions,
    // the triangles need a fraction of that, and take no longer to draw.
    constexpr std::size_t kPortion = 1000;
    static std::size_t sent = 0;
    sent += count;
    if (sent >= kPortion)
    {
        glFlush();
        sent = 0;
    }
}

CModel::CModel() = default;

CModel::CModel(const CModel& other)
{
    CopyFrom(other);
}

CModel& CModel::operator=(const CModel& other)
{
    if (this != &other)
    {
        CopyFrom(other);
    }
    return *this;
}

CModel::~CModel() = default;

void CModel::CopyFrom(const CModel& other)
{
    m_position = other.m_position;
    m_velocity = other.m_velocity;
    m_param = other.m_param;
    m_scale = other.m_scale;
    m_angle_x = other.m_angle_x;
    m_angle_y = other.m_angle_y;
    m_angle_z = other.m_angle_z;
    m_extent_x = other.m_extent_x;
    m_extent_y = other.m_extent_y;
    m_extent_z = other.m_extent_z;
    m_geometry = other.m_geometry;
    m_blend = other.m_blend;
    m_texture = other.m_texture;
    m_bump_texture = other.m_bump_texture;
    m_normals = other.m_normals;
    m_owns_textures = false;
    m_owns_mesh = false;

    // Built aside first: other may be one of this model's own children.
    std::vector<std::unique_ptr<CModel>> children;
    children.reserve(other.m_children.size());
    for (const std::unique_ptr<CModel>& child : other.m_children)
    {
        children.push_back(std::make_unique<CModel>(*child));
    }
    m_children = std::move(children);
}

int CModel::BeginOpaqueAlpha()
{
    if (glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST))
        return 0;
    GLint envMode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
    if (envMode != GL_MODULATE && envMode != GL_REPLACE)
        return 0;
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, envMode);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE1_RGB, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND1_RGB, GL_SRC_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_ALPHA, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_ALPHA, GL_PRIMARY_COLOR);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_ALPHA, GL_SRC_ALPHA);
    return envMode;
}

void CModel::EndOpaqueAlpha(int envMode)
{
    if (envMode != 0)
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, envMode);
}

void CModel::Draw()
{
    if (m_blend)
    {
        CDraw2D::SetAlphaBlendFunc();
        glEnable(GL_BLEND);
    }
    const int envMode = m_texture && !m_blend ? BeginOpaqueAlpha() : 0;
    if (m_texture)
    {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, m_texture->GetId());
    }
    glScalef(m_scale, m_scale, m_scale);
    if (HasList())
    {
        glCallList(m_geometry->GetListId());
    }
    else
    {
        DrawFaces();
    }
    EndOpaqueAlpha(envMode);
    if (const CMesh* mesh = GetMesh())
        NoteTrianglesSent(mesh->GetFaceCount());
    if (m_texture)
    {
        glDisable(GL_TEXTURE_2D);
    }
    if (m_blend)
    {
        glDisable(GL_BLEND);
    }
}

void CModel::Update(float)
{
}

void CModel::LoadFile(CFilePack* pack, const char* name)
{
    if (pack == nullptr || name == nullptr)
    {
        return;
    }
    CFileData data = pack->GetFile(name);
    Parse(pack, reinterpret_cast<const char*>(data.GetData()), data.GetSize());
    BuildDisplayList();
    data.Free();
}

void CModel::LoadMesh(CFilePack* pack, const std::string& file)
{
    // A copy that loads a description of its own stops sharing its source's geometry.
    if (!m_geometry || !m_owns_mesh)
    {
        m_geometry = std::make_shared<CModelGeometry>();
    }
    if (!m_geometry->OwnsMesh())
    {
        m_geometry->SetMesh(std::make_unique<CMesh>());
    }
    CMesh* mesh = m_geometry->GetMesh();
    CFileData faces = pack->GetFile(file);
    mesh->LoadObj(reinterpret_cast<const char*>(faces.GetData()), faces.GetSize());
    faces.Free();
    mesh->NormalizeToUnitBox();
}

void CModel::Parse(CFilePack* pack, const char* text, unsigned size)
{
    ReleaseGL();

    CConfigFile config;
    config.LoadFromBuffer(reinterpret_cast<const unsigned char*>(text), text ? size : 0, true);

    // A description without a faces file is an authoring error: the model stays empty
    // rather than asking the pack for a file named by the default value.
    std::string faces = config.GetValue("faces_file_name", "0");
    if (faces.empty() || faces == "0" || pack == nullptr)
    {
        return;
    }
    m_children.clear();
    LoadMesh(pack, faces);

    std::string texture = config.GetValue("tex_file_name", "n");
    if (NamesAFile(texture))
    {
        bool wrap = StrToInt(config.GetValue("tex_wrap", "0")) == 1;
        bool dynamic = StrToInt(config.GetValue("tex_dynamic", "0")) == 1;
        float scale = StrToFloat(config.GetValue("scale", "0"));
        m_scale = scale == 0.0f ? 1.0f : scale;
        m_normals = StrToInt(config.GetValue("show_normales", "0")) != 0;

        if (!m_texture || !m_owns_textures)
        {
            m_texture = std::make_shared<CTexture>();
        }
        m_texture->Load(*pack, texture, wrap, dynamic);

        std::string bump = config.GetValue("tex_file_bump", "n");
        if (NamesAFile(bump))
        {
            if (!m_bump_texture || !m_owns_textures)
            {
                m_bump_texture = std::make_shared<CTexture>();
            }
            m_bump_texture->LoadBump(*pack, bump, wrap, dynamic);
        }
    }

    CMesh* mesh = m_geometry->GetMesh();
    m_extent_x = mesh->GetExtentX();
    m_extent_y = mesh->GetExtentY();
    m_extent_z = mesh->GetExtentZ();

    int groups = mesh->GetGroupCount();
    if (groups > 1)
    {
        // Group 0 stays this model's, in the coordinates of the whole mesh; every further
        // group becomes a child centred on its own origin and placed at its centre.
        std::unique_ptr<CMesh> first = mesh->ExtractGroup(0);
        for (int group = 1; group < groups; ++group)
        {
            auto child = std::make_unique<CModel>();
            std::unique_ptr<CMesh> part = mesh->ExtractGroup(group);
            part->CentreOnOrigin();
            child->m_texture = m_texture;
            child->m_bump_texture = m_bump_texture;
            child->SetMesh(std::move(part));
            child->SetPosition(mesh->GetGroupCentre(group));
            m_children.push_back(std::move(child));
        }
        m_geometry->SetMesh(std::move(first));
    }
    m_owns_textures = true;
    m_owns_mesh = true;
}

void CModel::ReleaseGL()
{
    if (m_owns_textures && m_texture)
    {
        m_texture->Release();
        if (m_bump_texture)
        {
            m_bump_texture->Release();
        }
    }
    if (m_owns_mesh)
    {
        DeleteDisplayList();
    }
    if (m_owns_textures)
    {
        m_children.clear();
    }
}

bool CModel::HasList() const
{
    return m_geometry && m_geometry->HasList() && !m_bump_texture;
}

void CModel::BuildDisplayList()
{
    // Only the model that manages the geometry compiles it; copies call the same list.
    // Without a GL context (tests, tools) uploads are off and there is nothing to compile into.
    if (!m_owns_mesh || !m_geometry || m_bump_texture || !CTexture::IsUploadEnabled())
    {
        return;
    }
    GLuint id = glGenLists(1);
    if (id == 0)
    {
        m_geometry->DeleteList();
        return;
    }
    glNewList(id, GL_COMPILE);
    DrawFaces();
    glEndList();
    m_geometry->SetList(id);
    for (std::unique_ptr<CModel>& child : m_children)
    {
        child->BuildDisplayList();
    }
}

void CModel::DeleteDisplayList()
{
    if (!m_owns_mesh || !m_geometry)
    {
        return;
    }
    m_geometry->DeleteList();
    for (std::unique_ptr<CModel>& child : m_children)
    {
        child->DeleteDisplayList();
    }
}

void CModel::DrawFaces() const
{
    const CMesh* mesh = GetMesh();
    if (mesh == nullptr || mesh->GetFaceCount() == 0)
    {
        return;
    }
    bool textured = m_texture != nullptr;
    bool normals = textured && m_normals && mesh->HasNormals();
    bool texcoords = textured && mesh->HasTexcoords();
    glBegin(GL_TRIANGLES);
    for (uint32_t f = 0; f < mesh->GetFaceCount(); ++f)
    {
        if (!mesh->IsFaceDrawable(f))
        {
            continue;
        }
        const int32_t* face = mesh->GetFace(f);
        for (int corner = 0; corner < 3; ++corner)
        {
            if (normals && face[6 + corner] >= 0)
            {
                glNormal3fv(mesh->GetNormal(static_cast<uint32_t>(face[6 + corner])));
            }
            if (texcoords && face[3 + corner] >= 0)
            {
                glTexCoord2fv(mesh->GetTexcoord(static_cast<uint32_t>(face[3 + corner])));
            }
            glVertex3fv(mesh->GetVertex(static_cast<uint32_t>(face[corner])));
        }
    }
    glEnd();
}

void CModel::SetTextures(CTexture* texture, CTexture* bump_texture)
{
    m_texture = texture ? UseTexture(texture) : nullptr;
    m_bump_texture = bump_texture ? UseTexture(bump_texture) : nullptr;
    m_owns_textures = false;
}

void CModel::SetMesh(std::unique_ptr<CMesh> mesh)
{
    m_geometry = std::make_shared<CModelGeometry>();
    m_geometry->SetMesh(std::move(mesh));
    m_owns_mesh = true;
    CMesh* held = m_geometry->GetMesh();
    if (held != nullptr)
    {
        m_extent_x = held->GetExtentX();
        m_extent_y = held->GetExtentY();
        m_extent_z = held->GetExtentZ();
    }
}

void CModel::SetMesh(CMesh* mesh)
{
    m_geometry = std::make_shared<CModelGeometry>();
    m_geometry->UseMesh(mesh);
    m_owns_mesh = true;
    if (mesh != nullptr)
    {
        m_extent_x = mesh->GetExtentX();
        m_extent_y = mesh->GetExtentY();
        m_extent_z = mesh->GetExtentZ();
    }
}

CMesh* CModel::GetMesh() const
{
    return m_geometry ? m_geometry->GetMesh() : nullptr;
}
