// The frame's sound queue.
#include "model/sound_events.h"

#include <string_view>

SoundQueue soundQueue;

// A row out of place would make a name play another event's sound.
static_assert([] {
    for (size_t i = 0; i < soundTable.size(); ++i)
        if (static_cast<size_t>(soundTable[i].event) != i)
            return false;
    return true;
}());
static_assert(static_cast<size_t>(SoundEvent::ClosingTick) + 1 == soundTable.size());
// Names are file names and replay output: two events must never share one.
static_assert([] {
    for (size_t i = 0; i < soundTable.size(); ++i) {
        if (std::string_view(soundTable[i].name) == ambienceName)
            return false;
        for (size_t j = i + 1; j < soundTable.size(); ++j)
            if (std::string_view(soundTable[i].name) == soundTable[j].name)
                return false;
    }
    return true;
}());
