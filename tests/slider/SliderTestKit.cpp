#include "tests/slider/SliderTestKit.h"

#include <cctype>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderBrick.h"

namespace
{
const char LETTERS[] = "RGBYPC";
}

CRandom& SliderRandom()
{
    static CRandom random(1);
    return random;
}

std::unique_ptr<CSliderParams> MakeSliderParams(int size, int difficulty, int colors)
{
    auto params = std::make_unique<CSliderParams>();
    CConfigFile store;
    std::string c = std::to_string(colors) + " ";
    for (const char* key : {"m_colors_small", "m_colors_medium", "m_colors_large"})
        store.SetValue(key, c + c + c);
    store.SetValue("m_field_width", "700");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

void SetSliderBoard(CSliderField& field, const std::vector<std::string>& rows)
{
    for (int y = 1; y < field.GetHeight() - 1; ++y)
        for (int x = 1; x < field.GetWidth() - 1; ++x)
        {
            field.RemoveBrick(x, y);
            bool given = y - 1 < static_cast<int>(rows.size()) && x - 1 < static_cast<int>(rows[y - 1].size());
            char letter = given ? rows[y - 1][x - 1] : '.';
            const char* found = std::strchr(LETTERS, std::toupper(static_cast<unsigned char>(letter)));
            if (letter == '.' || !found)
                continue;
            CSliderBrick* brick = field.CreateBrickAt(x, y, static_cast<int>(found - LETTERS));
            if (std::islower(static_cast<unsigned char>(letter)))
                brick->Select();
        }
}

std::vector<std::string> GetSliderBoard(const CSliderField& field)
{
    std::vector<std::string> rows;
    for (int y = 1; y < field.GetHeight() - 1; ++y)
    {
        std::string row;
        for (int x = 1; x < field.GetWidth() - 1; ++x)
        {
            const CSliderBrick* brick = field.GetSliderBrick(x, y);
            char c = brick ? LETTERS[brick->GetColor()] : '.';
            row += (brick && brick->IsSelected()) ? static_cast<char>(std::tolower(c)) : c;
        }
        rows.push_back(row);
    }
    return rows;
}

int RunUntilIdle(CSliderField& field, int limit)
{
    int updates = 0;
    for (; field.GetStatus() != CSliderField::STATUS_IDLE && updates < limit; ++updates)
        field.Update();
    return updates;
}
