#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CMesh;
class CModel;
class CTexture;

// Draws many bricks that share a few looks in one call per look. Each look
// (mesh and picture) keeps vertex arrays that only grow: the texture
// coordinates and indices of the n-th brick never change, so a frame only
// writes the moved corners. A brick that is turned, blended or made of
// several parts is drawn on its own, by its own Draw.
class CFillerBrickBatch
{
public:
    CFillerBrickBatch();
    ~CFillerBrickBatch();
    CFillerBrickBatch(const CFillerBrickBatch&) = delete;
    CFillerBrickBatch& operator=(const CFillerBrickBatch&) = delete;

    void Begin();
    // Queues a brick at its position and scale; a model without mesh is skipped.
    void Add(CModel& model);
    // Draws what was queued since Begin.
    void Draw();

    int GetLookCount() const { return static_cast<int>(m_looks.size()); }
    int GetQueuedCount() const;
    // Corners written this frame, for the benchmark.
    std::size_t GetVertexCount() const;

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
