// A small synthesiser: tones, bells, filtered noise and envelopes, mixed into one mono buffer.
#pragma once
#include <cstdint>
#include <vector>

constexpr int sampleRate = 44100;

// Mono samples, nominally -1..1; the buffer grows to fit whatever is added.
using Samples = std::vector<float>;

// Square and saw are built from their harmonics up to `brightness` Hz, so that
// high notes do not alias into whistles.
enum class Wave { Sine, Triangle, Square, Saw };

struct Tone {
    float start = 0.0f;     // seconds
    float length = 0.1f;    // seconds, release included
    float freq = 440.0f;
    float freqEnd = 0.0f;   // glides there over the length; 0 keeps freq
    Wave wave = Wave::Sine;
    float brightness = 6000.0f;
    float attack = 0.004f;
    float decay = 0.0f;     // exponential time constant after the attack; 0 holds the level
    float release = 0.02f;
    float gain = 1.0f;
    float vibratoHz = 0.0f;
    float vibratoDepth = 0.0f;  // as a fraction of the frequency
};

struct NoiseBurst {
    float start = 0.0f;
    float length = 0.1f;
    float centre = 2000.0f;     // band-pass centre, Hz
    float centreEnd = 0.0f;     // glides there; 0 keeps centre
    float q = 1.0f;
    float attack = 0.003f;
    float decay = 0.0f;
    float release = 0.02f;
    float gain = 1.0f;
    uint32_t seed = 1;
};

// The frequency of a MIDI note number (69 is A 440).
float Hz(int note);

void AddTone(Samples& out, const Tone& tone);
// A struck bell: a few inharmonic partials, the higher ones dying sooner.
void AddBell(Samples& out, float start, float freq, float length, float gain);
// A marimba-like mallet note: a warm, quickly damped strike.
void AddMallet(Samples& out, float start, float freq, float length, float gain);
void AddNoise(Samples& out, const NoiseBurst& noise);
// Copies of the whole buffer, each `delay` later and `feedback` times quieter: a little room.
void AddEcho(Samples& out, float delay, float feedback, int copies);
// A low-pass filter over the whole buffer (one pole).
void LowPass(Samples& out, float cutoff);

// A recipe's last step: the sound scaled so that its loudest sample is `peak`
// (0..1), its ends ramped to silence so that no file starts or stops with a click.
Samples Normalised(Samples out, float peak);
// 16-bit samples, rounded; normalise first, so nothing clips.
std::vector<int16_t> ToPcm(const Samples& samples);
