#include "engine/files/CFilePack.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"
#include "engine/gfx/CResManager.h"
#include "engine/gfx/CTexture.h"
#include "tests/gfx/CGfxTestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace
{
const char* kBoxObj =
    "g box\nv 0 0 0\nv 4 0 0\nv 4 2 0\nv 0 2 1\nvt 0 0\nvt 1 0\nvt 1 1\n"
    "vn 0 0 1\nf 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/3/1\n";

// Group a spans x 0..2, group b x 6..8 and group c y 10..12: the whole box is 8 x 12 x 2.
const char* kThreeGroupsObj =
    "g a\nv 0 0 0\nv 2 0 0\nv 0 2 2\nf 1 2 3\n"
    "g b\nv 6 0 0\nv 8 0 0\nv 6 2 0\nf 4 5 6\n"
    "g c\nv 0 10 0\nv 2 10 0\nv 0 12 0\nf 7 8 9\n";

class CModelTest : public ::testing::Test
{
protected:
    std::string Describe(const std::string& name, const std::string& obj,
                         const std::string& extra)
    {
        std::string mesh = m_files.Write(name + ".obj", obj);
        return m_files.Write(name + ".unt", "faces_file_name " + mesh + "\n" + extra);
    }

    std::string Picture(const std::string& name)
    {
        return m_files.WriteTga(name, 8, 4);
    }

    CGfxTestFiles m_files;
    CFilePack m_pack;
};
}

TEST_F(CModelTest, ScaleAndNormalsKeysCountOnlyForATexturedModel)
{
    // Scale 0 or missing draws at 1; an untextured model always shows normals;
    // extents are those of the normalised mesh.
    std::string tga = "tex_file_name " + Picture("t.tga") + "\n";
    const struct
    {
        std::string keys;
        float scale;
        bool normals;
        int textureWidth;
    } cases[] = {
        {tga + "scale 0\nshow_normales 1\n", 1.0f, true, 8},
        {tga, 1.0f, false, 8},
        {tga + "scale 0.5\nshow_normales 0\n", 0.5f, false, 8},
        {"tex_file_name n\nscale 3\nshow_normales 0\n", 1.0f, true, 0},
    };
    for (const auto& c : cases)
    {
        CModel model;
        model.LoadFile(&m_pack, Describe("m", kBoxObj, c.keys).c_str());
        EXPECT_FLOAT_EQ(model.GetScale(), c.scale) << c.keys;
        EXPECT_EQ(model.GetShowNormals(), c.normals) << c.keys;
        EXPECT_EQ(model.GetTexture() ? model.GetTexture()->GetWidth() : 0, c.textureWidth) << c.keys;
        EXPECT_FLOAT_EQ(model.GetScaledSizeY(), 0.5f * c.scale) << c.keys;
        EXPECT_FLOAT_EQ(model.GetExtentZ(), 0.25f) << c.keys;
    }
}

TEST_F(CModelTest, NoFacesKeyLoadsEmptyAndAMissingFacesFileRaisesThePackError)
{
    CModel model;
    EXPECT_NO_THROW(model.LoadFile(&m_pack, m_files.Write("nofaces.unt", "tex_file_name n\n").c_str()));
    EXPECT_EQ(model.GetMesh(), nullptr);
    EXPECT_FALSE(model.HasList());
    std::string unt = m_files.Write("lost.unt", "faces_file_name " + m_files.Path("none.obj") + "\n");
    EXPECT_THROW(model.LoadFile(&m_pack, unt.c_str()), CFilePackError);
}

TEST_F(CModelTest, ThreeGroupsKeepGroupZeroAndTwoChildrenAtTheGroupCentres)
{
    CModel model;
    model.LoadFile(&m_pack, Describe("three", kThreeGroupsObj, "").c_str());
    // Extents are those of the whole normalised mesh.
    EXPECT_FLOAT_EQ(model.GetExtentY(), 1.0f);
    EXPECT_NEAR(model.GetExtentX(), 8.0f / 12.0f, 1e-6);
    ASSERT_NE(model.GetMesh(), nullptr);
    EXPECT_EQ(model.GetMesh()->GetName(), "a");
    EXPECT_EQ(model.GetMesh()->GetVertexCount(), 3u);
    EXPECT_EQ(model.GetMesh()->GetFaceCount(), 1u);
    ASSERT_EQ(model.GetChildCount(), 2u);

    // Whole box centre is (4, 6, 1); group b's centre (7, 1, 0) lies at (3, -5, -1) / 12.
    const CModel* b = model.GetChild(0);
    EXPECT_NEAR(b->GetPosition().x, 3.0f / 12.0f, 1e-6);
    EXPECT_NEAR(b->GetPosition().y, -5.0f / 12.0f, 1e-6);
    EXPECT_NEAR(b->GetPosition().z, -1.0f / 12.0f, 1e-6);
    ASSERT_NE(b->GetMesh(), nullptr);
    EXPECT_EQ(b->GetMesh()->GetName(), "b");
    // A child's mesh is centred on its own origin.
    EXPECT_NEAR(b->GetMesh()->GetVertex(0)[0], -1.0f / 12.0f, 1e-6);
    EXPECT_EQ(model.GetChild(1)->GetMesh()->GetName(), "c");
    EXPECT_TRUE(b->OwnsMesh());
    EXPECT_FALSE(b->OwnsTextures());
}

TEST_F(CModelTest, CopiesAndAssignedModelsShareTheLookAndKeepItAfterTheSourceIsGone)
{
    auto owner = std::make_unique<CModel>();
    CModel& source = *owner;
    source.LoadFile(&m_pack, Describe("src", kThreeGroupsObj, "tex_file_name " + Picture("t.tga") + "\n").c_str());
    source.SetScale(2.0f);
    source.SetParam(CVector4(1, 1, 2));
    source.SetPosition(CVector4(5, 0, 0));
    CModel copy(source);
    CModel assigned;
    assigned.LoadFile(&m_pack, Describe("box", kBoxObj, "").c_str());
    assigned = source;
    for (const CModel* model : {&copy, &assigned})
    {
        EXPECT_EQ(model->GetMesh(), source.GetMesh());
        EXPECT_EQ(model->GetTexture(), source.GetTexture());
        EXPECT_FALSE(model->OwnsMesh());
        EXPECT_FALSE(model->OwnsTextures());
        EXPECT_FLOAT_EQ(model->GetScaledSizeY(), 2.0f);
        EXPECT_FLOAT_EQ(model->GetParam().z, 2.0f);
        EXPECT_FLOAT_EQ(model->GetPosition().x, 5.0f);
        ASSERT_EQ(model->GetChildCount(), 2u);
        EXPECT_NE(model->GetChild(0), source.GetChild(0));
        EXPECT_EQ(model->GetChild(0)->GetMesh(), source.GetChild(0)->GetMesh());
        EXPECT_EQ(model->GetChild(1)->GetTexture(), source.GetTexture());
    }
    CModel& same = source;
    source = same;
    EXPECT_TRUE(source.OwnsMesh());
    ASSERT_EQ(source.GetChildCount(), 2u);
    EXPECT_EQ(source.GetChild(0)->GetMesh()->GetName(), "b");
    // A copy that loads a description of its own leaves its source alone.
    assigned.LoadFile(&m_pack, Describe("box", kBoxObj, "").c_str());
    EXPECT_EQ(assigned.GetMesh()->GetName(), "box");
    EXPECT_EQ(assigned.GetChildCount(), 0u);
    EXPECT_EQ(source.GetMesh()->GetName(), "a");
    EXPECT_EQ(source.GetChildCount(), 2u);
    // The copy keeps what it draws with after the source is gone.
    owner.reset();
    EXPECT_EQ(copy.GetMesh()->GetVertexCount(), 3u);
    EXPECT_EQ(copy.GetChild(1)->GetMesh()->GetName(), "c");
}

TEST_F(CModelTest, ReloadRebuildsInPlaceAndCopiesFollowIt)
{
    std::string tga = Picture("t.tga");
    CResManager manager(&m_pack);
    std::string unt = Describe("brick", kThreeGroupsObj, "tex_file_name " + tga + "\n");
    CModel* loaded = manager.AddModel(unt.c_str(), "brick");
    ASSERT_NE(loaded, nullptr);
    auto copy = std::make_unique<CModel>(*loaded);
    CModel second;
    second = *copy;

    // The description's mesh changes between the two contexts.
    m_files.Write("brick.obj", kBoxObj);
    CResManager::ReleaseAllGL();
    CResManager::ReloadAllGL();

    EXPECT_EQ(loaded->GetChildCount(), 0u);
    ASSERT_NE(copy->GetMesh(), nullptr);
    EXPECT_EQ(copy->GetMesh(), loaded->GetMesh());
    EXPECT_EQ(copy->GetMesh()->GetName(), "box");
    EXPECT_EQ(second.GetMesh()->GetVertexCount(), 4u);
    EXPECT_EQ(copy->GetTexture(), loaded->GetTexture());
    // Children copied before the reload still hold what they draw with.
    ASSERT_EQ(copy->GetChildCount(), 2u);
    EXPECT_EQ(copy->GetChild(1)->GetMesh()->GetName(), "c");
    EXPECT_EQ(copy->GetChild(1)->GetTexture(), loaded->GetTexture());
}

TEST_F(CModelTest, TexturesSetFromElsewhereAreUsedNotOwned)
{
    CResManager manager(&m_pack);
    CTexture* texture = manager.AddTexture(Picture("skin.tga").c_str(), "skin", false, false);
    {
        CModel model;
        model.LoadFile(&m_pack, Describe("skinned", kBoxObj, "").c_str());
        model.SetTextures(texture, nullptr);
        EXPECT_EQ(model.GetTexture(), texture);
        EXPECT_FALSE(model.OwnsTextures());
        model.ReleaseGL();
    }
    EXPECT_EQ(manager.FindTexture("skin"), texture);
    EXPECT_EQ(texture->GetWidth(), 8);
}

