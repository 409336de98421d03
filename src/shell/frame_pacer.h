// How close to a frame's deadline the wait may sleep: the system wakes a sleeper
// late by a varying amount, so the wait sleeps until a learned margin before the
// deadline and spins only through that margin.
#pragma once

class FramePacer {
public:
    // Milliseconds before the deadline at which sleeping stops and spinning starts.
    float SpinMargin() const;
    // One sleep that was asked for `requestedMs` and took `tookMs`.
    void RecordSleep(float requestedMs, float tookMs);

    static constexpr float kMinMargin = 0.25f;  // ms: spin at least this long
    static constexpr float kMaxMargin = 2.0f;   // ms: a busy system never costs more

private:
    float lateness_ = 1.0f;  // ms, a cautious start until sleeps have been seen
};
