// Every global of the game back to its program-start value.
#include "shell/reset_all.h"

#include "model/front_end_state.h"
#include "model/game_state.h"
#include "model/key_card.h"
#include "model/key_latches.h"
#include "model/random.h"
#include "model/screen.h"
#include "model/sound_events.h"
#include "model/star_field.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "rules/saved_game_folder.h"
#include "shell/dispatcher.h"
#include "shell/platform.h"
#include "shell/shell_state.h"

#include <algorithm>

void ResetAll()
{
    program = ProgramState{};
    game = GameState{};
    day = DayState{};
    screenState = ScreenState{};
    frontEnd = FrontEndState{};
    starField = StarField{};
    rngState = 1;
    keyLatches = 0;
    keyCard = KeyCardState{};
    frameUnderKeyCard = Frame{};
    soundQueue.clear();
    std::fill(std::begin(keys), std::end(keys), false);
    shell = ShellState{};
    playerKeysIgnored = false;
    renderState = RenderState{};
    drawLog.enabled = false;
    drawLog.records.clear();
    SetSavedGameFolder("");
}
