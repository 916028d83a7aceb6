#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"

// A box of the given depth, unit wide and high unless told otherwise, as a
// skin's brick model could be: enough for the rules and bricks that read a
// model's extents.
inline std::unique_ptr<CModel> MakeBoxModel(float depth, float width = 1.0f, float height = 1.0f)
{
    std::vector<float> vertices;
    for (int corner = 0; corner < 8; ++corner)
    {
        vertices.push_back((corner & 1) ? width / 2.0f : -width / 2.0f);
        vertices.push_back((corner & 2) ? height / 2.0f : -height / 2.0f);
        vertices.push_back((corner & 4) ? depth / 2.0f : -depth / 2.0f);
    }
    auto mesh = std::make_unique<CMesh>();
    mesh->Build("brick", vertices, {}, {}, {0, -1, -1, 1, -1, -1, 7, -1, -1}, {0});
    mesh->ComputeExtents();
    auto model = std::make_unique<CModel>();
    model->SetMesh(std::move(mesh));
    return model;
}
