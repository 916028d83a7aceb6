#include "tests/jewel/JewelTestKit.h"

#include "engine/files/CConfigFile.h"
#include "games/jewel/CJewelBrick.h"

namespace
{
const char LETTERS[] = "RYGBPCOKWN";
}

std::unique_ptr<CJewelParams> MakeJewelParams()
{
    auto params = std::make_unique<CJewelParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "700");
    store.SetValue("m_score_brick", "50");
    store.SetValue("m_skins_count", "3");
    store.SetValue("m_fall_effect_speed", "1.5");
    store.SetValue("m_group_size", "3 3 3");
    store.SetValue("m_colors_field", "5 5 5");
    params->ReadParams(store);
    return params;
}

void SetBoard(CJewelField& field, const std::vector<std::string>& rows)
{
    field.SetBoardSize(static_cast<int>(rows.size()));
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth() && x < static_cast<int>(rows[y].size()); ++x)
            for (int c = 0; c < 10; ++c)
                if (rows[y][x] == LETTERS[c])
                    field.CreateBrickAt(x, y, c);
}

std::vector<std::string> GetBoard(const CJewelField& field)
{
    std::vector<std::string> rows;
    for (int y = 0; y < field.GetHeight(); ++y)
    {
        std::string row;
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            const CJewelBrick* brick = field.BrickAt(x, y);
            row += brick ? LETTERS[brick->GetColor()] : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

bool HasStandingRun(const CJewelField& field, int group)
{
    std::vector<std::string> lines = GetBoard(field);
    for (int x = 0; x < field.GetWidth(); ++x)
    {
        std::string column;
        for (int y = 0; y < field.GetHeight(); ++y)
            column += lines[y][x];
        lines.push_back(column);
    }
    // A run starts at i when nothing but its own colour follows for `group` cells.
    for (const std::string& line : lines)
        for (std::size_t i = 0; i + group <= line.size(); ++i)
            if (line[i] != '.' && line.find_first_not_of(line[i], i) >= i + group)
                return true;
    return false;
}

bool HasHole(const CJewelField& field)
{
    for (const std::string& row : GetBoard(field))
        if (row.find('.') != std::string::npos)
            return true;
    return false;
}
