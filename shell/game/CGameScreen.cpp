#include "shell/game/CGameScreen.h"

CGameScreen::CGameScreen() {}

CGameScreen::~CGameScreen() {}
