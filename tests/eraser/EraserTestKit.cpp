#include "tests/eraser/EraserTestKit.h"

#include "engine/files/CConfigFile.h"

namespace
{
const std::string kLetters = "RGBYPC";
}

std::unique_ptr<CEraserParams> MakeParams(int size, int difficulty)
{
    auto params = std::make_unique<CEraserParams>();
    CConfigFile store;
    for (const auto& pair : std::vector<std::pair<const char*, const char*>>{
             {"m_field_width", "640"}, {"m_score_brick", "10"}, {"m_score_brick_penalty", "5"},
             {"m_skins_count", "3"}, {"m_fall_effect_speed", "0.6"}, {"m_group_size", "2 3 4"},
             {"m_colors_field", "4 5 6"}})
        store.SetValue(pair.first, pair.second);
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

void SetBoard(CEraserField& field, const std::vector<std::string>& rows)
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

std::vector<std::string> GetBoard(const CEraserField& field)
{
    std::vector<std::string> rows(field.GetHeight(), std::string(field.GetWidth(), '.'));
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
            if (const CEraserBrick* brick = field.GetEraserBrick(x, y))
                rows[y][x] = kLetters[brick->GetColor()];
    return rows;
}

std::vector<std::string> Bottom(const CEraserField& field, const std::vector<std::string>& rows)
{
    std::vector<std::string> board(field.GetHeight() - rows.size(), "");
    board.insert(board.end(), rows.begin(), rows.end());
    for (std::string& row : board)
        row.resize(field.GetWidth(), '.');
    return board;
}

CVector4 CellPoint(const CEraserField& field, int x, int y)
{
    CVector4 p;
    field.GetBrickPosition(p, x, y);
    return p;
}
