#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/gfx/CVector4.h"
#include "games/jewel/CJewelBrick.h"
#include "games/jewel/CJewelField.h"
#include "games/jewel/CJewelParams.h"
#include "shell/game/CFramePrint.h"
#include "tests/gamebase/PrintParts.h"
#include "shell/game/CRandom.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"

// Parameters as the game's text gives them, without any file.
std::unique_ptr<CJewelParams> MakeJewelParams();

// A field on those parameters, seeded, its sounds recorded; the base is
// ::testing::Test or a TestWithParam.
template <class TBase = ::testing::Test>
class JewelFieldFixture : public TBase
{
protected:
    std::unique_ptr<CJewelParams> params = MakeJewelParams();
    CRecordingEvents events;
    CRandom random{5};
    CJewelField field{*params, random, &events, nullptr, nullptr};
};

// Board pictures, one string per row from the top: the letters R Y G B P C
// O K W N are colours 0 to 9, '.' an empty cell. The board is resized to
// the picture's row count.
void SetBoard(CJewelField& field, const Board& rows);
inline Board GetBoard(const CJewelField& field) { return GetBoardPicture(field, "RYGBPCOKWN", 0, false); }

// True when some row or column holds a run of at least `group` of one colour.
bool HasStandingRun(const CJewelField& field, int group);
bool HasHole(const CJewelField& field);

inline std::uint64_t BrickKey(const CJewelBrick* brick) { return reinterpret_cast<std::uintptr_t>(brick); }
