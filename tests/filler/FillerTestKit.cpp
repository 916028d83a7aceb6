#include "tests/filler/FillerTestKit.h"

#include <sstream>

#include "games/filler/CFillerBrick.h"
#include "tests/gamebase/TestParams.h"

namespace
{
const char LETTERS[] = "RGBYPC";

int ColorOf(char letter)
{
    for (int i = 0; i < 6; ++i)
        if (LETTERS[i] == letter)
            return i;
    return -1;
}
}

std::unique_ptr<CFillerParams> MakeParams(int size, int difficulty, bool animation)
{
    auto params = ReadTestParams<CFillerParams>({{"m_field_width", "880"}, {"m_skins_count", "2"}}, size, difficulty);
    params->SetAnimation(animation);
    return params;
}

std::unique_ptr<CFillerField> MakeField(CFillerParams& params, CGameEvents* events, const std::string& picture)
{
    // One random source for the hand-made fields of a test program.
    static CRandom random(1);
    std::vector<std::string> rows;
    std::stringstream text(picture);
    for (std::string row; std::getline(text, row, '/');)
        rows.push_back(row);
    auto field = std::make_unique<CFillerField>(params, events, random, static_cast<int>(rows[0].size()),
                                                static_cast<int>(rows.size()));
    const int identity[6] = {0, 1, 2, 3, 4, 5};
    field->SetColorTable(identity);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            field->SetCellColor(x, y, ColorOf(rows[y][x]));
    field->CountZones();
    field->SaveSnapshot();
    return field;
}

std::string GetBoard(const CFillerField& field, bool shown)
{
    std::string out;
    for (int y = 0; y < field.GetHeight(); ++y)
    {
        if (y > 0)
            out += '/';
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            int c = shown ? field.GetFillerBrick(x, y)->GetShownColor() : field.GetCellColor(x, y);
            out += (c >= 0 && c < 6) ? LETTERS[c] : '?';
        }
    }
    return out;
}
