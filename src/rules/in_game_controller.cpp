// The in-game screen: the start of a day, the day in progress with its three
// views and the slides between them, or the stages between two days. The order
// of a frame's rule steps, and the point in it where each draw takes its
// values, is written here and nowhere else.
#include "rules/in_game_controller.h"

#include "model/screen.h"
#include "rules/arrival.h"
#include "rules/between_days.h"
#include "rules/day_clock.h"
#include "rules/day_frame.h"
#include "rules/day_start.h"
#include "rules/hand_out.h"
#include "rules/kitchen_control.h"
#include "rules/register_control.h"
#include "rules/saved_game.h"
#include "rules/view_switching.h"

namespace {

// A view's own step, right after the view is drawn: the register turns away a
// car after closing, the window counts its red flash.
void viewStep(InGameView view)
{
    if (view == InGameView::Register)
        TurnAwayAfterClosing();
    else if (view == InGameView::Window)
        HandOutViewStep();
}

ViewValues viewThenStep(InGameView view, int offset)
{
    ViewValues values = ViewValuesOf(view, offset);
    viewStep(view);
    return values;
}

// The view's keys; the register's spoken order is shown as they left it.
void viewKeys(const bool* keys, InGameView view, DayFrame& frame)
{
    if (view == InGameView::Register) {
        RegisterControl(keys);
        frame.spokenOrder = SpokenOrderOf();
    } else if (view == InGameView::Kitchen) {
        KitchenControl(keys);
    } else {
        HandOutControl(keys);
    }
    CountSpokenOrderFrame();
    if (view == InGameView::Register)
        RegisterKeys(keys);
}

// One frame of a day in progress, in the order the game prescribes.
DayFrame runDay(const bool* keys)
{
    DayFrame frame;
    // 1. The strip: the cooking's display timers, the strip, then the cooking.
    frame.strip = StripValuesOf(CookingDisplayTimers());
    CookingSteps();

    // 2. The current view, its keys and the spoken order; or one slide step.
    const InGameView view = day.inGameView;
    if (IsSlide(view)) {
        const Slide slide = SlideOf(view);
        frame.views[0] = viewThenStep(slide.from, day.slideOffset);
        frame.views[1] = viewThenStep(slide.to, SlideSecondOffset(slide, day.slideOffset));
        frame.viewCount = 2;
        SlideStep();
    } else {
        frame.views[0] = viewThenStep(view, day.slideOffset);
        viewKeys(keys, view, frame);
    }

    // 3. The status bar, with the day's clock run right after the speaker icon.
    frame.speaker = day.registerState;
    AdvanceDay();
    frame.status = StatusValuesOf();

    // 4. The arrows that change view.
    SwitchViewKeys(keys);
    return frame;
}

}  // namespace

InGameFrame InGameController(const bool* keys)
{
    if (screenState.loadGameRequested) {
        LoadGame(game.headsetBattery, game.customerSatisfaction, game.dayOver);
        screenState.loadGameRequested = false;
        game.applySatisfactionHandicap = false;  // a loaded game keeps its satisfaction
    }
    if (game.dayStartPending)
        StartDay();
    if (game.applySatisfactionHandicap) {
        game.customerSatisfaction = (program.gameOptions & Option::HalfSatisfaction) != 0 ? 50.0f : 100.0f;
        game.applySatisfactionHandicap = false;
    }
    if (game.dayOver)
        return RunBetweenDays(keys);
    return runDay(keys);
}
