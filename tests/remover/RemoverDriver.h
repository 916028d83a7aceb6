#pragma once

#include "games/remover/CRemoverGame.h"

// Plays a remover game as a simple player would: with a brick in hand it
// points at a free cell beside a brick of the same colour (or the first free
// cell) and presses the button. Returns the frames run.
int DriveGame(CRemoverGame& game, int maxFrames, float dt = 16.0f);
// One frame of the same player.
void DriveFrame(CRemoverGame& game, float dt = 16.0f);
