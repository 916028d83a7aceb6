#include "tests/eraser2/Eraser2TestKit.h"

#include "engine/files/CConfigFile.h"

namespace
{
const std::string kLetters = "RGBYPC";
}

std::unique_ptr<CEraser2Params> MakeParams(int size, int option)
{
    auto params = std::make_unique<CEraser2Params>();
    CConfigFile store;
    for (const auto& pair : std::vector<std::pair<const char*, const char*>>{
             {"m_field_width", "780"}, {"m_field_height", "620"}, {"m_score_brick", "10"},
             {"m_skins_count", "3"}, {"m_fall_effect_speed", "0.7"}, {"m_group_size", "2 2"},
             {"m_colors_field", "3 4"}})
        store.SetValue(pair.first, pair.second);
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(option);
    return params;
}

void SetBoard(CEraser2Field& field, const std::vector<std::string>& rows)
{
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            field.RemoveBrick(x, y);
            char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            if (kLetters.find(c) != std::string::npos)
                field.CreateBrickAt(x, y, static_cast<int>(kLetters.find(c)));
        }
}

std::vector<std::string> GetBoard(const CEraser2Field& field)
{
    std::vector<std::string> rows(field.GetHeight(), std::string(field.GetWidth(), '.'));
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
            if (const CEraser2Brick* brick = field.GetEraser2Brick(x, y))
                rows[y][x] = kLetters[brick->GetColor()];
    return rows;
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
