#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/filler/CFillerField.h"
#include "games/filler/CFillerParams.h"
#include "shell/game/CRandom.h"
#include "tests/gamebase/CRecordingEvents.h"

// Parameters as the game's files would give them, without any file.
std::unique_ptr<CFillerParams> MakeParams(int size, int difficulty, bool animation);

// Board pictures, one string per row from the top, rows separated by '/':
// R G B Y P C are the colour values 0 to 5. The field is made as wide and as
// high as the picture, with the identity colour table.
std::unique_ptr<CFillerField> MakeField(CFillerParams& params, CGameEvents* events, const std::string& picture);
// The colours the rules hold, or those the bricks show while a wave runs.
std::string GetBoard(const CFillerField& field, bool shown = false);
