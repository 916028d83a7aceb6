#include "tests/slider/SliderTestKit.h"

#include <cctype>

#include "engine/files/CConfigFile.h"
#include "games/slider/CSliderBrick.h"

namespace
{
const char LETTERS[] = "RGBYPC";

int ColorOf(char letter)
{
    for (int c = 0; c < 6; ++c)
        if (LETTERS[c] == std::toupper(static_cast<unsigned char>(letter)))
            return c;
    return -1;
}
}

CRandom& SliderRandom()
{
    static CRandom random(1);
    return random;
}

int CSliderEvents::CountSound(int id) const
{
    int count = 0;
    for (int sound : m_sounds)
        count += (sound == id);
    return count;
}

std::unique_ptr<CSliderParams> MakeSliderParams(int size, int difficulty, int colors)
{
    auto params = std::make_unique<CSliderParams>();
    CConfigFile store;
    std::string c = std::to_string(colors);
    store.SetValue("m_field_width", "700");
    store.SetValue("m_colors_small", c + " " + c + " " + c);
    store.SetValue("m_colors_medium", c + " " + c + " " + c);
    store.SetValue("m_colors_large", c + " " + c + " " + c);
    store.SetValue("m_animate_d_angle", "10");
    store.SetValue("m_skins_count", "3");
    store.SetValue("m_score_level", "30 25 20 35 30 25 40 35 30");
    store.SetValue("m_score_step", "0 0 0");
    store.SetValue("m_score_step_level", "2 3 4");
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
            const std::string* row = (y - 1 < static_cast<int>(rows.size())) ? &rows[y - 1] : nullptr;
            char letter = (row && x - 1 < static_cast<int>(row->size())) ? (*row)[x - 1] : '.';
            int color = ColorOf(letter);
            if (color < 0)
                continue;
            CSliderBrick* brick = field.CreateBrickAt(x, y, color);
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
            if (!brick)
                row += '.';
            else
            {
                char c = LETTERS[brick->GetColor()];
                row += brick->IsSelected() ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

int RunUntilIdle(CSliderField& field, int limit)
{
    int updates = 0;
    while (field.GetStatus() != CSliderField::STATUS_IDLE && updates < limit)
    {
        field.Update();
        ++updates;
    }
    return updates;
}

CVector4 CellPoint(const CSliderField& field, int x, int y)
{
    return field.GetBrickPosition(x, y);
}
