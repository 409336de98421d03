// Playing the game's sounds through SDL2_mixer, after each frame; silent when there is no audio.
#pragma once

// Opens the audio device and loads Sounds/ (beside Images/), unless starting muted,
// in which case nothing is opened until sound is first switched on. Without an
// audio device, or when the mixer cannot open, the game is silent and says so
// once on standard error.
void InitSound(bool muted);
void ShutDownSound();

// Starts the sounds the frame just run has queued; they play on while later frames run.
// The closing bell and the day's fanfare of one frame play one after the other.
void PlayQueuedSounds();
// The drive-thru ambience loop: fades in when on, out when off. Called every frame.
void SetAmbience(bool on);

// F2: sound off, or on again.
void ToggleSound();
bool SoundMuted();

// The volume of effects and ambience, in tenths (0 to 10); kept while muted.
void SetVolume(int tenths);
// F3 and F4: a tenth down or up, within 0 to 10; the new level comes back.
int ChangeVolume(int tenths);
