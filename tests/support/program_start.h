// Every global of the game back to its value at program start, headless: no
// OpenGL, nothing recorded, the generator at its start.
#pragma once
#include "dayend/between_days.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "model/random.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "shell/screen_flags.h"
#include "stats/stats.h"

inline void ResetToProgramStart()
{
    game = GameState{};
    dayStats = DayStats{};
    totalStats = TotalStats{};
    keyLatches = 0;
    rngState = 1;
    renderState = RenderState{};
    renderState.useGL = false;
    drawLog.enabled = false;
    drawLog.records.clear();
    screenFlags = ScreenFlags{};
    betweenDays = BetweenDaysState{};
}
