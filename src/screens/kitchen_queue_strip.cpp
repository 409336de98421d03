// The kitchen queue strip along the bottom: the first five cook jobs with their progress.
#include "screens/in_game_views.h"

#include "model/catalogue.h"
#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

const char* categoryColour(int item)
{
    switch (ItemCategoryOf(item)) {
    case ItemCategory::Burger: return "Red";
    case ItemCategory::Side: return "Green";
    case ItemCategory::Drink: return "Blue";
    }
    return "Blue";
}

// White turning to the category's colour as the job cooks.
void setCookingColour(int item, float f)
{
    switch (ItemCategoryOf(item)) {
    case ItemCategory::Burger: SetColour(1.0f, 1.0f - f, 1.0f - f); break;
    case ItemCategory::Side: SetColour(1.0f - f, 1.0f, 1.0f - f); break;
    case ItemCategory::Drink: SetColour(1.0f - f, 1.0f - f, 1.0f); break;
    }
}

void drawBox(const StripSlot& job, int i, bool reducedFlashing)
{
    const float x = -1.775f + 0.886f * static_cast<float>(i);
    const float y = -1.354f;
    if (!job.active) {
        DrawSprite("Gray60", Picture::Box, x, y, 1.1f);
        return;
    }
    if (job.warningShown) {
        SetBlending(false);
        DrawSprite("Red", Picture::Box, x, y, 1.1f);
    } else {
        const float f = job.progress / 100.0f;
        if (f < 1.0f)
            setCookingColour(job.item, f);
        else if (reducedFlashing)
            SetColour(kSteadyDoneRed, kSteadyDoneGreen, kSteadyDoneBlue);
        else
            SetColour(job.red, job.green, job.blue);  // as the display timers left it
        DrawSprite("", Picture::Box, x, y, 1.1f);
    }
    DrawSprite("White", job.item, x - 0.2f, y, 0.7f);
}

void drawLabel(const StripSlot& job, int i)
{
    const int x = 129 * i;
    if (!job.active) {
        PrintText(x + 15, 38, "White", 1, "- empty -");
        return;
    }
    SetBlending(false);
    PrintText(x + 65, 38, "White", 1, "    ");
    SetBlending(true);
    PrintFormatted(x + 65, 38, 4, "%.0f%%", job.progress);
    SetColourByName(categoryColour(job.item));
    PrintFormatted(x + 65, 38, 1, "%.0f%%", job.progress);
    SetBlending(false);
}

}  // namespace

void DrawKitchenQueueStrip(const StripValues& strip, bool reducedFlashing)
{
    SetBlending(false);
    for (int i = 0; i < kStripSlots; ++i)
        drawBox(strip.slots[i], i, reducedFlashing);

    DrawSprite("White", Picture::HorizontalRule, 0.0f, -1.02f, 10.0f);
    for (int j = 0; j < 4; ++j)
        DrawSprite("White", Picture::VerticalRuleThick, -1.3343f + 0.887f * static_cast<float>(j), -1.5f,
                   2.0f);

    // The progress before this frame's cooking: a job that passes 100 shows its
    // uncapped value for one frame.
    for (int i = 0; i < kStripSlots; ++i)
        drawLabel(strip.slots[i], i);

    if (strip.kitchenQueueCount > kStripSlots) {
        SetColourByName("Red");
        PrintFormatted(589, 100, 4, "%d", strip.kitchenQueueCount - kStripSlots);
        DrawSprite("Red", Picture::NextView, 2.1f, -0.92f, 0.48f);
    }
}
