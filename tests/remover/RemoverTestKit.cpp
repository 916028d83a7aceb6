#include "tests/remover/RemoverTestKit.h"

#include "tests/gamebase/TestParams.h"

std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep)
{
    const std::string step = std::to_string(perStep);
    return ReadTestParams<CRemoverParams>(
        {{"m_field_width", "36.0"}, {"m_bricks_per_step", step + " " + step + " " + step}, {"m_skins_count", "3"}},
        size, difficulty);
}

void RunFieldUntilIdle(CRemoverField& field, int limit)
{
    for (int i = 0; i < limit && field.GetStatus() != CRemoverField::STATUS_IDLE; ++i)
        field.Update();
}
