// The register view: the cash register of the day, the receipt being keyed with
// its running total, and the closing notice at 10 pm.
#include "screens/in_game_views.h"

#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

// Idle and in-use register pictures, one pair per day from day 3 to day 8.
int registerPicture(int dayNumber, bool inUse)
{
    int pair = 0;  // days 1 and 2
    if (dayNumber >= 8)
        pair = 6;
    else if (dayNumber >= 3)
        pair = dayNumber - 2;
    return Picture::CashRegister + 2 * pair + (inUse ? 1 : 0);
}

}  // namespace

void DrawRegisterView(const RegisterValues& view, int offset)
{
    const float k = static_cast<float>(offset * 4.4 / 631.0);

    DrawSprite("White", Picture::HorizontalRuleThin, 0.88f + k, 0.2f, 5.3f);
    DrawSpriteAtPixel("White", Picture::VerticalRuleThin, offset + 632, 261, 4.86f);

    SetBlending(true);
    PrintText(offset + 258, 428, "Gray65", 0, "order:");
    PrintText(offset + 258, 253, "Gray65", 0, "receipt:");

    SetColourByName("Green");
    if (const std::optional<Receipt>& receipt = view.receipt)
        for (int i = 0; i < receipt->count; ++i)
            PrintFormatted(offset + 350, 235 - 15 * i, 1, "%s", receipt->lines[i].name);

    if (view.closed) {
        PrintText(offset + 320, 400, "Red", 1, "Drive Thru is closed at 10 pm");
        PrintText(offset + 300, 350, "Red", 1, "Finish your customers then");
        PrintText(offset + 300, 335, "Red", 1, "get some rest");
    }
    SetBlending(false);

    DrawSprite("White", registerPicture(view.dayNumber, view.orderPrompt), -1.33f + k, 0.35f, 1.61f);

    if (view.orderPrompt && view.receipt) {
        SetBlending(true);
        PrintFormatted(offset + 132, 393, 1, "$ %.2f", view.receipt->total);
        SetBlending(false);
    }
    DrawSprite("", Picture::VerticalRule, -0.4491f + k, 0.2f, 4.8f);
}

void DrawSpokenOrder(const Customer& latest)
{
    for (int i = 0; i < latest.count; ++i)
        PrintFormatted(350, 420 - 15 * i, 1, "%s", latest.order[i].name);
}
