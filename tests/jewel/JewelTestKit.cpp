#include "tests/jewel/JewelTestKit.h"

#include "tests/gamebase/TestParams.h"

std::unique_ptr<CJewelParams> MakeJewelParams()
{
    return ReadTestParams<CJewelParams>({{"m_field_width", "700"}, {"m_score_brick", "50"}, {"m_skins_count", "3"},
                                         {"m_fall_effect_speed", "1.5"}, {"m_group_size", "3 3 3"},
                                         {"m_colors_field", "5 5 5"}});
}

void SetBoard(CJewelField& field, const Board& rows)
{
    // Removing a brick is a strike of the game: the new size clears instead.
    field.SetBoardSize(static_cast<int>(rows.size()));
    SetBoardPicture(field, rows, "RYGBPCOKWN", 0, false);
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

