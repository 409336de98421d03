// The hand-out view: the car at the window, the picked-up bag with its order
// number, and the red flash (or red frame) after a bag went to the wrong car.
#include "screens/in_game_views.h"

#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

// What Enter does for a car whose order no bag holds (19 characters fit the panel).
constexpr const char* kWaveOnHint = "<enter> waves it on";
// What Enter does with a bag whose car has already been served.
constexpr const char* kThrowAwayHint = "<enter> discards it";

// Nobody due (every car of the queue has been served) shows the closed door.
int windowPicture(int customerPicture)
{
    const int p = customerPicture;
    return p >= 1 && p <= 13 ? Picture::WindowNoOne + p : Picture::WindowDoorClosed;
}

void drawInstructions(int offset, bool carWithoutReceipt)
{
    PrintText(offset + 445, 330, "White", 0, "To pick up a bag,");
    PrintText(offset + 445, 315, "White", 0, "first select a bag");
    PrintText(offset + 445, 300, "White", 0, "in the bag view,");
    PrintText(offset + 445, 285, "White", 0, "then press <enter>");
    PrintText(offset + 445, 270, "White", 0, "to pick up selected");
    PrintText(offset + 445, 255, "White", 0, "bag with completed");
    PrintText(offset + 445, 240, "White", 0, "order");
    if (carWithoutReceipt)
        PrintText(offset + 445, 200, "Yellow", 0, kWaveOnHint);
}

// A red frame just inside the window's picture, for a wrong bag with reduced flashing.
void drawRedFrame(int offset)
{
    SetBlending(false);
    DrawSpriteAtPixel("Red", Picture::HorizontalRuleThick, offset + 216, 433, 6.0f);
    DrawSpriteAtPixel("Red", Picture::HorizontalRuleThick, offset + 216, 95, 6.0f);
    DrawSpriteAtPixel("Red", Picture::VerticalRuleThick, offset + 4, 264, 4.76f);
    DrawSpriteAtPixel("Red", Picture::VerticalRuleThick, offset + 428, 264, 4.76f);
}

}  // namespace

void DrawHandOutView(const HandOutValues& view, int offset, bool reducedFlashing)
{
    if (view.redFlash && !reducedFlashing)
        SetClearColour(1.0f, 0.0f, 0.0f, 0.0f);
    else
        SetClearColour(0.0f, 0.0f, 0.0f, 0.0f);
    DrawSpriteAtPixel("White", Picture::VerticalRule, offset + 435, 264, 4.83f);

    const bool carWithoutReceipt = view.carWithoutReceipt;
    if (!view.bagPickedUp) {
        drawInstructions(offset, carWithoutReceipt);
    } else {
        SetBlending(true);
        DrawSpriteAtPixel("White", Picture::Bag, offset + 536, 300, 1.8f);
        DrawSpriteAtPixel("White", Picture::ReceiptOnBag, offset + 520, 305, 0.8f);
        if (view.orderNumber)
            PrintFormatted(offset + 495, 160, 0, "Order #: %d", *view.orderNumber);
        if (view.bagForServedCar)
            PrintText(offset + 446, 132, "Yellow", 0, kThrowAwayHint);
        else
            PrintText(offset + 446, 132, "Green", 0, "<enter> to hand out");
        SetBlending(false);
    }

    SetBlending(true);
    if (!view.anyReceipt && !carWithoutReceipt)
        DrawSpriteAtPixel("White", Picture::WindowDoorClosed, offset + 215, 264, 2.529f);
    else if (!view.customerQueueEmpty)
        DrawSpriteAtPixel("White", windowPicture(view.windowCustomerPicture), offset + 215, 264, 2.529f);
    SetBlending(false);
    if (view.redFlash && reducedFlashing)
        drawRedFrame(offset);
}
