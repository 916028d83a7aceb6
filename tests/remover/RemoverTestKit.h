#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/remover/CRemoverField.h"
#include "games/remover/CRemoverParams.h"
#include "tests/gamebase/CRecordingEvents.h"

// Parameters as the game's files would give them, without any file.
std::unique_ptr<CRemoverParams> MakeParams(int size, int difficulty, int perStep = 5);

// Board pictures, one string per row from the top: R G B Y P C are colours 0
// to 5, X the blocker colour, '.' an empty cell, lower case a selected brick.
// Rows shorter than the board leave the rest empty.
void SetBoard(CRemoverField& field, const std::vector<std::string>& rows);
std::vector<std::string> GetBoard(const CRemoverField& field);
int CountLetter(const CRemoverField& field, char letter);

// Runs field updates until the status is idle (at most `limit` updates).
void RunFieldUntilIdle(CRemoverField& field, int limit = 5000);
