// The recipe of every sound the game plays.
#pragma once
#include "model/sound_events.h"
#include "synth.h"

// Loudness of a finished sound: big moments, everyday feedback, quiet ticks.
constexpr float loud = 0.8f;
constexpr float normal = 0.63f;
constexpr float soft = 0.45f;

// The finished, normalised sound of an event; empty for the events of the other file.
Samples DaySound(SoundEvent event);     // the register, kitchen, window and the clock
Samples ScreenSound(SoundEvent event);  // between days and the front end
// The drive-thru under the day's views: a quiet loop that joins end to start.
Samples Ambience();

// A short tone: the shape most recipes start from.
Tone Blip(float start, float length, float freq, Wave wave, float gain);
