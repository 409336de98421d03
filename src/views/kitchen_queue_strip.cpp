// The kitchen queue strip along the bottom: the first five cook jobs with their
// progress, and the cooking itself, interleaved with the drawing.
#include "views/in_game_views.h"

#include "model/catalogue.h"
#include "model/game_state.h"
#include "render/toolkit.h"
#include "sim/kitchen_control.h"

namespace {

constexpr int kStripSlots = 5;
constexpr int kBox = 66;
constexpr int kTopEdge = 70;
constexpr int kDivider = 74;
constexpr int kNextViewArrow = 54;

const char* categoryColour(int item)
{
    switch (itemCategory(item)) {
    case ItemCategory::Burger: return "Red";
    case ItemCategory::Side: return "Green";
    case ItemCategory::Drink: return "Blue";
    }
    return "Blue";
}

// White turning to the category's colour as the job cooks.
void setCookingColour(int item, float f)
{
    switch (itemCategory(item)) {
    case ItemCategory::Burger: SetColour(1.0f, 1.0f - f, 1.0f - f); break;
    case ItemCategory::Side: SetColour(1.0f - f, 1.0f, 1.0f - f); break;
    case ItemCategory::Drink: SetColour(1.0f - f, 1.0f - f, 1.0f); break;
    }
}

void drawBox(int i)
{
    const float x = -1.775f + 0.886f * static_cast<float>(i);
    const float y = -1.354f;
    CookJob& job = game.kitchenQueue[i];
    if (!job.active) {
        DrawSprite("Gray60", kBox, x, y, 1.1f);
        return;
    }
    const bool warningShown = job.warning && job.warningTimer < 100;
    cookingDisplayTimers(i);
    if (warningShown) {
        SetBlending(false);
        DrawSprite("Red", kBox, x, y, 1.1f);
    } else {
        const float f = job.progress / 100.0f;
        if (f < 1.0f)
            setCookingColour(job.item, f);
        else
            SetColour(job.red, job.green, job.blue);  // as the timers just left it
        DrawSprite("", kBox, x, y, 1.1f);
    }
    DrawSprite("White", job.item, x - 0.2f, y, 0.7f);
}

void drawLabel(int i)
{
    const CookJob& job = game.kitchenQueue[i];
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
    cookingStep(i);
}

}  // namespace

void KitchenQueueStrip()
{
    SetBlending(false);
    for (int i = 0; i < kStripSlots; ++i)
        drawBox(i);

    DrawSprite("White", kTopEdge, 0.0f, -1.02f, 10.0f);
    for (int j = 0; j < 4; ++j)
        DrawSprite("White", kDivider, -1.3343f + 0.887f * static_cast<float>(j), -1.5f, 2.0f);

    for (int i = 0; i < kStripSlots; ++i)
        drawLabel(i);

    if (game.kitchenQueueCount > kStripSlots) {
        SetColourByName("Red");
        PrintFormatted(589, 100, 4, "%d", game.kitchenQueueCount - kStripSlots);
        DrawSprite("Red", kNextViewArrow, 2.1f, -0.92f, 0.48f);
    }
}
