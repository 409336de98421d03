// The player's settings kept between runs (sound, volume, full screen, window size,
// reduced flashing) and the file that holds them; never the game's own options.
#pragma once
#include <string>

struct Settings {
    bool soundOn = true;
    int volume = 10;  // in tenths of the full volume, 0 to 10
    bool fullScreen = false;
    int windowWidth = 800, windowHeight = 600;
    bool reducedFlashing = false;
    bool operator==(const Settings&) const = default;
};

// "key = value" lines, '#' comments; keys it does not know are left for newer
// versions. False, with the reason naming the line, for anything else.
bool ParseSettings(const std::string& text, Settings& settings, std::string& error);
std::string FormatSettings(const Settings& settings);
// $XDG_CONFIG_HOME/quorvel/settings.conf, else ~/.config/quorvel/settings.conf; "" with neither.
std::string SettingsPath();

// What the player chose, as the file keeps it: command-line flags change the run, not this.
extern Settings settings;
// Reduced flashing for this run: the setting, or --reduced-flashing; the drawing reads it.
extern bool reducedFlashingThisRun;

// Only the game calls it, so the replay tool and benchmarks never read or write the
// file. A missing file gives the defaults quietly; a damaged or unreadable one says so
// in one line on standard error and gives the defaults.
void LoadSettings();
// Writes the file after a change (a line on standard error when it cannot); nothing
// before LoadSettings.
void SaveSettings();
