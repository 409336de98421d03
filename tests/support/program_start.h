// Every global of the game back to its value at program start, headless: no
// OpenGL, nothing recorded, the generator at its start.
#pragma once
#include "model/game_state.h"
#include "model/key_latches.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/stats.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "rules/between_days.h"

inline void ResetToProgramStart()
{
    program = ProgramState{};
    game = GameState{};
    day = DayState{};
    keyLatches = 0;
    rngState = 1;
    renderState = RenderState{};
    renderState.useGL = false;
    drawLog.enabled = false;
    drawLog.records.clear();
    screenState = ScreenState{};
}
