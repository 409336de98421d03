// Every global of the game back to its value at program start, headless: no
// OpenGL and nothing recorded.
#pragma once
#include "model/game_state.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/stats.h"
#include "render/render_state.h"
#include "rules/between_days.h"
#include "shell/reset_all.h"

inline void ResetToProgramStart()
{
    ResetAll();
    renderState.useGL = false;
}
