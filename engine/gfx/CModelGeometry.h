#pragma once

#include <cstdint>
#include <memory>

class CMesh;

// The triangles of a model and the display list compiled from them. A loaded model and
// every copy of it hold this record through a shared pointer, so no copy outlives what it
// draws with, and a reload that rebuilds the record in place reaches every copy.
class CModelGeometry
{
public:
    CModelGeometry() = default;
    ~CModelGeometry();
    CModelGeometry(const CModelGeometry&) = delete;
    CModelGeometry& operator=(const CModelGeometry&) = delete;

    CMesh* GetMesh() const { return m_mesh; }
    bool OwnsMesh() const { return m_owned_mesh != nullptr; }
    void SetMesh(std::unique_ptr<CMesh> mesh);
    // A mesh that someone else owns and keeps alive as long as this record.
    void UseMesh(CMesh* mesh);

    // The list is valid only in the GL context it was compiled in.
    bool HasList() const;
    uint32_t GetListId() const { return m_list_id; }
    void SetList(uint32_t id);
    void DeleteList();

    // Called when the GL context goes away: every list compiled so far is dead.
    static void OnContextLost();

private:
    std::unique_ptr<CMesh> m_owned_mesh;
    CMesh* m_mesh = nullptr;
    uint32_t m_list_id = 0;
    uint32_t m_list_context = 0;
};
