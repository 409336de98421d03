// The replay script: one command a line.
#pragma once
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

// "PATH OP VALUE": a value of the state object (or of the draw records, under
// the path "draws") compared with a JSON value.
struct Condition {
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Contains, Lacks };
    std::vector<std::string> path;  // keys, array indices (negative from the end), "size" for a size
    Op op = Op::Equal;
    nlohmann::json value;
    std::string text;               // as written, for messages
};

struct Command {
    enum class Kind { Down, Up, Frames, Press, Minimize, Restore, Close, Resize, Dump, Draws, Shot, Sounds, Until, Expect };
    Kind kind;
    std::vector<int> keys;  // down, up, press
    long long count = 0;    // frames; the frame limit of until
    int width = 0, height = 0;
    std::string file;       // shot
    Condition condition;    // until, expect
};

// Parses one line. Returns false with a message for a malformed line; an empty
// or comment-only line gives true and no command.
bool ParseLine(const std::string& line, std::vector<Command>& out, std::string& error);

// The commands of a recording (a replay script); false, with a message naming
// the file and the line on standard error after "program: ", when it cannot be read.
bool ReadRecording(const std::string& path, std::vector<Command>& commands, const char* program);

// The code of a key name ("A", "ENTER", "KP3", "VK13"), or -1.
int KeyCodeFromName(const std::string& name);
// The name a script uses for a key code: the inverse of KeyCodeFromName.
std::string KeyNameFromCode(int code);
