// The sound player: SDL2_mixer channels for the frame's events and one for the ambience.
#include "shell/sound_player.h"

#include "model/sound_events.h"
#include "render/picture_folders.h"
#include "shell/message_box.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>
#include <utility>

namespace {

constexpr int ambienceChannel = 0;
constexpr int effectChannels = 15;  // several at once: a busy frame and the ring of earlier ones
constexpr int effectGroup = 1;
constexpr int ambienceVolume = MIX_MAX_VOLUME / 3;

struct SoundPlayer {  // program lifetime
    bool muted = false;
    bool opened = false;      // an attempt to open the device was made
    bool playing = false;     // the device is open and the sounds loaded
    bool ambienceWanted = false;
    bool ambienceOn = false;
    int volume = 10;          // tenths
    std::array<Mix_Chunk*, soundTable.size()> chunks{};
    Mix_Chunk* ambience = nullptr;
    Mix_Chunk* waiting = nullptr;  // starts once `before` has ended on its channel
    Mix_Chunk* before = nullptr;
    int beforeChannel = -1;
};
SoundPlayer player;

// The folder beside the pictures: "Sounds/" when it is here, else "../Sounds/"; an
// installed game's in its data folder.
std::string soundFolder()
{
    if (pictureFolderUsed == 3)
        return DataFolder(3, "Sounds");
    const std::string probe = std::string("Sounds/") + soundTable[0].name + ".wav";
    if (SDL_RWops* file = SDL_RWFromFile(probe.c_str(), "rb")) {
        SDL_RWclose(file);
        return "Sounds/";
    }
    return "../Sounds/";
}

// Each sound that cannot be read stays silent and is named with its own reason;
// a folder with none of them is named once.
void loadSounds()
{
    const std::string folder = soundFolder();
    std::vector<std::string> failures;
    int missing = 0;
    auto load = [&](const char* name) {
        const std::string path = folder + name + ".wav";
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (chunk == nullptr) {
            std::error_code error;
            const bool there = std::filesystem::exists(path, error);
            missing += there ? 0 : 1;
            failures.push_back(path + ": " + (there ? Mix_GetError() : "missing") + "; it stays silent");
        }
        return chunk;
    };
    for (size_t i = 0; i < soundTable.size(); ++i)
        player.chunks[i] = load(soundTable[i].name);
    player.ambience = load(ambienceName);
    if (missing == static_cast<int>(soundTable.size()) + 1) {
        SayOnStderr(folder + ": no sounds there; the game plays silently");
        return;
    }
    for (const std::string& failure : failures)
        SayOnStderr(failure);
}

// The master volume scales every channel, so the ambience keeps its place under the effects.
void applyVolume()
{
    if (player.opened)
        Mix_MasterVolume(MIX_MAX_VOLUME * player.volume / 10);
}

void openDevice()
{
    player.opened = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        SayOnStderr(std::string("no audio device, playing without sound (") + SDL_GetError() + ")");
        return;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SayOnStderr(std::string("the sound mixer cannot open, playing without sound (") + Mix_GetError() + ")");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1 + effectChannels);
    Mix_ReserveChannels(1);
    Mix_GroupChannels(1, effectChannels, effectGroup);
    Mix_Volume(ambienceChannel, ambienceVolume);
    applyVolume();
    loadSounds();
    player.playing = true;
}

// Returns the channel the sound started on, or -1.
int startEffect(Mix_Chunk* chunk)
{
    const int channel = Mix_PlayChannel(-1, chunk, 0);
    if (channel >= 0)
        return channel;
    // Every channel busy: the oldest sound gives way to the newest.
    const int oldest = Mix_GroupOldest(effectGroup);
    if (oldest >= 0) {
        Mix_HaltChannel(oldest);
        return Mix_PlayChannel(oldest, chunk, 0);
    }
    return -1;
}

// Sounds that drown each other when one frame asks for both: the second waits for
// the first to end.
constexpr std::pair<SoundEvent, SoundEvent> kOneAfterTheOther[] = {
    {SoundEvent::DriveThruClosed, SoundEvent::DayOver},
};

// The sound of this frame that `event` must wait for, if one was started.
const SoundEvent* startedBefore(SoundEvent event, const std::array<int, soundTable.size()>& channels)
{
    for (const auto& pair : kOneAfterTheOther)
        if (pair.second == event && channels[static_cast<size_t>(pair.first)] >= 0)
            return &pair.first;
    return nullptr;
}

// Once the sound it waits for has ended (or given its channel to a newer one).
void startWaitingSound()
{
    if (player.waiting == nullptr)
        return;
    if (Mix_Playing(player.beforeChannel) && Mix_GetChunk(player.beforeChannel) == player.before)
        return;
    startEffect(player.waiting);
    player.waiting = nullptr;
}

}  // namespace

void InitSound(bool muted)
{
    player.muted = muted;
    if (!muted)
        openDevice();
}

void ShutDownSound()
{
    if (!player.playing)
        return;
    Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : player.chunks) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_FreeChunk(player.ambience);
    player.ambience = nullptr;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    const int volume = player.volume;
    player = SoundPlayer{};
    player.volume = volume;
}

void PlayQueuedSounds()
{
    if (!player.playing || player.muted) {
        player.waiting = nullptr;
        return;
    }
    startWaitingSound();
    // The same sound twice at the same instant is only louder: once is enough.
    std::array<bool, soundTable.size()> started{};
    std::array<int, soundTable.size()> channels;
    channels.fill(-1);
    for (SoundEvent event : soundQueue) {
        const size_t i = static_cast<size_t>(event);
        if (i >= soundTable.size() || started[i] || player.chunks[i] == nullptr)
            continue;
        started[i] = true;
        if (const SoundEvent* first = startedBefore(event, channels)) {
            player.waiting = player.chunks[i];
            player.before = player.chunks[static_cast<size_t>(*first)];
            player.beforeChannel = channels[static_cast<size_t>(*first)];
        } else {
            channels[i] = startEffect(player.chunks[i]);
        }
    }
}

void SetAmbience(bool on)
{
    player.ambienceWanted = on;
    if (!player.playing || player.muted || player.ambience == nullptr || on == player.ambienceOn)
        return;
    if (on)
        Mix_FadeInChannel(ambienceChannel, player.ambience, -1, 800);
    else
        Mix_FadeOutChannel(ambienceChannel, 300);
    player.ambienceOn = on;
}

void ToggleSound()
{
    player.muted = !player.muted;
    if (player.muted) {
        if (player.playing)
            Mix_HaltChannel(-1);
        player.ambienceOn = false;
        return;
    }
    if (!player.opened)
        openDevice();
    SetAmbience(player.ambienceWanted);
}

bool SoundMuted()
{
    return player.muted;
}

void SetVolume(int tenths)
{
    player.volume = tenths < 0 ? 0 : tenths > 10 ? 10 : tenths;
    if (player.playing)
        applyVolume();
}

int ChangeVolume(int tenths)
{
    SetVolume(player.volume + tenths);
    return player.volume;
}
