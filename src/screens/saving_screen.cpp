// The saving screen: "SAVING" with running dots for 150 frames, then whether
// the game was saved and the prompt to go back to the shop; and DAY OVER.
#include "screens/between_days_screens.h"

#include "render/toolkit.h"

namespace {
constexpr int kAnimationFrames = 150;
}  // namespace

void DrawDayOver()
{
    PrintText(275, 300, "Red", 2, "DAY OVER");
    PrintText(196, 50, "Cyan", 4, "Press <enter> to continue");
}

void DrawSavingScreen(const SavingFrame& saving)
{
    // savingFrames already counts this frame.
    if (saving.savingFrames > kAnimationFrames) {
        // The write happened on the first frame; a failed one is never reported as saved.
        if (saving.saveFailed)
            PrintText(220, 250, "Red", 5, "GAME WAS NOT SAVED!");
        else
            PrintText(220, 250, "Red", 5, "GAME HAS BEEN SAVED!");
        PrintText(250, 10, "Red", 4, "Press <enter>");
    } else if (saving.savingDotTimer == 0) {
        // the frame on which the dots start again shows none
    } else if (saving.savingDotTimer < 10) {
        PrintText(250, 250, "Red", 2, "SAVING.");
    } else if (saving.savingDotTimer < 20) {
        PrintText(250, 250, "Red", 2, "SAVING..");
    } else {
        PrintText(250, 250, "Red", 2, "SAVING...");
    }
}
