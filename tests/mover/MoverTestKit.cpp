#include "tests/mover/MoverTestKit.h"

#include "tests/gamebase/TestParams.h"

SMover::SMover(std::uint32_t seed, bool settle, int size, int difficulty)
    : params(ReadTestParams<CMoverParams>({{"m_field_width", "600"}}, size, difficulty)), game(nullptr, *params, &events, seed)
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
