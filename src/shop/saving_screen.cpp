// The saving screen: "SAVING" with running dots for 150 frames, then whether
// the game was saved and the prompt to go back to the shop.
#include "dayend/between_days.h"
#include "render/toolkit.h"

#include <limits>

namespace {
constexpr int kAnimationFrames = 150;
constexpr int kDotCycle = 30;
}  // namespace

void DrawSavingScreen(bool restart)
{
    BetweenDaysState& state = betweenDays;
    if (restart) {
        state.savingDotTimer = 0;
        state.savingFrames = 0;
    }
    if (state.savingFrames >= kAnimationFrames) {
        // The write happened on the first frame; a failed one is never reported as saved.
        if (state.saveFailed)
            PrintText(220, 250, "Red", 5, "GAME WAS NOT SAVED!");
        else
            PrintText(220, 250, "Red", 5, "GAME HAS BEEN SAVED!");
        PrintText(250, 10, "Red", 4, "Press <enter>");
    } else {
        state.savingDotTimer += 1;
        if (state.savingDotTimer < 10)
            PrintText(250, 250, "Red", 2, "SAVING.");
        else if (state.savingDotTimer < 20)
            PrintText(250, 250, "Red", 2, "SAVING..");
        else if (state.savingDotTimer < kDotCycle)
            PrintText(250, 250, "Red", 2, "SAVING...");
        else
            state.savingDotTimer = 0;
    }
    if (state.savingFrames < std::numeric_limits<int>::max())
        state.savingFrames += 1;
}
