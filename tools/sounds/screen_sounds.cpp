// Recipes for the sounds between days and on the front end, and the drive-thru ambience.
#include "sounds.h"

#include <cmath>

namespace {

constexpr int C5 = 72, E5 = 76, F5 = 77, G5 = 79, A5 = 81, C6 = 84, E6 = 88, G6 = 91;

Samples reportLineToggled()
{
    // A page flick.
    Samples s;
    AddNoise(s, {.length = 0.035f, .centre = 4500.0f, .centreEnd = 2500.0f, .q = 1.2f, .attack = 0.002f,
                 .decay = 0.012f, .gain = 1.0f, .seed = 60});
    AddTone(s, {.length = 0.03f, .freq = 1200.0f, .attack = 0.001f, .decay = 0.008f, .gain = 0.4f});
    return Normalised(s, soft);
}

Samples shopCursorMoved()
{
    Samples s;
    Tone blip = Blip(0.0f, 0.045f, Hz(E6), Wave::Triangle, 1.0f);
    blip.decay = 0.02f;
    AddTone(s, blip);
    return Normalised(s, soft);
}

Samples purchase()
{
    // Coins drop on the counter and the till rings.
    Samples s;
    const float coins[] = {3520.0f, 4186.0f, 3951.0f, 4699.0f, 3729.0f};
    for (int i = 0; i < 5; ++i)
        AddBell(s, 0.045f * static_cast<float>(i) + 0.01f * static_cast<float>(i % 2), coins[i], 0.22f, 0.5f);
    AddBell(s, 0.22f, 2637.0f, 0.55f, 0.8f);
    AddBell(s, 0.235f, 3136.0f, 0.5f, 0.6f);
    return Normalised(s, normal);
}

Samples purchaseRefused()
{
    // "Uh-uh": two short low honks.
    Samples s;
    for (int i = 0; i < 2; ++i) {
        Tone honk = Blip(0.13f * static_cast<float>(i), 0.1f, i == 0 ? 196.0f : 185.0f, Wave::Square, 0.7f);
        honk.brightness = 1800.0f;
        AddTone(s, honk);
    }
    LowPass(s, 2200.0f);
    return Normalised(s, soft);
}

Samples gameSaved()
{
    Samples s;
    const int notes[] = {G5, C6, E6};
    for (int i = 0; i < 3; ++i)
        AddMallet(s, 0.08f * static_cast<float>(i), Hz(notes[i]), i == 2 ? 0.5f : 0.25f, 0.9f);
    AddEcho(s, 0.09f, 0.2f, 2);
    return Normalised(s, normal);
}

Samples saveFailed()
{
    // "Uh-oh": a minor third falling, a little wobbly.
    Samples s;
    for (int i = 0; i < 2; ++i) {
        Tone note = Blip(0.17f * static_cast<float>(i), i == 0 ? 0.16f : 0.36f, Hz(i == 0 ? A5 - 12 : F5 - 12),
                         Wave::Triangle, 0.9f);
        note.vibratoHz = 6.0f;
        note.vibratoDepth = 0.01f;
        AddTone(s, note);
    }
    return Normalised(s, normal);
}

Samples bulletin()
{
    // A memo arrives: a paper slide and a news-flash jingle.
    Samples s;
    AddNoise(s, {.length = 0.15f, .centre = 1800.0f, .centreEnd = 3800.0f, .q = 1.0f, .attack = 0.05f,
                 .release = 0.08f, .gain = 0.5f, .seed = 70});
    const int notes[] = {C6, E6, G6, C6 + 12};
    for (int i = 0; i < 4; ++i)
        AddBell(s, 0.12f + 0.07f * static_cast<float>(i), Hz(notes[i]), i == 3 ? 0.6f : 0.25f, 0.6f);
    return Normalised(s, normal);
}

Samples menuChoice()
{
    Samples s;
    AddNoise(s, {.length = 0.008f, .centre = 3000.0f, .q = 0.8f, .attack = 0.001f, .release = 0.005f,
                 .gain = 0.6f, .seed = 80});
    Tone up = Blip(0.0f, 0.1f, Hz(C6), Wave::Triangle, 0.9f);
    up.freqEnd = Hz(G6);
    AddTone(s, up);
    return Normalised(s, normal);
}

Samples optionToggled()
{
    // A two-step switch click, up and over.
    Samples s;
    AddTone(s, {.length = 0.03f, .freq = Hz(G5), .wave = Wave::Triangle, .attack = 0.001f, .decay = 0.012f,
                .gain = 0.9f});
    AddTone(s, {.start = 0.035f, .length = 0.04f, .freq = Hz(C6), .wave = Wave::Triangle, .attack = 0.001f,
                .decay = 0.015f, .gain = 0.9f});
    return Normalised(s, soft);
}

Samples closingTick()
{
    // A woodblock tick.
    Samples s;
    AddTone(s, {.length = 0.04f, .freq = 1760.0f, .attack = 0.0005f, .decay = 0.008f, .gain = 1.0f});
    AddTone(s, {.length = 0.04f, .freq = 1760.0f * 2.7f, .attack = 0.0005f, .decay = 0.004f, .gain = 0.3f});
    AddNoise(s, {.length = 0.01f, .centre = 2500.0f, .q = 1.0f, .attack = 0.0005f, .release = 0.008f,
                 .gain = 0.3f, .seed = 90});
    return Normalised(s, soft);
}

}  // namespace

Samples ScreenSound(SoundEvent event)
{
    switch (event) {
    case SoundEvent::ReportLineToggled: return reportLineToggled();
    case SoundEvent::ShopCursorMoved: return shopCursorMoved();
    case SoundEvent::Purchase: return purchase();
    case SoundEvent::PurchaseRefused: return purchaseRefused();
    case SoundEvent::GameSaved: return gameSaved();
    case SoundEvent::SaveFailed: return saveFailed();
    case SoundEvent::Bulletin: return bulletin();
    case SoundEvent::MenuChoice: return menuChoice();
    case SoundEvent::OptionToggled: return optionToggled();
    case SoundEvent::ClosingTick: return closingTick();
    default: return {};
    }
}

Samples Ambience()
{
    // An idling engine and distant traffic, four seconds that loop without a seam:
    // the tail is made past the end and folded back over the start.
    constexpr float loop = 4.0f, overlap = 0.5f;
    Samples s;
    AddNoise(s, {.length = loop + overlap, .centre = 90.0f, .q = 0.8f, .attack = 0.0f, .release = 0.0f,
                 .gain = 1.0f, .seed = 100});
    AddNoise(s, {.length = loop + overlap, .centre = 500.0f, .q = 0.5f, .attack = 0.0f, .release = 0.0f,
                 .gain = 0.12f, .seed = 101});
    Tone idle = Blip(0.0f, loop + overlap, 40.0f, Wave::Saw, 0.25f);
    idle.brightness = 400.0f;
    idle.attack = 0.0f;
    idle.release = 0.0f;
    idle.vibratoHz = 0.5f;  // a whole number of wobbles in the loop
    idle.vibratoDepth = 0.02f;
    AddTone(s, idle);
    LowPass(s, 600.0f);
    const size_t length = static_cast<size_t>(loop * static_cast<float>(sampleRate));
    const size_t fold = s.size() - length;
    for (size_t i = 0; i < fold; ++i) {
        const float w = static_cast<float>(i) / static_cast<float>(fold);
        s[i] = s[i] * w + s[length + i] * (1.0f - w);
    }
    s.resize(length);
    // Normalised's edge ramps would put a dip in the loop: scale by hand.
    float loudest = 0.0f;
    for (float v : s)
        loudest = std::fmax(loudest, std::fabs(v));
    for (float& v : s)
        v *= 0.3f / loudest;
    return s;
}
