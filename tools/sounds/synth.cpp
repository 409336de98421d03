// The synthesiser's oscillators, envelopes, filters and mixing.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float twoPi = 6.28318531f;
// Struck partials above this only hiss and sting.
constexpr float partialLimit = 12000.0f;

void ensureLength(Samples& out, size_t length)
{
    if (out.size() < length)
        out.resize(length, 0.0f);
}

size_t sampleAt(float seconds)
{
    return static_cast<size_t>(std::max(0.0f, seconds) * static_cast<float>(sampleRate) + 0.5f);
}

// Attack, then an exponential decay or a held level, and a linear release at the end.
float envelope(float t, float length, float attack, float decay, float release)
{
    float level = 1.0f;
    if (t < attack)
        level = t / attack;
    else if (decay > 0.0f)
        level = std::exp(-(t - attack) / decay);
    const float untilEnd = length - t;
    if (untilEnd < release)
        level *= std::max(0.0f, untilEnd / release);
    return level;
}

float waveSample(Wave wave, float phase, float freq, float brightness)
{
    if (wave == Wave::Sine)
        return std::sin(twoPi * phase);
    if (wave == Wave::Triangle) {
        const float p = phase - std::floor(phase);
        return p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
    }
    const int step = wave == Wave::Square ? 2 : 1;
    const float limit = std::min(brightness, 0.45f * static_cast<float>(sampleRate));
    float sum = 0.0f;
    for (int k = 1; static_cast<float>(k) * freq < limit; k += step) {
        const float p = static_cast<float>(k) * phase;
        // Harmonics fade in below the limit: one that appears at full strength as
        // a note glides down would click.
        const float taper = std::min(1.0f, (limit - static_cast<float>(k) * freq) / (0.25f * limit));
        sum += taper * std::sin(twoPi * (p - std::floor(p))) / static_cast<float>(k);
    }
    return sum * (wave == Wave::Square ? 1.1f : 0.6f);
}

// A deterministic white noise source, -1..1.
struct NoiseSource {
    uint32_t state;
    float next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state >> 8) / 8388608.0f - 1.0f;
    }
};

}  // namespace

float Hz(int note)
{
    return 440.0f * std::pow(2.0f, static_cast<float>(note - 69) / 12.0f);
}

void AddTone(Samples& out, const Tone& tone)
{
    const size_t first = sampleAt(tone.start);
    const size_t count = sampleAt(tone.length);
    ensureLength(out, first + count);
    const float endFreq = tone.freqEnd > 0.0f ? tone.freqEnd : tone.freq;
    float phase = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(sampleRate);
        const float glide = t / tone.length;
        float freq = tone.freq * std::pow(endFreq / tone.freq, glide);
        if (tone.vibratoDepth > 0.0f)
            freq *= 1.0f + tone.vibratoDepth * std::sin(twoPi * tone.vibratoHz * t);
        const float level = envelope(t, tone.length, tone.attack, tone.decay, tone.release);
        out[first + i] += tone.gain * level * waveSample(tone.wave, phase, freq, tone.brightness);
        phase += freq / static_cast<float>(sampleRate);
        phase -= std::floor(phase);
    }
}

void AddBell(Samples& out, float start, float freq, float length, float gain)
{
    // Ratios and weights of a small bright bell; the 2.0 and 3.0 keep it in tune.
    constexpr float ratios[] = {1.0f, 2.0f, 3.0f, 4.16f, 5.43f};
    constexpr float weights[] = {1.0f, 0.55f, 0.3f, 0.22f, 0.12f};
    for (int i = 0; i < 5; ++i) {
        Tone partial;
        partial.start = start;
        partial.length = length;
        partial.freq = freq * ratios[i];
        partial.attack = 0.002f;
        partial.decay = length * 0.35f / (1.0f + static_cast<float>(i));
        partial.release = length * 0.3f;
        partial.gain = gain * weights[i];
        if (partial.freq < partialLimit)
            AddTone(out, partial);
    }
}

void AddMallet(Samples& out, float start, float freq, float length, float gain)
{
    constexpr float ratios[] = {1.0f, 3.93f, 9.2f};
    constexpr float weights[] = {1.0f, 0.35f, 0.1f};
    for (int i = 0; i < 3; ++i) {
        Tone partial;
        partial.start = start;
        partial.length = length;
        partial.freq = freq * ratios[i];
        partial.attack = 0.003f;
        partial.decay = length * 0.3f / (1.0f + 2.0f * static_cast<float>(i));
        partial.release = length * 0.4f;
        partial.gain = gain * weights[i];
        if (partial.freq < partialLimit)
            AddTone(out, partial);
    }
}

void AddNoise(Samples& out, const NoiseBurst& noise)
{
    const size_t first = sampleAt(noise.start);
    const size_t count = sampleAt(noise.length);
    ensureLength(out, first + count);
    const float endCentre = noise.centreEnd > 0.0f ? noise.centreEnd : noise.centre;
    NoiseSource source{noise.seed * 2654435761u + 12345u};
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(sampleRate);
        const float centre = noise.centre * std::pow(endCentre / noise.centre, t / noise.length);
        // A band-pass biquad with 0 dB at its centre, recomputed as the centre glides.
        const float w = twoPi * centre / static_cast<float>(sampleRate);
        const float alpha = std::sin(w) / (2.0f * noise.q);
        const float a0 = 1.0f + alpha;
        const float x = source.next();
        const float y = (alpha * x - alpha * x2 + 2.0f * std::cos(w) * y1 - (1.0f - alpha) * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        const float level = envelope(t, noise.length, noise.attack, noise.decay, noise.release);
        out[first + i] += noise.gain * level * y;
    }
}

void AddEcho(Samples& out, float delay, float feedback, int copies)
{
    const size_t shift = sampleAt(delay);
    const size_t original = out.size();
    ensureLength(out, original + shift * static_cast<size_t>(copies));
    const Samples dry(out.begin(), out.begin() + static_cast<long>(original));
    float gain = feedback;
    for (int c = 1; c <= copies; ++c, gain *= feedback)
        for (size_t i = 0; i < original; ++i)
            out[i + shift * static_cast<size_t>(c)] += gain * dry[i];
}

void LowPass(Samples& out, float cutoff)
{
    const float a = 1.0f - std::exp(-twoPi * cutoff / static_cast<float>(sampleRate));
    float y = 0.0f;
    for (float& s : out) {
        y += a * (s - y);
        s = y;
    }
}

Samples Normalised(Samples out, float peak)
{
    // A quick fade in keeps a strike's attack; the fade out can take longer.
    const size_t in = std::min(out.size() / 2, sampleAt(0.001f));
    const size_t away = std::min(out.size() / 2, sampleAt(0.004f));
    for (size_t i = 0; i < in; ++i)
        out[i] *= static_cast<float>(i) / static_cast<float>(in);
    for (size_t i = 0; i < away; ++i)
        out[out.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(away);
    float loudest = 0.0f;
    for (float s : out)
        loudest = std::max(loudest, std::fabs(s));
    if (loudest > 0.0f)
        for (float& s : out)
            s *= peak / loudest;
    return out;
}

std::vector<int16_t> ToPcm(const Samples& samples)
{
    std::vector<int16_t> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const float scaled = std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f;
        pcm[i] = static_cast<int16_t>(std::lround(scaled));
    }
    return pcm;
}
