#include "tests/mover/MoverTestKit.h"

#include <cctype>
#include <cstring>

#include "engine/files/CConfigFile.h"
#include "games/mover/CMoverBrick.h"

namespace
{
const char LETTERS[] = "RGBYPCX";
}

std::unique_ptr<CMoverParams> MakeMoverParams(int size, int difficulty)
{
    auto params = std::make_unique<CMoverParams>();
    CConfigFile store;
    store.SetValue("m_field_width", "600");
    store.SetValue("m_skins_count", "3");
    params->ReadParams(store);
    params->SetLastSize(size);
    params->SetLastDifficulty(difficulty);
    return params;
}

SMoverField::SMoverField(int size, int difficulty, std::uint32_t seed)
    : random(seed), params(MakeMoverParams(size, difficulty)), field(*params, &events, nullptr, random)
{
}

SMoverGame::SMoverGame(std::uint32_t seed, bool settle)
    : params(MakeMoverParams(0, 0)), game(nullptr, *params, &events, seed)
{
    if (settle)
        RunToRest(game);
}

void SetBoard(CMoverField& field, const std::vector<std::string>& rows)
{
    for (int y = 0; y < field.GetHeight(); ++y)
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            field.RemoveBrick(x, y);
            char c = (y < static_cast<int>(rows.size()) && x < static_cast<int>(rows[y].size())) ? rows[y][x] : '.';
            const char* at = c == '.' ? nullptr : std::strchr(LETTERS, std::toupper(static_cast<unsigned char>(c)));
            if (at && *at && field.CreateBrickAt(x, y, static_cast<int>(at - LETTERS)) &&
                std::islower(static_cast<unsigned char>(c)))
                field.GetMoverBrick(x, y)->Select();
        }
}

std::vector<std::string> GetBoard(const CMoverField& field)
{
    std::vector<std::string> rows;
    for (int y = 0; y < field.GetHeight(); ++y)
    {
        std::string row;
        for (int x = 0; x < field.GetWidth(); ++x)
        {
            const CMoverBrick* brick = field.GetMoverBrick(x, y);
            char c = brick ? LETTERS[brick->GetColor()] : '.';
            row += (brick && brick->IsSelected()) ? static_cast<char>(std::tolower(c)) : c;
        }
        rows.push_back(row);
    }
    return rows;
}

int SlideBrick(CMoverField& field, int x, int y)
{
    field.MoveBrick(x, y);
    for (int i = 0; i < 1000 && field.GetStatus() == CMoverField::STATUS_SLIDING; ++i)
        field.Update();
    return field.GetLineScore();
}

void RunUntilIdle(CMoverField& field)
{
    for (int i = 0; i < 5000 && field.GetStatus() != CMoverField::STATUS_IDLE; ++i)
        field.Update();
}

int RunToRest(CMoverGame& game)
{
    int before = game.GetScore();
    for (int i = 0; i < 5000 && (game.GetField().GetStatus() != CMoverField::STATUS_IDLE || game.IsEffectRunning());
         ++i)
        game.Update(16.0f);
    return game.GetScore() - before;
}

void ClickCell(CMoverGame& game, int x, int y)
{
    game.SetPointer(game.GetField().GetCellPosition(x, y), true);
    game.Update(16.0f);
    game.SetPointer(CVector4(), false);
}
