// The slides between the three views and the arrow keys that start and turn them.
#include "rules/view_switching.h"

#include "model/key_codes.h"
#include "model/key_latches.h"

namespace {

constexpr int kSlideStep = 9;
constexpr int kViewWidth = 631;

using V = InGameView;

constexpr Slide kSlides[6] = {
    {V::Register, V::Kitchen, -1},  // 3
    {V::Register, V::Window, +1},   // 4
    {V::Kitchen, V::Register, +1},  // 5
    {V::Kitchen, V::Window, -1},    // 6
    {V::Window, V::Register, -1},   // 7
    {V::Window, V::Kitchen, +1},    // 8
};

int viewNumber(InGameView v)
{
    return static_cast<int>(v);
}

// Without slides: Right goes 0 -> 1 -> 2 -> 0, Left the other way.
InGameView nextView(InGameView v, int by)
{
    return static_cast<InGameView>((viewNumber(v) + by) % 3);
}

// At rest an arrow starts the slide towards its side; during a slide it turns
// the slide back when it points to where the slide started, else forward again.
void arrow(const InGameView (&startSlide)[3], bool pointsBack)
{
    if (!IsSlide(day.inGameView)) {
        day.inGameView = startSlide[viewNumber(day.inGameView)];
        day.slideReverse = false;
    } else {
        day.slideReverse = pointsBack;
    }
}

}  // namespace

Slide SlideOf(InGameView slideView)
{
    return kSlides[viewNumber(slideView) - viewNumber(V::RegisterToKitchen)];
}

int SlideSecondOffset(const Slide& slide, int offset)
{
    return offset - slide.side * kViewWidth;
}

void SlideStep()
{
    const Slide slide = SlideOf(day.inGameView);
    const int x = day.slideOffset;
    const int step = slide.side * kSlideStep;
    if (!day.slideReverse) {
        // 71 steps of 9 from 0 reach 639, past 630; the frame drawn there is the last.
        const bool arrived = slide.side < 0 ? x < 1 - kViewWidth : x >= kViewWidth;
        if (arrived) {
            day.inGameView = slide.to;
            day.slideOffset = 0;
        } else {
            day.slideOffset = x + step;
        }
    } else {
        const bool back = slide.side < 0 ? x >= 0 : x < 1;
        if (back) {
            day.inGameView = slide.from;
            day.slideOffset = 0;
        } else {
            day.slideOffset = x - step;
        }
    }
}

void SwitchViewKeys(const bool* keys)
{
    const bool left = KeyPressedOnce(keys, Key::Left, Latch::Left);
    const bool right = KeyPressedOnce(keys, Key::Right, Latch::Right);
    if ((program.gameOptions & Option::SmoothTransitions) == 0) {
        if (IsSlide(day.inGameView))
            return;
        if (left) day.inGameView = nextView(day.inGameView, 2);
        if (right) day.inGameView = nextView(day.inGameView, 1);
        return;
    }
    const V v = day.inGameView;
    if (left)
        arrow({V::RegisterToWindow, V::KitchenToRegister, V::WindowToKitchen},
              v == V::RegisterToKitchen || v == V::KitchenToWindow || v == V::WindowToRegister);
    if (right) {
        const V now = day.inGameView;
        arrow({V::RegisterToKitchen, V::KitchenToWindow, V::WindowToRegister},
              now == V::RegisterToWindow || now == V::KitchenToRegister || now == V::WindowToKitchen);
    }
}
