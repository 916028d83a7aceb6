#include "engine/gfx/CMesh.h"
#include "engine/gfx/CVector4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
void Load(CMesh& mesh, const std::string& text)
{
    mesh.LoadObj(text.data(), static_cast<unsigned>(text.size()));
}

std::vector<int32_t> FaceOf(const CMesh& mesh, uint32_t index)
{
    const int32_t* face = mesh.GetFace(index);
    return std::vector<int32_t>(face, face + CMesh::kFaceStride);
}

const char* kTriangle = "g tri\nv 0 0 0\nv 1 0 0\nv 0 1 0\n";

// Bytes that OBJ lines are made of, weighted towards the ones the reader acts on.
const std::string kObjAlphabet = "gvtnfusemtl /-+.0123456789\n\r\t e#";

std::string RandomObj(std::mt19937& random, size_t length)
{
    std::string text;
    std::uniform_int_distribution<size_t> pick(0, kObjAlphabet.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (size_t i = 0; i < length; ++i)
    {
        text += (random() % 16 == 0) ? static_cast<char>(byte(random)) : kObjAlphabet[pick(random)];
    }
    return text;
}

std::string Mutate(std::mt19937& random, std::string text)
{
    int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits && !text.empty(); ++i)
    {
        size_t at = random() % text.size();
        switch (random() % 3)
        {
        case 0:
            text[at] = static_cast<char>(random());
            break;
        case 1:
            text.erase(at, 1 + random() % 4);
            break;
        default:
            text.insert(at, 1, kObjAlphabet[random() % kObjAlphabet.size()]);
            break;
        }
    }
    return text;
}

// Every use a model makes of a mesh, short of drawing it.
void Exercise(CMesh& mesh)
{
    for (uint32_t f = 0; f < mesh.GetFaceCount(); ++f)
    {
        if (!mesh.IsFaceDrawable(f))
        {
            continue;
        }
        const int32_t* face = mesh.GetFace(f);
        for (int c = 0; c < 3; ++c)
        {
            ASSERT_LT(static_cast<uint32_t>(face[c]), mesh.GetVertexCount());
            if (face[3 + c] >= 0)
            {
                ASSERT_LT(static_cast<uint32_t>(face[3 + c]), mesh.GetTexcoordCount());
            }
            if (face[6 + c] >= 0)
            {
                ASSERT_LT(static_cast<uint32_t>(face[6 + c]), mesh.GetNormalCount());
            }
        }
    }
    mesh.NormalizeToUnitBox();
    for (int g = -1; g <= mesh.GetGroupCount(); ++g)
    {
        std::unique_ptr<CMesh> part = mesh.ExtractGroup(g);
        part->CentreOnOrigin();
        mesh.GetGroupCentre(g);
    }
}
}

TEST(CMeshTest, FaceCornersStoreTheirIndicesWithMinusOneForMissingOrOutOfRange)
{
    // Each face's nine indices: three vertices, three texture coordinates, three normals.
    const std::string t = kTriangle;
    const struct
    {
        std::string text;
        std::vector<std::vector<int32_t>> faces;
    } cases[] = {
        {t + "f 1 2 3\n", {{0, 1, 2, -1, -1, -1, -1, -1, -1}}},
        {t + "f 1 2 3", {{0, 1, 2, -1, -1, -1, -1, -1, -1}}},
        {t + "vt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nvn 0 0 1\nvn 0 0 1\nf 1/1/1 2/2/2 3/3/3\n",
         {{0, 1, 2, 0, 1, 2, 0, 1, 2}}},
        {t + "vt 0 0\nvt 1 0\nvt 0 1\nf 1/3 2/2 3/1\n", {{0, 1, 2, 2, 1, 0, -1, -1, -1}}},
        {t + "vn 0 0 1\nf 1//1 2//1 3//1\n", {{0, 1, 2, -1, -1, -1, 0, 0, 0}}},
        {t + "v 1 1 0\nf 1 2 4 3\n", {{0, 1, 3, -1, -1, -1, -1, -1, -1}}},   // a polygon keeps its first triangle
        {"g crlf\r\nv 0 0 0\r\nv 2 0 0\r\nv 0 1 0\r\nf 1 2 3\r\n", {{0, 1, 2, -1, -1, -1, -1, -1, -1}}},
        {t + "vt 0 0\nf 1/1 2/7 99/1\nf -1 2 3\nf 0 1 2\n",
         {{0, 1, -1, 0, -1, 0, -1, -1, -1}, {-1, 1, 2, -1, -1, -1, -1, -1, -1}, {-1, 0, 1, -1, -1, -1, -1, -1, -1}}},
    };
    for (const auto& c : cases)
    {
        CMesh mesh;
        Load(mesh, c.text);
        ASSERT_EQ(mesh.GetFaceCount(), c.faces.size()) << c.text;
        for (uint32_t f = 0; f < c.faces.size(); ++f)
        {
            EXPECT_EQ(FaceOf(mesh, f), c.faces[f]) << c.text;
            EXPECT_EQ(mesh.IsFaceDrawable(f), c.faces[f][0] >= 0 && c.faces[f][1] >= 0 && c.faces[f][2] >= 0)
                << c.text;
        }
        EXPECT_EQ(mesh.HasTexcoords(), c.faces[0][3] >= 0) << c.text;
        EXPECT_EQ(mesh.HasNormals(), c.faces[0][6] >= 0) << c.text;
    }
}

TEST(CMeshTest, MaterialNumberCountsUsemtlLinesAndIgnoresNames)
{
    CMesh mesh;
    Load(mesh, std::string(kTriangle) +
                   "f 1 2 3\nmtllib box.mtl\nusemtl red\nusemtl blue\nf 3 2 1\n");
    ASSERT_EQ(mesh.GetFaceCount(), 2u);
    EXPECT_EQ(mesh.GetMaterial(0), -1);
    EXPECT_EQ(mesh.GetMaterial(1), 1);
}

TEST(CMeshTest, NormalisingGivesTheUnitBoxCentredOnTheOriginAndASinglePointNoNan)
{
    const struct
    {
        const char* text;
        std::vector<float> extents, first;
    } cases[] = {
        {"g box\nv 0 0 0\nv 4 2 1\nv 4 0 0\n", {1.0f, 0.5f, 0.25f}, {-0.5f, -0.25f, -0.125f}},
        {"g dot\nv 3 4 5\nv 3 4 5\n", {0, 0, 0}, {0, 0, 0}},
    };
    for (const auto& c : cases)
    {
        CMesh mesh;
        Load(mesh, c.text);
        mesh.NormalizeToUnitBox();
        EXPECT_EQ((std::vector<float>{mesh.GetExtentX(), mesh.GetExtentY(), mesh.GetExtentZ()}), c.extents);
        EXPECT_EQ((std::vector<float>(mesh.GetVertex(0), mesh.GetVertex(0) + 3)), c.first) << c.text;
    }
}

TEST(CMeshTest, VertexNumbersReadInTheCLocaleWithMissingOrMalformedOnesAsZero)
{
    // An overlong line is cut and reading goes on.
    const struct
    {
        std::string text;
        std::vector<std::vector<float>> vertices;
    } cases[] = {
        {"g short\nv 1\nv 2 x 3\n", {{1, 0, 0}, {2, 0, 3}}},
        {"g num\nv 0.5 -1.25 +2e1\nv nan inf 1\n", {{0.5f, -1.25f, 20}, {0, 0, 1}}},
        {"g long\n# " + std::string(5000, 'x') + " v 7 7 7\nv 1 2 3" + std::string(400, ' ') + "9\nv 0 0 0\n",
         {{1, 2, 3}, {0, 0, 0}}},
    };
    for (const auto& c : cases)
    {
        CMesh mesh;
        Load(mesh, c.text);
        ASSERT_EQ(mesh.GetVertexCount(), c.vertices.size()) << c.text.substr(0, 20);
        for (std::size_t v = 0; v < c.vertices.size(); ++v)
            for (int axis = 0; axis < 3; ++axis)
                EXPECT_FLOAT_EQ(mesh.GetVertex(static_cast<uint32_t>(v))[axis], c.vertices[v][axis])
                    << c.text.substr(0, 20) << " vertex " << v;
    }
}

TEST(CMeshTest, TextWithoutGroupLineOrNoTextLeavesTheGeometryAsItWas)
{
    CMesh mesh;
    Load(mesh, std::string(kTriangle) + "f 1 2 3\n");
    Load(mesh, "v 5 5 5\nf 1 1 1\n");
    mesh.LoadObj(nullptr, 10);
    mesh.LoadObj("", 0);
    EXPECT_EQ(mesh.GetVertexCount(), 3u);
    EXPECT_EQ(mesh.GetName(), "tri");
    EXPECT_EQ(mesh.GetGroupCount(), 0);
}

TEST(CMeshTest, ExtractedGroupIsRebasedToItsOwnVerticesAndABadIndexGivesNothing)
{
    CMesh mesh;
    Load(mesh,
         "g a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n"
         "g b\nv 10 0 0\nv 12 0 0\nv 10 4 0\nvn 0 0 -1\nusemtl m\nf 4//2 5//2 6//2\n");
    std::unique_ptr<CMesh> b = mesh.ExtractGroup(1);
    EXPECT_EQ(b->GetName(), "b");
    EXPECT_EQ(b->GetGroupCount(), 0);
    ASSERT_EQ(b->GetVertexCount(), 3u);
    ASSERT_EQ(b->GetFaceCount(), 1u);
    EXPECT_EQ(FaceOf(*b, 0), (std::vector<int32_t>{0, 1, 2, -1, -1, -1, 0, 0, 0}));
    EXPECT_EQ(b->GetMaterial(0), 0);
    EXPECT_FLOAT_EQ(b->GetVertex(0)[0], 10.0f);
    EXPECT_FLOAT_EQ(b->GetExtentX(), 2.0f);
    EXPECT_FLOAT_EQ(b->GetExtentY(), 4.0f);

    CVector4 centre = mesh.GetGroupCentre(1);
    EXPECT_FLOAT_EQ(centre.x, 11.0f);
    EXPECT_FLOAT_EQ(centre.y, 2.0f);
    EXPECT_FLOAT_EQ(centre.w, 1.0f);

    b->CentreOnOrigin();
    EXPECT_FLOAT_EQ(b->GetVertex(0)[0], -1.0f);
    EXPECT_FLOAT_EQ(b->GetVertex(2)[1], 2.0f);

    // A face reaching into another group is kept but not drawn.
    Load(mesh, "g a\nv 0 0 0\nv 1 0 0\nv 0 1 0\ng b\nv 5 5 5\nv 6 5 5\nf 1 4 5\n");
    b = mesh.ExtractGroup(1);
    ASSERT_EQ(b->GetFaceCount(), 1u);
    EXPECT_FALSE(b->IsFaceDrawable(0));

    // A group index out of range gives an empty mesh and the origin; an empty group the origin.
    EXPECT_EQ(mesh.ExtractGroup(2)->GetVertexCount(), 0u);
    EXPECT_EQ(mesh.ExtractGroup(-1)->GetVertexCount(), 0u);
    EXPECT_FLOAT_EQ(mesh.GetGroupCentre(7).x, 0.0f);
    EXPECT_FLOAT_EQ(mesh.GetGroupCentre(7).w, 1.0f);
    Load(mesh, "g empty\ng full\nv 2 2 2\nv 4 4 4\n");
    EXPECT_FLOAT_EQ(mesh.GetGroupCentre(0).x, 0.0f);
    EXPECT_FLOAT_EQ(mesh.GetGroupCentre(1).x, 3.0f);
}

TEST(CMeshTest, RandomOrMutatedObjTextNeverReadsOutOfBounds)
{
    const std::string seed =
        "g a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nusemtl x\n"
        "f 1/1/1 2/2/1 3/3/1\ng b\nv 2 2 2\nv 3 2 2\nv 2 3 2\nf 4//1 5//1 6//1\nf 4 5 6\n";
    std::mt19937 random(99);
    for (int round = 0; round < 1400; ++round)
    {
        std::string text = round % 4 == 0 ? "g r\n" + RandomObj(random, random() % 600) : Mutate(random, seed);
        CMesh mesh;
        Load(mesh, text);
        Exercise(mesh);
    }
}
