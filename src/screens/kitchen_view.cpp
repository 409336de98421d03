// The kitchen view: the three bags with their "Ready!" signs, the waiting
// receipts, and the selected bag's receipt line by line.
#include "screens/in_game_views.h"

#include "model/catalogue.h"
#include "model/pictures.h"
#include "render/toolkit.h"

#include <cstring>

namespace {

// Leading zeros by hand: "%1.0f" prints no zero of its own.
const char* timeStampFormat(const GameClock& t)
{
    static const char* const formats[8] = {
        "0%1.0f:0%1.0f:0%1.0f %s", "0%1.0f:0%1.0f:%2.0f %s", "0%1.0f:%2.0f:0%1.0f %s",
        "0%1.0f:%2.0f:%2.0f %s",   "%2.0f:0%1.0f:0%1.0f %s", "%2.0f:0%1.0f:%2.0f %s",
        "%2.0f:%2.0f:0%1.0f %s",   "%2.0f:%2.0f:%2.0f %s",
    };
    const int index = (t.hours >= 10.0f ? 4 : 0) + (t.minutes >= 10.0f ? 2 : 0) + (t.seconds >= 10.0f ? 1 : 0);
    return formats[index];
}

void drawSelectedReceipt(int offset, const Receipt& r)
{
    SetBlending(true);
    DrawSpriteAtPixel("Gray85", Picture::ReceiptOnView, offset + 536, 264, 2.59f);
    float total = 0.0f;
    for (int j = 0; j < r.count; ++j) {
        // Drawn again for every line, at the same place, in the colour left by the line before.
        PrintFormatted(offset + 499, 361, 0, "%d", r.orderNumber);
        PrintFormatted(offset + 496, 339, 0, timeStampFormat(r.timeTaken), r.timeTaken.hours,
                       r.timeTaken.minutes, r.timeTaken.seconds, r.timeTaken.am ? "am" : "pm");
        const OrderItem& line = r.lines[j];
        SetColourByName(line.bagged ? "Gray15" : "White");
        const char* name = shortName(line.name);
        PrintFormatted(offset + 460, 322 - 11 * j, 0, "%s", name);
        const int n = static_cast<int>(std::strlen(name));
        for (int k = 0; 9 * n + 4 * k + 460 < 568; ++k)
            PrintFormatted(offset + 463 + 9 * n + 4 * k, 320 - 11 * j, 0, "-");
        PrintFormatted(offset + 575, 320 - 11 * j, 0, "%.2f", line.price);
        total += line.price;
    }
    SetColourByName("White");
    PrintFormatted(offset + 575, 166, 0, "%.2f", total);
    PrintFormatted(offset + 592, 153, 0, "%2d", r.count);
}

}  // namespace

void DrawKitchenView(const KitchenValues& view, int offset)
{
    if (!view.selectedReceipt) {
        PrintText(offset + 451, 340, "White", 0, "Press 1,2, or 3");
        PrintText(offset + 451, 325, "White", 0, "to select a bag.");
        PrintText(offset + 451, 275, "White", 0, "Press <space> to");
        PrintText(offset + 451, 260, "White", 0, "bag completed item");
    } else {
        drawSelectedReceipt(offset, *view.selectedReceipt);
    }

    for (int w = 0; w < kWaitingSlotCount; ++w)
        if (!view.waitingFree[w])
            DrawSpriteAtPixel("Gray85", Picture::ReceiptOnBag, offset + (w == 0 ? 206 : 267), 390, 0.3f);
    DrawSpriteAtPixel("White", Picture::WaitingSpike, offset + 240, 411, 2.0f);

    SetBlending(true);
    PrintText(offset + 108, 155, "Red", 4, "1");
    PrintText(offset + 207, 155, "Red", 4, "2");
    PrintText(offset + 306, 155, "Red", 4, "3");
    const int bagX[kBagCount] = {120, 217, 314};
    for (int b = 0; b < kBagCount; ++b)
        DrawSpriteAtPixel("Gray75", Picture::Bag, offset + bagX[b], 190, 1.0f);
    for (int b = 0; b < kBagCount; ++b)
        if (view.bags[b].ready)
            PrintText(offset + 88 + 99 * b, 100, "Red", 4, "Ready!");

    SetBlending(false);
    for (int b = 0; b < kBagCount; ++b) {
        if (!view.bags[b].selected)
            continue;
        DrawSpriteAtPixel("White", Picture::Bag, offset + 120 + 99 * b, 190, 1.08f);
        SetColourByName("Green");
        SetBlending(true);
        PrintFormatted(offset + 105 + 100 * b, 150, 5, "%d", b + 1);
        SetBlending(false);
        break;
    }

    SetBlending(true);
    for (int b = 0; b < kBagCount; ++b) {
        if (view.bags[b].free)
            continue;
        if (view.bags[b].selected)
            DrawSpriteAtPixel("Gray35", Picture::ReceiptOnBag, offset + 115 + 99 * b, 193, 0.5f);
        else
            DrawSpriteAtPixel("Gray50", Picture::ReceiptOnBag, offset + 115 + 99 * b, 191, 0.4f);
    }
    SetBlending(false);
    DrawSpriteAtPixel("White", Picture::VerticalRule, offset + 435, 264, 4.83f);
}
