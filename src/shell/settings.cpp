// The settings file: its format, where it lives, reading it at start and writing it on change.
#include "shell/settings.h"

#include "shell/message_box.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

Settings settings;
bool reducedFlashingThisRun = false;

namespace {

bool settingsFileUsed = false;

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool readBool(const std::string& value, bool& out)
{
    if (value != "on" && value != "off")
        return false;
    out = value == "on";
    return true;
}

bool readInt(const std::string& value, int low, int high, int& out)
{
    int number = 0;
    const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (failure != std::errc() || end != value.data() + value.size() || number < low || number > high)
        return false;
    out = number;
    return true;
}

// False when the value does not suit the key; unknown keys are accepted and ignored.
bool readValue(const std::string& key, const std::string& value, Settings& s, std::string& expected)
{
    expected = "on or off";
    if (key == "sound") return readBool(value, s.soundOn);
    if (key == "full_screen") return readBool(value, s.fullScreen);
    if (key == "reduced_flashing") return readBool(value, s.reducedFlashing);
    expected = "a whole number from 0 to 10";
    if (key == "volume") return readInt(value, 0, 10, s.volume);
    expected = "a whole number from 64 to 16384";
    if (key == "window_width") return readInt(value, 64, 16384, s.windowWidth);
    if (key == "window_height") return readInt(value, 64, 16384, s.windowHeight);
    return true;
}

const char* onOff(bool value) { return value ? "on" : "off"; }

}  // namespace

bool ParseSettings(const std::string& text, Settings& out, std::string& error)
{
    Settings read;
    std::istringstream lines(text);
    std::string line, expected;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const size_t equals = line.find('=');
        const std::string where = "line " + std::to_string(number) + ": ";
        if (equals == std::string::npos) {
            error = where + "no '=' in \"" + line + "\"";
            return false;
        }
        const std::string key = trimmed(line.substr(0, equals)), value = trimmed(line.substr(equals + 1));
        if (!readValue(key, value, read, expected)) {
            error = where + key + " is \"" + value + "\", not " + expected;
            return false;
        }
    }
    out = read;
    return true;
}

std::string FormatSettings(const Settings& s)
{
    std::ostringstream text;
    text << "# Quorvel's settings, written by the game when one changes.\n"
         << "sound = " << onOff(s.soundOn) << "\n"
         << "volume = " << s.volume << "\n"
         << "full_screen = " << onOff(s.fullScreen) << "\n"
         << "window_width = " << s.windowWidth << "\n"
         << "window_height = " << s.windowHeight << "\n"
         << "reduced_flashing = " << onOff(s.reducedFlashing) << "\n";
    return text.str();
}

std::string SettingsPath()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')  // a relative one is to be ignored
        return std::string(config) + "/quorvel/settings.conf";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config/quorvel/settings.conf";
    return "";
}

void LoadSettings()
{
    settingsFileUsed = true;
    settings = Settings{};
    const std::string path = SettingsPath();
    std::error_code exists;
    if (path.empty() || !std::filesystem::exists(path, exists))
        return;
    std::ifstream file(path);
    std::string reason;
    if (!std::filesystem::is_regular_file(path, exists)) {
        reason = "cannot read: not a file";
    } else if (!file.is_open()) {
        reason = std::string("cannot read: ") + std::strerror(errno);
    } else {
        std::stringstream text;
        text << file.rdbuf();
        if (ParseSettings(text.str(), settings, reason))
            return;
    }
    settings = Settings{};
    SayOnStderr(path + ": " + reason + "; using the defaults");
}

void SaveSettings()
{
    const std::string path = SettingsPath();
    if (!settingsFileUsed || path.empty())
        return;
    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), made);
    // Written beside and renamed over, so that a crash mid-write leaves the old file whole.
    const std::string temporary = path + ".new";
    std::ofstream file(temporary);
    file << FormatSettings(settings);
    file.close();
    std::error_code renamed;
    if (file)
        std::filesystem::rename(temporary, path, renamed);
    if (!file || renamed)
        SayOnStderr(path + ": cannot write: " + (renamed ? renamed.message() : std::strerror(errno)));
}
