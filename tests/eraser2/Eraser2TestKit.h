#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/eraser2/CEraser2Brick.h"
#include "games/eraser2/CEraser2Field.h"
#include "games/eraser2/CEraser2Params.h"
#include "tests/gamebase/BoardPicture.h"
#include "tests/gamebase/CRecordingEvents.h"

// Parameters as the parameter text gives them: 10 points a brick, groups of
// 2, three and four colours.
std::unique_ptr<CEraser2Params> MakeParams(int size, int option);

// Board pictures, one string per row from the top: R G B Y are colours 0 to
// 3, '.' an empty cell. Missing rows and cells are empty.
inline void SetBoard(CEraser2Field& field, const Board& rows) { SetBoardPicture(field, rows, "RGBYPC"); }
inline Board GetBoard(const CEraser2Field& field) { return GetBoardPicture(field, "RGBYPC"); }
// A feeder as a column picture from the top, e.g. "...RGB".
void SetFeeder(CEraser2Field& field, int side, const std::string& column);
std::string GetFeeder(const CEraser2Field& field, int side);

CVector4 CellPoint(const CEraser2Field& field, int x, int y);
