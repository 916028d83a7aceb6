#include "tests/remover/RemoverTestKit.h"

#include <algorithm>
#include <cctype>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"

namespace
{
const std::string LETTERS = "RGBYPCX";
}

std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep)
{
    auto params = std::make_unique<CRemoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "36.0");
    const std::string step = std::to_string(perStep);
    store.SetValue("m_bricks_per_step", step + " " + step + " " + step);
    store.SetValue("m_skins_count", "3");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

void SetBoard(CRemoverField& field, const std::vector<std::string>& rows)
{
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            field.RemoveBrick(x, y);
            const char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            const std::size_t color = LETTERS.find(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            if (color == std::string::npos)
                continue;
            CRemoverBrick* brick = field.CreateBrickAt(x, y, static_cast<int>(color));
            if (std::islower(static_cast<unsigned char>(c)))
                brick->Select();
        }
}

std::vector<std::string> GetBoard(const CRemoverField& field)
{
    std::vector<std::string> rows(field.GetHeight(), std::string(field.GetWidth(), '.'));
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
            if (const CRemoverBrick* brick = field.GetRemoverBrick(x, y))
            {
                const char c = LETTERS.at(static_cast<std::size_t>(brick->GetColor()));
                rows[y][x] = brick->IsSelected() ? static_cast<char>(std::tolower(c)) : c;
            }
    return rows;
}

int CountLetter(const CRemoverField& field, char letter)
{
    int count = 0;
    for (const std::string& row : GetBoard(field))
        count += static_cast<int>(std::count(row.begin(), row.end(), letter));
    return count;
}

void RunFieldUntilIdle(CRemoverField& field, int limit)
{
    for (int i = 0; i < limit && field.GetStatus() != CRemoverField::STATUS_IDLE; ++i)
        field.Update();
}
