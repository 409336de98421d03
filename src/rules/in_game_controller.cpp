// The in-game screen: the start of a day, the day in progress with its three
// views and the slides between them, or the stages between two days. The order
// of a frame's rule steps and drawing is written here and nowhere else.
#include "rules/in_game_controller.h"

#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/screen_flags.h"
#include "render/toolkit.h"
#include "rules/arrival.h"
#include "rules/between_days.h"
#include "rules/day_clock.h"
#include "rules/day_start.h"
#include "rules/hand_out.h"
#include "rules/kitchen_control.h"
#include "rules/register_control.h"
#include "rules/saved_game.h"
#include "rules/view_switching.h"
#include "screens/in_game_views.h"

namespace {

// What a view's drawing used to decide on its own: the register turns away a
// car after closing, the window counts its red flash.
void viewStep(InGameView view)
{
    if (view == InGameView::Register)
        turnAwayAfterClosing(day);
    else if (view == InGameView::Window)
        handOutViewStep(day);
}

void drawViewAndStep(InGameView view, int offset)
{
    DrawView(day, view, offset);
    viewStep(view);
}

// One frame of a day in progress, in the order the game prescribes.
void runDay(const bool* keys)
{
    // 1. The strip: the cooking's display timers, the strip, then the cooking.
    DrawKitchenQueueStrip(day, cookingDisplayTimers());
    cookingSteps();

    // 2. The current view, its keys and the spoken order; or one slide step.
    const InGameView view = day.inGameView;
    if (isSlide(view)) {
        const Slide slide = slideOf(view);
        drawViewAndStep(slide.from, day.slideOffset);
        drawViewAndStep(slide.to, slideSecondOffset(slide, day.slideOffset));
        slideStep(day);
    } else {
        drawViewAndStep(view, day.slideOffset);
        if (view == InGameView::Register) {
            RegisterControl(keys, day.registerState, game.headsetBattery, day.carsInLine);
            DrawSpokenOrder(day);
        } else if (view == InGameView::Kitchen) {
            KitchenControl(keys);
        } else {
            HandOutControl(keys, day.carsInLine, game.customerSatisfaction);
        }
        countSpokenOrderFrame(day);
        if (view == InGameView::Register)
            RegisterKeys(keys);
    }

    // 3. The status bar, with the day's clock run right after the speaker icon.
    SetBlending(true);
    DrawSpeakerIcon(day.registerState);
    AdvanceDay(game.dayOver, game.headsetBattery, game.customerSatisfaction, day.registerState,
               day.carsInLine);
    DrawStatusBar(game, day);
    SetBlending(false);

    // 4. The arrows that change view.
    switchViewKeys(keys, day, program.gameOptions);
}

}  // namespace

void InGameController(const bool* keys)
{
    if (screenFlags.loadGameRequested) {
        LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver);
        screenFlags.loadGameRequested = false;
        game.applySatisfactionHandicap = false;  // a loaded game keeps its satisfaction
    }
    if (game.dayStartPending)
        StartDay();
    if (game.applySatisfactionHandicap) {
        game.customerSatisfaction = (program.gameOptions & Option::HalfSatisfaction) != 0 ? 50.0f : 100.0f;
        game.applySatisfactionHandicap = false;
    }
    if (game.dayOver)
        RunBetweenDays(keys);
    else
        runDay(keys);
}
