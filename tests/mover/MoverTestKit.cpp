#include "tests/mover/MoverTestKit.h"

#include <cctype>
#include <cstring>

#include "games/mover/CMoverBrick.h"

namespace
{
const char LETTERS[] = "RGBYPCX";

std::unique_ptr<CMoverParams> MakeParams(int size, int difficulty)
{
    auto params = std::make_unique<CMoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "600");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}
}

SMover::SMover(std::uint32_t seed, bool settle, int size, int difficulty)
    : params(MakeParams(size, difficulty)), game(nullptr, *params, &events, seed)
{
    if (settle)
        RunToRest();
}

CConfigFile SMover::Saved() const
{
    CConfigFile store;
    game.Save(store);
    return store;
}

void SMover::SetBoard(const Board& rows)
{
    for (int y = 0; y < Field().GetHeight(); ++y)
        for (int x = 0; x < Field().GetWidth(); ++x)
        {
            Field().RemoveBrick(x, y);
            char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            const char* at = c == '.' ? nullptr : std::strchr(LETTERS, std::toupper(static_cast<unsigned char>(c)));
            if (at && *at && Field().CreateBrickAt(x, y, static_cast<int>(at - LETTERS)) &&
                std::islower(static_cast<unsigned char>(c)))
                Field().GetMoverBrick(x, y)->Select();
        }
}

Board SMover::GetBoard()
{
    Board rows(Field().GetHeight(), std::string(Field().GetWidth(), '.'));
    for (int y = 0; y < Field().GetHeight(); ++y)
        for (int x = 0; x < Field().GetWidth(); ++x)
            if (const CMoverBrick* brick = Field().GetMoverBrick(x, y))
            {
                char c = LETTERS[brick->GetColor()];
                rows[y][x] = brick->IsSelected() ? static_cast<char>(std::tolower(c)) : c;
            }
    return rows;
}

int SMover::Count(char letter)
{
    int count = 0;
    for (const std::string& row : GetBoard())
        for (char c : row)
            count += c == letter;
    return count;
}

int SMover::Slide(int x, int y)
{
    Field().MoveBrick(x, y);
    for (int i = 0; i < 1000 && Field().GetStatus() == CMoverField::STATUS_SLIDING; ++i)
        Field().Update();
    return Field().GetLineScore();
}

void SMover::RunFieldIdle()
{
    for (int i = 0; i < 5000 && Field().GetStatus() != CMoverField::STATUS_IDLE; ++i)
        Field().Update();
}

int SMover::RunToRest()
{
    int before = game.GetScore();
    for (int i = 0; i < 5000 && (Field().GetStatus() != CMoverField::STATUS_IDLE || game.IsEffectRunning()); ++i)
        game.Update(16.0f);
    return game.GetScore() - before;
}

void SMover::Click(int x, int y)
{
    game.SetPointer(Field().GetCellPosition(x, y), true);
    game.Update(16.0f);
    game.SetPointer(CVector4(), false);
}
