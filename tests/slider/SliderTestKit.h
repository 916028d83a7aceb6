#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/slider/CSliderBrick.h"
#include "games/slider/CSliderField.h"
#include "games/slider/CSliderParams.h"
#include "shell/game/CRandom.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"

// The random source of the fields the tests build; seed it for a fixed deal.
CRandom& SliderRandom();

// Parameters as the game's text would give them, without any file.
std::unique_ptr<CSliderParams> MakeSliderParams(int size, int difficulty, int colors = 4);

// Board pictures of the inner cells, one string per row from the top (row 1):
// R G B Y P C are colours 0 to 5, '.' an empty cell, a lower-case letter a
// brick being removed. The ring is never written.
inline void SetSliderBoard(CSliderField& field, const Board& rows) { SetBoardPicture(field, rows, "RGBYPC", 1); }
inline Board GetSliderBoard(const CSliderField& field) { return GetBoardPicture(field, "RGBYPC", 1); }

// Runs field updates until it is idle (at most `limit`); returns how many ran.
int RunUntilIdle(CSliderField& field, int limit = 2000);
