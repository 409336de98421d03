// Learning how late sleeps wake.
#include "shell/frame_pacer.h"

#include <algorithm>

float FramePacer::SpinMargin() const
{
    return std::clamp(lateness_ + kMinMargin, kMinMargin, kMaxMargin);
}

void FramePacer::RecordSleep(float requestedMs, float tookMs)
{
    const float late = std::max(0.0f, tookMs - requestedMs);
    // A late wake-up widens the margin at once; on-time ones narrow it slowly, so
    // that one quiet stretch does not undo what a busy one taught.
    if (late > lateness_)
        lateness_ = late;
    else
        lateness_ += (late - lateness_) * 0.02f;
}
