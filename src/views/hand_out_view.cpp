// The hand-out view: the car at the window, the picked-up bag with its order
// number, and the red flash after a bag went to the wrong car.
#include "views/in_game_views.h"

#include "model/game_state.h"
#include "render/toolkit.h"
#include "sim/hand_out.h"

namespace {

constexpr int kRedFlashFrames = 75;
constexpr int kDoorClosed = 32;
constexpr int kBagPicture = 50;
constexpr int kReceiptOnBag = 51;
// What Enter does for a car whose order no bag holds (19 characters fit the panel).
constexpr const char* kWaveOnHint = "<enter> waves it on";
// What Enter does with a bag whose car has already been served.
constexpr const char* kThrowAwayHint = "<enter> discards it";

int windowPicture()
{
    const GameState& g = game;
    const int served = g.customersServed;
    if (served < 0 || served >= static_cast<int>(g.customerQueue.size()))
        return kDoorClosed;  // nobody due: every car of the queue has been served
    const int p = g.customerQueue[served].picture;
    return p >= 1 && p <= 13 ? 33 + p : kDoorClosed;
}

}  // namespace

void HandOutView(int offset)
{
    GameState& g = game;
    if (g.framesSinceWrongBag < kRedFlashFrames) {
        SetClearColour(1.0f, 0.0f, 0.0f, 0.0f);
        g.framesSinceWrongBag += 1;
    } else {
        SetClearColour(0.0f, 0.0f, 0.0f, 0.0f);
    }
    DrawSpriteAtPixel("White", 73, offset + 435, 264, 4.83f);

    int b = -1;
    for (int i = 0; i < kBagCount && b < 0; ++i)
        if (g.bags[i].pickedUp)
            b = i;

    const bool carWithoutReceipt = carAtWindowWithoutReceipt();
    if (b < 0) {
        PrintText(offset + 445, 330, "White", 0, "To pick up a bag,");
        PrintText(offset + 445, 315, "White", 0, "first select a bag");
        PrintText(offset + 445, 300, "White", 0, "in the bag view,");
        PrintText(offset + 445, 285, "White", 0, "then press <enter>");
        PrintText(offset + 445, 270, "White", 0, "to pick up selected");
        PrintText(offset + 445, 255, "White", 0, "bag with completed");
        PrintText(offset + 445, 240, "White", 0, "order");
        if (carWithoutReceipt)
            PrintText(offset + 445, 200, "Yellow", 0, kWaveOnHint);
    } else {
        SetBlending(true);
        DrawSpriteAtPixel("White", kBagPicture, offset + 536, 300, 1.8f);
        DrawSpriteAtPixel("White", kReceiptOnBag, offset + 520, 305, 0.8f);
        if (g.bags[b].receipt)
            PrintFormatted(offset + 495, 160, 0, "Order #: %d", g.bags[b].receipt->orderNumber);
        else
            g.bags[b].pickedUp = false;  // its receipt was deleted at the register
        if (pickedUpBagForServedCar())
            PrintText(offset + 446, 132, "Yellow", 0, kThrowAwayHint);
        else
            PrintText(offset + 446, 132, "Green", 0, "<enter> to hand out");
        SetBlending(false);
    }

    bool anyReceipt = false;
    for (const Bag& bag : g.bags)
        anyReceipt = anyReceipt || bag.receipt != nullptr;
    SetBlending(true);
    if (!anyReceipt && !carWithoutReceipt)
        DrawSpriteAtPixel("White", kDoorClosed, offset + 215, 264, 2.529f);
    else if (!g.customerQueue.empty())
        DrawSpriteAtPixel("White", windowPicture(), offset + 215, 264, 2.529f);
    SetBlending(false);
}
