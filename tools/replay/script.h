// The replay script: one command a line.
#pragma once
#include <string>
#include <vector>

struct Command {
    enum class Kind { Down, Up, Frames, Press, Minimize, Restore, Close, Resize, Dump, Draws, Shot, Sounds };
    Kind kind;
    std::vector<int> keys;  // down, up, press
    long long count = 0;    // frames
    int width = 0, height = 0;
    std::string file;       // shot
};

// Parses one line. Returns false with a message for a malformed line; an empty
// or comment-only line gives true and no command.
bool ParseLine(const std::string& line, std::vector<Command>& out, std::string& error);

// The code of a key name ("A", "ENTER", "KP3", "VK13"), or -1.
int KeyCodeFromName(const std::string& name);
// The name a script uses for a key code: the inverse of KeyCodeFromName.
std::string KeyNameFromCode(int code);
