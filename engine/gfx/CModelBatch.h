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
//
// Boards rest most of the time: once the batched looks stood still for a
// frame they are drawn into an offscreen layer and, while the same models
// stand at the same places under the same view and state, later frames only
// lay that layer over the window.
// The batched models then leave no depth in the window's depth buffer: what
// is drawn after them is drawn over them.
class COffscreenLayer;

class CModelBatch
{
public:
    CModelBatch();
    ~CModelBatch();
    CModelBatch(const CModelBatch&) = delete;
    CModelBatch& operator=(const CModelBatch&) = delete;

    // Whether Add draws the model in a batched look rather than by its own Draw.
    static bool CanBatch(const CModel& model);

    void Begin();
    // Queues a model at its position and scale, turned turnZ degrees about
    // its own z axis (as glRotatef after the move); one without mesh is
    // skipped.
    void Add(CModel& model, float turnZ = 0.0f);
    // Queues a model that draws itself (fading, marked, carrying a sprite).
    void AddAlone(CModel& model) { m_single.push_back(&model); }
    // A see-through picture under the models (a board's backing), drawn
    // before them with the depth test as it stands and blended by its alpha
    // times `alpha`; texture coordinates run 0..s across and t..0 down. Kept
    // in the layer with the models. Begin clears it.
    struct SUnderlay
    {
        unsigned int texture = 0;
        float x = 0.0f, y = 0.0f, z = 0.0f, width = 0.0f, height = 0.0f;
        float s = 1.0f, t = 1.0f, alpha = 1.0f;
    };
    void SetUnderlay(const SUnderlay& underlay);
    // Draws what was queued since Begin.
    void Draw();

    // Whether batches keep their looks in a layer (on by default); off, every
    // frame draws every triangle, and a batch drawn then lets its layer go
    // (a caller that holds a picture of its own turns them off).
    static void SetLayerEnabled(bool enabled);
    static bool IsLayerEnabled();

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
    // With the scissor test on (a picture patched in places), only the
    // models that may reach the scissor box are sent: the renderer
    // transforms every vertex sent, wherever its triangles land.
    void DrawLooks();
    // The models of the look whose boxes, seen through the current view
    // (`view`, projection times model-view), may reach the window box
    // (left, bottom, right, top in pixels): their triangles' indices, into
    // m_shown.
    void FindShown(const SLook& look, const float view[16], const int viewport[4], const int box[4]);
    // Blended by the alpha blend function, which keeps coverage in a layer.
    void DrawUnderlay() const;
    // Draws the looks through the layer; false when the state they are drawn
    // in is one the layer cannot reproduce, or there is no layer.
    bool DrawThroughLayer();
    // Everything the batched looks' pixels depend on, as bytes.
    void MakeKey(std::vector<unsigned char>& key) const;
    // The window pixels the batched looks may cover, from the key's view;
    // the whole viewport when a corner lies behind the eye.
    void FindCover(int cover[4]) const;

    std::vector<std::unique_ptr<SShape>> m_shapes;
    std::vector<std::unique_ptr<SLook>> m_looks;
    std::vector<CModel*> m_single;
    SLook* m_last = nullptr;
    SUnderlay m_underlay;
    bool m_has_underlay = false;
    std::unique_ptr<COffscreenLayer> m_layer;
    std::vector<std::uint32_t> m_shown;
    std::vector<unsigned char> m_key;
    // What the layer holds, and what the last frame drew.
    std::vector<unsigned char> m_layer_key;
    std::vector<unsigned char> m_last_key;
    int m_cover[4] = {};
};
