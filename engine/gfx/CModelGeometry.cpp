#include "engine/gfx/CModelGeometry.h"

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CTexture.h"

#include <GL/gl.h>

namespace
{
// Counts GL contexts: a list compiled in an earlier one is a dead name that may already
// belong to a list of the current context, so it is neither called nor deleted.
uint32_t g_context_generation = 1;
}

CModelGeometry::~CModelGeometry()
{
    DeleteList();
}

void CModelGeometry::SetMesh(std::unique_ptr<CMesh> mesh)
{
    m_owned_mesh = std::move(mesh);
    m_mesh = m_owned_mesh.get();
}

void CModelGeometry::UseMesh(CMesh* mesh)
{
    m_owned_mesh.reset();
    m_mesh = mesh;
}

bool CModelGeometry::HasList() const
{
    return m_list_id != 0 && m_list_context == g_context_generation;
}

void CModelGeometry::SetList(uint32_t id)
{
    DeleteList();
    m_list_id = id;
    m_list_context = g_context_generation;
}

void CModelGeometry::DeleteList()
{
    if (HasList() && CTexture::IsUploadEnabled())
    {
        glDeleteLists(m_list_id, 1);
    }
    m_list_id = 0;
    m_list_context = 0;
}

void CModelGeometry::OnContextLost()
{
    ++g_context_generation;
}
