#include "tests/eraser2/Eraser2TestKit.h"

#include "tests/gamebase/TestParams.h"

namespace
{
const std::string kLetters = "RGBYPC";
}

std::unique_ptr<CEraser2Params> MakeParams(int size, int option)
{
    return ReadTestParams<CEraser2Params>({{"m_field_width", "780"}, {"m_field_height", "620"}, {"m_score_brick", "10"},
                                           {"m_skins_count", "3"}, {"m_fall_effect_speed", "0.7"},
                                           {"m_group_size", "2 2"}, {"m_colors_field", "3 4"}},
                                          size, option);
}

void SetFeeder(CEraser2Field& field, int side, const std::string& column)
{
    for (int i = 0; i < field.GetHeight(); ++i)
    {
        char c = i < static_cast<int>(column.size()) ? column[i] : '.';
        std::size_t color = kLetters.find(c);
        field.SetFeederBrick(side, i, color == std::string::npos ? -1 : static_cast<int>(color));
    }
}

std::string GetFeeder(const CEraser2Field& field, int side)
{
    std::string column(field.GetHeight(), '.');
    for (int i = 0; i < field.GetHeight(); ++i)
        if (const CEraser2Brick* brick = field.GetFeederBrick(side, i))
            column[i] = kLetters[brick->GetColor()];
    return column;
}

CVector4 CellPoint(const CEraser2Field& field, int x, int y)
{
    CVector4 p;
    field.GetBrickPosition(p, x, y);
    return p;
}
