#pragma once

#include "tools/assetgen/CAssetSink.h"

#include <string>

// Eraser II's own pictures: the bonus icons its feeder bricks wear (one row
// of animation frames a kind) and its game ground, whose top line is kept
// free for the score.
class CEraser2Art
{
public:
    static void Write(CAssetSink& sink, const std::string& fontDir);
};
