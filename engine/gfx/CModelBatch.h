#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CMesh;
class CModel;
class CTexture;

// Draws many unlit models (a board's bricks) that share a few looks in one
// call per look (mesh and picture), with the fewest changes of state: the
// software renderer pays for every call and every change far more than for
// the pixels of a brick. Each look keeps vertex arrays that only grow: the
// texture coordinates and indices of the n-th model never change, so a frame
// only writes the moved corners. No normals are sent: callers draw with
// lighting off, the pictures carry the shading.
//
// A model that is turned, blended or made of several parts, and one the
// caller queues with AddAlone, is drawn by its own Draw after the batched
// looks, in the order queued: what blends over the others goes last.
class CModelBatch
{
public:
    CModelBatch();
    ~CModelBatch();
    CModelBatch(const CModelBatch&) = delete;
    CModelBatch& operator=(const CModelBatch&) = delete;

    void Begin();
    // Queues a model at its position and scale, turned turnZ degrees about
    // its own z axis (as glRotatef after the move); one without mesh is
    // skipped.
    void Add(CModel& model, float turnZ = 0.0f);
    // Queues a model that draws itself (fading, marked, carrying a sprite).
    void AddAlone(CModel& model) { m_single.push_back(&model); }
    // Draws what was queued since Begin.
    void Draw();

private:
    // One mesh with every (vertex, texture coordinate) corner made unique.
    struct SShape
    {
        const CMesh* m_mesh = nullptr;
        std::vector<float> m_positions;
        std::vector<float> m_texcoords;
        std::vector<std::uint32_t> m_indices;
    };
    struct SLook
    {
        const SShape* m_shape = nullptr;
        CTexture* m_texture = nullptr;
        int m_count = 0;
        // Grown to the largest count seen.
        int m_prepared = 0;
        std::vector<float> m_positions;
        std::vector<float> m_texcoords;
        std::vector<std::uint32_t> m_indices;
    };

    const SShape* FindShape(const CMesh* mesh);
    SLook& FindLook(const SShape* shape, CTexture* texture);
    static void Prepare(SLook& look);

    std::vector<std::unique_ptr<SShape>> m_shapes;
    std::vector<std::unique_ptr<SLook>> m_looks;
    std::vector<CModel*> m_single;
    SLook* m_last = nullptr;
};
