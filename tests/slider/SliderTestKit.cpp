#include "tests/slider/SliderTestKit.h"

#include "tests/gamebase/TestParams.h"

CRandom& SliderRandom()
{
    static CRandom random(1);
    return random;
}

std::unique_ptr<CSliderParams> MakeSliderParams(int size, int difficulty, int colors)
{
    const std::string c = std::to_string(colors) + " ", all = c + c + c;
    return ReadTestParams<CSliderParams>(
        {{"m_colors_small", all}, {"m_colors_medium", all}, {"m_colors_large", all}, {"m_field_width", "700"}}, size,
        difficulty);
}

int RunUntilIdle(CSliderField& field, int limit)
{
    int updates = 0;
    for (; field.GetStatus() != CSliderField::STATUS_IDLE && updates < limit; ++updates)
        field.Update();
    return updates;
}
