#include "engine/gfx/CBitmapFont.h"
#include "engine/gfx/CMesh.h"
#include "engine/gfx/CVector4.h"
#include "engine/gfx/CTextLabel.h"
#include "tests/gfx/CFontTestPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace
{
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

TEST(CGfxFuzzTest, RandomOrMutatedObjTextNeverReadsOutOfBounds)
{
    const std::string seed =
        "g a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nusemtl x\n"
        "f 1/1/1 2/2/1 3/3/1\ng b\nv 2 2 2\nv 3 2 2\nv 2 3 2\nf 4//1 5//1 6//1\nf 4 5 6\n";
    std::mt19937 random(99);
    for (int round = 0; round < 1400; ++round)
    {
        std::string text = round % 4 == 0 ? "g r\n" + RandomObj(random, random() % 600) : Mutate(random, seed);
        CMesh mesh;
        mesh.LoadObj(text.data(), static_cast<unsigned>(text.size()));
        Exercise(mesh);
    }
}

TEST(CGfxFuzzTest, MutatedFontPictureNeverReadsOutOfBounds)
{
    std::vector<unsigned char> picture = CFontTestPicture::Make({24, 24, 24, 22});
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round)
    {
        std::vector<unsigned char> bytes = picture;
        int edits = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < edits; ++i)
        {
            // The header too: sizes that lie about the pixels must be refused.
            size_t at = (random() % 4 == 0) ? random() % 18 : random() % bytes.size();
            bytes[at] = static_cast<unsigned char>(random());
        }
        if (random() % 5 == 0)
        {
            bytes.resize(random() % bytes.size());
        }
        CBitmapFont font;
        font.Load(bytes.data(), bytes.size(), nullptr);
        std::string text;
        for (int i = 0; i < 40; ++i)
        {
            text += static_cast<char>(1 + random() % 255);
        }
        const float width = font.GetTextWidth(text.c_str(), 12.0f);
        ASSERT_TRUE(std::isfinite(width) && width >= 0.0f) << width;
        CTextLabel label(&font, 100.0f, 12.0f, 0);
        label.SetText(text.data(), text.size());
    }
}

