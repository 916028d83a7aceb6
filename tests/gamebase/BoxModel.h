#pragma once

#include <memory>
#include <vector>

#include "engine/gfx/CMesh.h"
#include "engine/gfx/CModel.h"

// A unit box of the given depth, as a skin's brick model could be: enough
// for the rules and bricks that read a model's extents.
inline std::unique_ptr<CModel> MakeBoxModel(float depth)
{
    std::vector<float> vertices;
    for (int corner = 0; corner < 8; ++corner)
    {
        vertices.push_back((corner & 1) ? 0.5f : -0.5f);
        vertices.push_back((corner & 2) ? 0.5f : -0.5f);
        vertices.push_back((corner & 4) ? depth / 2.0f : -depth / 2.0f);
    }
    auto mesh = std::make_unique<CMesh>();
    mesh->Build("brick", vertices, {}, {}, {0, -1, -1, 1, -1, -1, 7, -1, -1}, {0});
    mesh->ComputeExtents();
    auto model = std::make_unique<CModel>();
    model->SetMesh(std::move(mesh));
    return model;
}
