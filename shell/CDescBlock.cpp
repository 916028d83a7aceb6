#include "shell/CDescBlock.h"

#include <cstdio>
#include <string>

#include "engine/files/CConfigFile.h"

namespace
{
std::string Key(int number, const char* suffix)
{
    return std::to_string(number) + suffix;
}
}

CDescBlock::CDescBlock(int number, const CConfigFile& helpFile)
{
    const std::string desc = helpFile.GetValue(Key(number, "_block_desc"), "0");
    char kind = 0;
    int page = 0;
    float v[5] = {0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    // Whatever a short or damaged value leaves unread stays 0.
    std::sscanf(desc.c_str(), " %c %i %f %f %f %f %f", &kind, &page, &v[0], &v[1], &v[2], &v[3], &v[4]);
    m_kind = kind;
    m_page = page;
    m_x = v[0];
    m_y = v[1];
    m_z = v[2];
    m_w = v[3];
    m_h = v[4];
    m_text = helpFile.GetValue(Key(number, "_block"), "0");
}

CDescBlock::~CDescBlock() {}

char CDescBlock::ReadKind(int number, const CConfigFile& helpFile)
{
    const std::string desc = helpFile.GetValue(Key(number, "_block_desc"), "");
    char kind = 0;
    if (std::sscanf(desc.c_str(), " %c", &kind) != 1)
        return 0;
    return kind;
}
