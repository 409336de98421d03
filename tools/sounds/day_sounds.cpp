// Recipes for the sounds of a day: the speaker, the register, the kitchen, the window, the clock.
#include "sounds.h"

namespace {

// Major-key notes the recipes are written in (MIDI numbers).
constexpr int C5 = 72, D5 = 74, E5 = 76, G5 = 79, A5 = 81, C6 = 84, E6 = 88, G6 = 91;

Samples carAtSpeaker()
{
    // The drive-thru's ding-dong, a bright bell falling a major third, then once more softly.
    Samples s;
    AddBell(s, 0.0f, Hz(E6), 0.55f, 1.0f);
    AddBell(s, 0.2f, Hz(C6), 0.7f, 0.9f);
    AddEcho(s, 0.09f, 0.25f, 2);
    return Normalised(s, loud);
}

Samples orderAnswered()
{
    // The headset clicks on and a friendly rising "hi there".
    Samples s;
    AddNoise(s, {.length = 0.015f, .centre = 3500.0f, .q = 0.7f, .release = 0.01f, .gain = 0.8f, .seed = 2});
    AddTone(s, Blip(0.02f, 0.07f, Hz(G5), Wave::Triangle, 0.8f));
    AddTone(s, Blip(0.09f, 0.12f, Hz(D5 + 12), Wave::Triangle, 0.8f));
    return Normalised(s, normal);
}

Samples itemKeyed()
{
    // The register key: a short clean beep with a touch of key click.
    Samples s;
    AddNoise(s, {.length = 0.006f, .centre = 5000.0f, .q = 0.8f, .attack = 0.001f, .release = 0.004f,
                 .gain = 0.5f, .seed = 3});
    // A quick decay keeps a fast run of keys a patter rather than a whine.
    for (Wave wave : {Wave::Square, Wave::Sine}) {
        Tone beep = Blip(0.0f, 0.06f, 1975.0f, wave, wave == Wave::Square ? 0.2f : 0.6f);
        beep.brightness = 7000.0f;
        beep.decay = 0.03f;
        AddTone(s, beep);
    }
    return Normalised(s, soft);
}

Samples lineRemoved()
{
    Samples s;
    Tone down = Blip(0.0f, 0.09f, 1480.0f, Wave::Triangle, 1.0f);
    down.freqEnd = 990.0f;
    AddTone(s, down);
    return Normalised(s, soft);
}

Samples receiptDeleted()
{
    // The receipt is crumpled up and a slide whistle drops away.
    Samples s;
    for (int i = 0; i < 4; ++i)
        AddNoise(s, {.start = 0.03f * static_cast<float>(i), .length = 0.05f, .centre = 2500.0f + 700.0f * static_cast<float>(i),
                     .q = 1.5f, .release = 0.03f, .gain = 0.5f, .seed = 10u + static_cast<uint32_t>(i)});
    Tone slide = Blip(0.05f, 0.28f, 1100.0f, Wave::Triangle, 0.8f);
    slide.freqEnd = 260.0f;
    slide.release = 0.08f;
    AddTone(s, slide);
    return Normalised(s, normal);
}

Samples carOnHold()
{
    // A snatch of hold music on a music box.
    Samples s;
    const int notes[] = {G5, E5, C5, E5};
    for (int i = 0; i < 4; ++i)
        AddMallet(s, 0.11f * static_cast<float>(i), Hz(notes[i] + 12), 0.35f, 0.8f);
    return Normalised(s, normal);
}

Samples orderClosed()
{
    // Ka-ching: the drawer's clunk, then the register's bright bell.
    Samples s;
    AddNoise(s, {.length = 0.05f, .centre = 400.0f, .q = 0.8f, .attack = 0.001f, .decay = 0.015f, .gain = 1.0f, .seed = 4});
    AddTone(s, {.length = 0.06f, .freq = 160.0f, .freqEnd = 90.0f, .attack = 0.001f, .decay = 0.02f, .gain = 0.6f});
    AddBell(s, 0.06f, 2637.0f, 0.6f, 0.7f);
    AddBell(s, 0.075f, 3136.0f, 0.55f, 0.5f);
    return Normalised(s, normal);
}

Samples itemCooked()
{
    // The kitchen timer's ding.
    Samples s;
    AddBell(s, 0.0f, Hz(A5 + 12), 0.8f, 1.0f);
    AddEcho(s, 0.07f, 0.2f, 2);
    return Normalised(s, normal);
}

Samples itemNotReady()
{
    // A good-natured buzzer: two low square tones beating against each other.
    Samples s;
    for (float f : {146.8f, 155.6f}) {
        Tone buzz = Blip(0.0f, 0.22f, f, Wave::Square, 0.6f);
        buzz.brightness = 2500.0f;
        buzz.release = 0.04f;
        AddTone(s, buzz);
    }
    LowPass(s, 3000.0f);
    return Normalised(s, soft);
}

Samples itemBagged()
{
    // Paper rustles as the item drops into the bag with a soft thump.
    Samples s;
    const float centres[] = {4200.0f, 3000.0f, 5200.0f};
    for (int i = 0; i < 3; ++i)
        AddNoise(s, {.start = 0.035f * static_cast<float>(i), .length = 0.06f, .centre = centres[i], .q = 1.2f,
                     .attack = 0.004f, .decay = 0.02f, .gain = 0.9f, .seed = 20u + static_cast<uint32_t>(i)});
    AddTone(s, {.start = 0.09f, .length = 0.07f, .freq = 220.0f, .freqEnd = 120.0f, .attack = 0.002f,
                .decay = 0.02f, .gain = 0.7f});
    return Normalised(s, soft);
}

Samples bagPicked()
{
    // The paper bag shaken open: two crisp rustles and a soft pop of air.
    Samples s;
    for (int i = 0; i < 2; ++i)
        AddNoise(s, {.start = 0.045f * static_cast<float>(i), .length = 0.05f, .centre = i == 0 ? 3800.0f : 2800.0f,
                     .centreEnd = 2200.0f, .q = 1.4f, .attack = 0.003f, .decay = 0.015f, .gain = 0.9f,
                     .seed = 25u + static_cast<uint32_t>(i)});
    AddTone(s, {.start = 0.05f, .length = 0.06f, .freq = 180.0f, .freqEnd = 260.0f, .attack = 0.004f,
                .decay = 0.02f, .gain = 0.5f});
    return Normalised(s, soft);
}

Samples itemNotOnReceipt()
{
    // Into the bin: a hollow clunk, then the lid's small clank.
    Samples s;
    AddMallet(s, 0.0f, 98.0f, 0.25f, 1.0f);
    AddNoise(s, {.length = 0.08f, .centre = 650.0f, .q = 2.0f, .attack = 0.002f, .decay = 0.025f, .gain = 0.8f,
                 .seed = 27});
    AddBell(s, 0.12f, 1480.0f, 0.18f, 0.35f);
    AddBell(s, 0.16f, 1320.0f, 0.2f, 0.25f);
    LowPass(s, 5000.0f);
    return Normalised(s, normal);
}

Samples bagReady()
{
    // The top is folded over and a bright "ready!".
    Samples s;
    AddNoise(s, {.length = 0.12f, .centre = 2500.0f, .centreEnd = 4500.0f, .q = 1.0f, .attack = 0.02f,
                 .release = 0.05f, .gain = 0.6f, .seed = 30});
    AddMallet(s, 0.1f, Hz(C6), 0.3f, 0.9f);
    AddMallet(s, 0.19f, Hz(G6), 0.45f, 0.9f);
    return Normalised(s, normal);
}

Samples bagToWindow()
{
    // A quick whoosh to the window.
    Samples s;
    AddNoise(s, {.length = 0.32f, .centre = 500.0f, .centreEnd = 2600.0f, .q = 2.0f, .attack = 0.14f,
                 .release = 0.16f, .gain = 1.0f, .seed = 40});
    return Normalised(s, soft);
}

void arpeggio(Samples& s, const int* notes, int count, float step, float gain)
{
    for (int i = 0; i < count; ++i) {
        const float start = step * static_cast<float>(i);
        const float length = i + 1 == count ? 0.5f : 0.2f;
        AddMallet(s, start, Hz(notes[i]), length, gain);
        Tone shine = Blip(start, length, Hz(notes[i]), Wave::Triangle, 0.25f * gain);
        shine.decay = length * 0.4f;
        AddTone(s, shine);
    }
}

Samples customerHappy()
{
    Samples s;
    const int notes[] = {C5 + 12, E5 + 12, G5 + 12};
    arpeggio(s, notes, 3, 0.075f, 1.0f);
    return Normalised(s, normal);
}

Samples customerDelighted()
{
    // Brighter and higher than a plain happy customer, with sparkle on top.
    Samples s;
    const int notes[] = {C5 + 12, E5 + 12, G5 + 12, C6 + 12};
    arpeggio(s, notes, 4, 0.06f, 1.0f);
    const float sparkle[] = {4186.0f, 5274.0f, 6272.0f, 5274.0f};
    for (int i = 0; i < 4; ++i)
        AddBell(s, 0.2f + 0.05f * static_cast<float>(i), sparkle[i], 0.3f, 0.25f);
    AddEcho(s, 0.08f, 0.2f, 2);
    return Normalised(s, loud);
}

Samples wrongBag()
{
    // "Wah-wah": two falling brassy notes that swell in, the second taking over
    // from the first without a gap (a saw starting out of silence ticks).
    Samples s;
    for (int i = 0; i < 2; ++i) {
        Tone wah = Blip(0.15f * static_cast<float>(i), 0.16f + 0.11f * static_cast<float>(i),
                        i == 0 ? 311.0f : 233.0f, Wave::Saw, 0.7f);
        wah.freqEnd = wah.freq * 0.92f;
        wah.brightness = 2200.0f;
        wah.attack = 0.02f;
        wah.vibratoHz = 7.0f;
        wah.vibratoDepth = i == 0 ? 0.0f : 0.015f;
        wah.release = i == 0 ? 0.04f : 0.08f;
        AddTone(s, wah);
    }
    LowPass(s, 2600.0f);
    return Normalised(s, normal);
}

Samples carWavedOn()
{
    // A cheery double toot, and the car pulls away.
    Samples s;
    for (int i = 0; i < 2; ++i)
        for (float f : {392.0f, 494.0f}) {
            Tone toot = Blip(0.13f * static_cast<float>(i), 0.09f, f, Wave::Square, 0.35f);
            toot.brightness = 3000.0f;
            AddTone(s, toot);
        }
    Tone engine = Blip(0.2f, 0.6f, 70.0f, Wave::Saw, 0.5f);
    engine.freqEnd = 120.0f;
    engine.brightness = 900.0f;
    engine.attack = 0.05f;
    engine.decay = 0.25f;
    engine.release = 0.2f;
    AddTone(s, engine);
    AddNoise(s, {.start = 0.2f, .length = 0.6f, .centre = 300.0f, .centreEnd = 700.0f, .q = 0.7f,
                 .attack = 0.05f, .decay = 0.25f, .release = 0.2f, .gain = 0.5f, .seed = 50});
    LowPass(s, 2500.0f);  // a rumble, not a hiss
    return Normalised(s, normal);
}

Samples DriveThruClosed()
{
    // Three strokes of the closing bell.
    Samples s;
    for (int i = 0; i < 3; ++i)
        AddBell(s, 0.38f * static_cast<float>(i), Hz(G5 - 12), 1.1f, 1.0f);
    AddEcho(s, 0.11f, 0.25f, 2);
    return Normalised(s, loud);
}

Samples dayOver()
{
    // Ta-da: a little fanfare to end the shift.
    Samples s;
    const int notes[] = {G5 - 12, C5, E5, G5};
    const float starts[] = {0.0f, 0.12f, 0.24f, 0.36f};
    for (int i = 0; i < 4; ++i) {
        const float length = i == 3 ? 0.8f : 0.13f;
        for (Wave w : {Wave::Square, Wave::Triangle}) {
            Tone horn = Blip(starts[i], length, Hz(notes[i]), w, w == Wave::Square ? 0.3f : 0.6f);
            horn.brightness = 3500.0f;
            horn.decay = i == 3 ? 0.5f : 0.0f;
            horn.vibratoHz = 5.5f;
            horn.vibratoDepth = i == 3 ? 0.006f : 0.0f;
            AddTone(s, horn);
        }
    }
    AddBell(s, 0.36f, Hz(G5 + 12), 0.8f, 0.4f);
    AddEcho(s, 0.1f, 0.2f, 2);
    return Normalised(s, loud);
}

}  // namespace

Tone Blip(float start, float length, float freq, Wave wave, float gain)
{
    Tone t;
    t.start = start;
    t.length = length;
    t.freq = freq;
    t.wave = wave;
    t.gain = gain;
    t.release = length * 0.3f;
    return t;
}

Samples DaySound(SoundEvent event)
{
    switch (event) {
    case SoundEvent::CarAtSpeaker: return carAtSpeaker();
    case SoundEvent::OrderAnswered: return orderAnswered();
    case SoundEvent::ItemKeyed: return itemKeyed();
    case SoundEvent::LineRemoved: return lineRemoved();
    case SoundEvent::ReceiptDeleted: return receiptDeleted();
    case SoundEvent::CarOnHold: return carOnHold();
    case SoundEvent::OrderClosed: return orderClosed();
    case SoundEvent::ItemCooked: return itemCooked();
    case SoundEvent::ItemNotReady: return itemNotReady();
    case SoundEvent::BagPicked: return bagPicked();
    case SoundEvent::ItemBagged: return itemBagged();
    case SoundEvent::ItemNotOnReceipt: return itemNotOnReceipt();
    case SoundEvent::BagReady: return bagReady();
    case SoundEvent::BagToWindow: return bagToWindow();
    case SoundEvent::CustomerHappy: return customerHappy();
    case SoundEvent::CustomerDelighted: return customerDelighted();
    case SoundEvent::WrongBag: return wrongBag();
    case SoundEvent::CarWavedOn: return carWavedOn();
    case SoundEvent::DriveThruClosed: return DriveThruClosed();
    case SoundEvent::DayOver: return dayOver();
    default: return {};
    }
}
