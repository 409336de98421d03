// One frame's drawing as the frame's steps decided it: the star field when the
// credits are up, what the current screen draws, and the key card over it.
#pragma once
#include "model/between_days_frame.h"
#include "model/day_frame.h"
#include "model/front_end_state.h"
#include "model/key_card.h"
#include "model/star_field.h"

#include <cstdint>
#include <optional>
#include <variant>

// The intro as it stood before this frame's step, then the menu after it.
struct TitleFrame {
    TitleMenuState intro;
    TitleMenuState menu;
};
struct OptionsFrame {
    uint8_t gameOptions = 0;
};
struct CreditsFrame {
    std::optional<bool> lighting;  // switched on or off by this frame's keys
};
struct ObjectiveFrame {};
// The countdown as it stood before this frame's step, in this frame's tint.
struct ClosingFrame {
    ClosingState shown;
};
using InGameFrame = std::variant<DayFrame, BetweenDaysFrame>;

struct Frame {
    std::optional<StarsFrame> stars;
    std::optional<KeyCardFrame> keyCard;  // drawn over the screen, which stands still
    std::variant<TitleFrame, OptionsFrame, CreditsFrame, ObjectiveFrame, ClosingFrame, InGameFrame> screen;
};
