#pragma once

#include "engine/gfx/CVector4.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CFilePack;
class CMesh;
class CModelGeometry;
class CTexture;

// A drawable 3-D object built from a ".unt" description: a mesh, an optional texture and
// bump texture, a uniform scale, and the position, velocity, parameter vector and angles
// that its users keep in it. Copies share the geometry and the textures (reference counted)
// and own deep copies of the children. Draw applies only the scale; users translate and
// rotate first.
class CModel
{
public:
    CModel();
    CModel(const CModel& other);
    CModel& operator=(const CModel& other);
    virtual ~CModel();

    virtual void Draw();
    // Drawn opaque (no blending, no alpha test) under a modulating or
    // replacing texture, the picture's alpha shows nowhere in the window;
    // this leaves it out, writing the colour's alpha, so that what is drawn
    // into a see-through picture covers it as fully as it covers the window.
    // Returns the texture mode to give back to EndOpaqueAlpha (0 when
    // nothing was changed).
    static int BeginOpaqueAlpha();
    static void EndOpaqueAlpha(int envMode);
    // Counts triangles just sent to the renderer; past a thousand since the
    // last time, it is told to draw what it holds (see the definition).
    static void NoteTrianglesSent(std::size_t count);
    virtual void Update(float dt);

    void LoadFile(CFilePack* pack, const char* name);
    void Parse(CFilePack* pack, const char* text, unsigned size);
    void ReleaseGL();
    void BuildDisplayList();
    void DeleteDisplayList();
    void DrawFaces() const;

    // Textures that someone else owns (a resource manager) and keeps alive.
    void SetTextures(CTexture* texture, CTexture* bump_texture);
    void SetMesh(std::unique_ptr<CMesh> mesh);
    void SetMesh(CMesh* mesh);

    void SetPosition(CVector4 position) { m_position = position; }
    CVector4& GetPosition() { return m_position; }
    const CVector4& GetPosition() const { return m_position; }
    void SetVelocity(CVector4 velocity) { m_velocity = velocity; }
    CVector4& GetVelocity() { return m_velocity; }
    const CVector4& GetVelocity() const { return m_velocity; }
    void SetParam(CVector4 param) { m_param = param; }
    CVector4& GetParam() { return m_param; }
    const CVector4& GetParam() const { return m_param; }

    void SetScale(float scale) { m_scale = scale; }
    float GetScale() const { return m_scale; }
    void SetAngleX(float degrees) { m_angle_x = degrees; }
    void SetAngleY(float degrees) { m_angle_y = degrees; }
    void SetAngleZ(float degrees) { m_angle_z = degrees; }
    float GetAngleX() const { return m_angle_x; }
    float GetAngleY() const { return m_angle_y; }
    float GetAngleZ() const { return m_angle_z; }
    float GetExtentX() const { return m_extent_x; }
    float GetExtentY() const { return m_extent_y; }
    float GetExtentZ() const { return m_extent_z; }
    float GetScaledSizeX() const { return m_scale * m_extent_x; }
    float GetScaledSizeY() const { return m_scale * m_extent_y; }
    float GetScaledSizeZ() const { return m_scale * m_extent_z; }

    void SetBlend(bool blend) { m_blend = blend; }
    bool GetBlend() const { return m_blend; }
    bool GetShowNormals() const { return m_normals; }
    bool HasList() const;
    bool OwnsMesh() const { return m_owns_mesh; }
    bool OwnsTextures() const { return m_owns_textures; }

    CMesh* GetMesh() const;
    CTexture* GetTexture() const { return m_texture.get(); }
    CTexture* GetBumpTexture() const { return m_bump_texture.get(); }
    size_t GetChildCount() const { return m_children.size(); }
    CModel* GetChild(size_t index) const { return m_children[index].get(); }

private:
    void CopyFrom(const CModel& other);
    void LoadMesh(CFilePack* pack, const std::string& file);

    CVector4 m_position;
    CVector4 m_velocity;
    CVector4 m_param;
    float m_scale = 1.0f;
    float m_angle_x = 0.0f;
    float m_angle_y = 0.0f;
    float m_angle_z = 0.0f;
    float m_extent_x = 0.0f;
    float m_extent_y = 0.0f;
    float m_extent_z = 0.0f;
    std::shared_ptr<CModelGeometry> m_geometry;
    std::vector<std::unique_ptr<CModel>> m_children;
    bool m_blend = false;
    std::shared_ptr<CTexture> m_texture;
    std::shared_ptr<CTexture> m_bump_texture;
    // Set by a description load: a reload rebuilds the shared records in place, so copies
    // follow it; a copy that loads a description gets records of its own instead.
    bool m_owns_textures = false;
    bool m_owns_mesh = false;
    bool m_normals = true;
};
