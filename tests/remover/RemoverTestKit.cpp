#include "tests/remover/RemoverTestKit.h"

#include <cctype>

#include "engine/files/CConfigFile.h"
#include "games/remover/CRemoverBrick.h"

int CRecordingEvents::CountSound(int id) const
{
    int count = 0;
    for (int sound : m_sounds)
        if (sound == id)
            ++count;
    return count;
}

std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep)
{
    auto params = std::make_unique<CRemoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "36.0");
    store.SetValue("m_bricks_per_step", std::to_string(perStep) + " " + std::to_string(perStep) + " " +
                                            std::to_string(perStep));
    store.SetValue("m_skins_count", "3");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

int ColorOf(char letter)
{
    switch (std::toupper(static_cast<unsigned char>(letter)))
    {
    case 'R': return 0;
    case 'G': return 1;
    case 'B': return 2;
    case 'Y': return 3;
    case 'P': return 4;
    case 'C': return 5;
    case 'X': return 6;
    default: return -1;
    }
}

char LetterOf(int color)
{
    static const char letters[] = "RGBYPCX";
    return (color >= 0 && color <= 6) ? letters[color] : '?';
}

void SetBoard(CRemoverField& field, const std::vector<std::string>& rows)
{
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            field.RemoveBrick(x, y);
            char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            int color = ColorOf(c);
            if (color < 0)
                continue;
            CRemoverBrick* brick = field.CreateBrickAt(x, y, color);
            if (std::islower(static_cast<unsigned char>(c)))
                brick->Select();
        }
}

std::vector<std::string> GetBoard(const CRemoverField& field)
{
    std::vector<std::string> rows;
    for (int y = 0; y < field.GetHeight(); ++y)
    {
        std::string row;
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            const CRemoverBrick* brick = field.GetRemoverBrick(x, y);
            if (!brick)
                row += '.';
            else
            {
                char c = LetterOf(brick->GetColor());
                row += brick->IsSelected() ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

int RunFieldUntilIdle(CRemoverField& field, int limit)
{
    int updates = 0;
    while (field.GetStatus() != CRemoverField::STATUS_IDLE && updates < limit)
    {
        field.Update();
        ++updates;
    }
    return updates;
}
