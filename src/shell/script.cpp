// Parsing the replay script.
#include "shell/script.h"

#include "model/key_codes.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, int> kNamedKeys = {
    {"BACKSPACE", Key::Backspace}, {"TAB", Key::Tab},   {"ENTER", Key::Enter},
    {"SHIFT", Key::Shift},         {"ESCAPE", Key::Escape}, {"SPACE", Key::Space},
    {"PAGEUP", Key::PageUp},       {"PAGEDOWN", Key::PageDown}, {"END", Key::End},
    {"HOME", Key::Home},           {"LEFT", Key::Left},  {"UP", Key::Up},
    {"RIGHT", Key::Right},         {"DOWN", Key::Down},  {"DELETE", Key::Delete},
    {"F1", Key::F1},
};

}  // namespace

std::string KeyNameFromCode(int code)
{
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    if (code >= Key::Keypad0 && code <= Key::Keypad0 + 9)
        return "KP" + std::to_string(code - Key::Keypad0);
    for (const auto& [name, named] : kNamedKeys)
        if (named == code)
            return name;
    return "VK" + std::to_string(code);
}

int KeyCodeFromName(const std::string& name)
{
    const std::map<std::string, int>& named = kNamedKeys;
    if (name.size() == 1) {
        char c = name[0];
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            return c;
        return -1;
    }
    if (auto it = named.find(name); it != named.end())
        return it->second;
    if (name.size() == 3 && name.compare(0, 2, "KP") == 0 && std::isdigit(static_cast<unsigned char>(name[2])))
        return Key::Keypad0 + (name[2] - '0');
    if (name.size() > 2 && name.size() <= 5 && name.compare(0, 2, "VK") == 0) {
        int code = 0;
        for (size_t i = 2; i < name.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(name[i])))
                return -1;
            code = code * 10 + (name[i] - '0');
        }
        return code <= 255 ? code : -1;
    }
    return -1;
}

namespace {

// A word of the script as a message quotes it: bytes that are not printable as
// \xNN, and no more than a few dozen of them, so that a file of another kind is
// never poured onto the terminal.
std::string printable(const std::string& word)
{
    constexpr size_t kMaxShown = 40;
    std::string shown;
    for (size_t i = 0; i < word.size() && i < kMaxShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7f) {
            shown += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    return word.size() > kMaxShown ? shown + "..." : shown;
}

bool parseCount(const std::string& word, long long& value)
{
    if (word.empty() || word.size() > 12)
        return false;
    value = 0;
    for (char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// "PATH OP VALUE [within N]" from the words after the command's name; VALUE is
// taken from the line as written, so the blanks inside a JSON string stay.
bool parseCondition(const std::string& line, const std::vector<std::string>& w, const std::vector<size_t>& starts,
                    bool withLimit, Command& c, std::string& error)
{
    static const std::map<std::string, Condition::Op> ops = {
        {"==", Condition::Op::Equal},       {"!=", Condition::Op::NotEqual},
        {"<", Condition::Op::Less},         {"<=", Condition::Op::LessEqual},
        {">", Condition::Op::Greater},      {">=", Condition::Op::GreaterEqual},
        {"contains", Condition::Op::Contains}, {"lacks", Condition::Op::Lacks}};
    size_t end = w.size();
    c.count = 100000;
    if (withLimit && end >= 6 && w[end - 2] == "within") {
        if (!parseCount(w[end - 1], c.count) || c.count < 1) {
            error = "within needs a count of at least 1";
            return false;
        }
        end -= 2;
    }
    auto op = w.size() >= 4 ? ops.find(w[2]) : ops.end();
    if (end < 4 || op == ops.end()) {
        error = w[0] + " needs a path, a comparison (== != < <= > >= contains lacks) and a value";
        return false;
    }
    const size_t valueEnd = end < w.size() ? starts[end] : line.size();
    std::string value = line.substr(starts[3], valueEnd - starts[3]);
    value.erase(value.find_last_not_of(" \t\r") + 1);
    c.condition.value = nlohmann::json::parse(value, nullptr, false);
    if (c.condition.value.is_discarded()) {
        error = "not a JSON value: " + printable(value);
        return false;
    }
    std::istringstream segments(w[1]);
    for (std::string segment; std::getline(segments, segment, '.');)
        c.condition.path.push_back(segment);
    c.condition.op = op->second;
    c.condition.text = w[1] + " " + w[2] + " " + value;
    return true;
}

// A line without its comment, split into words.
struct Line {
    std::string text;
    std::vector<std::string> w;
    std::vector<size_t> starts;  // where each word starts in text
};

Line splitLine(const std::string& rawLine)
{
    Line l;
    l.text = rawLine.substr(0, rawLine.find('#'));
    std::istringstream words(l.text);
    for (std::string word; words >> std::ws, words >> word;) {
        const std::streamoff end = words.tellg();
        l.starts.push_back((end < 0 ? l.text.size() : static_cast<size_t>(end)) - word.size());
        l.w.push_back(word);
    }
    return l;
}

// Each command's arguments, read into a command whose kind is already set.
bool parseKeys(const Line& l, Command& c, std::string& error)
{
    if (l.w.size() < 2) {
        error = l.w[0] + " needs at least one key";
        return false;
    }
    for (size_t i = 1; i < l.w.size(); ++i) {
        int code = KeyCodeFromName(l.w[i]);
        if (code < 0) {
            error = "unknown key '" + printable(l.w[i]) + "'";
            return false;
        }
        c.keys.push_back(code);
    }
    return true;
}

bool parseFrames(const Line& l, Command& c, std::string& error)
{
    if (l.w.size() != 2 || !parseCount(l.w[1], c.count) || c.count < 1) {
        error = "frames needs a count of at least 1";
        return false;
    }
    return true;
}

bool parseResize(const Line& l, Command& c, std::string& error)
{
    long long width, height;
    if (l.w.size() != 3 || !parseCount(l.w[1], width) || !parseCount(l.w[2], height) || width > 16384 ||
        height > 16384) {
        error = "resize needs a width and a height";
        return false;
    }
    c.width = static_cast<int>(width);
    c.height = static_cast<int>(height);
    return true;
}

bool parseShot(const Line& l, Command& c, std::string& error)
{
    if (l.w.size() != 2) {
        error = "shot needs one file name";
        return false;
    }
    c.file = l.w[1];
    return true;
}

bool parseUntilOrExpect(const Line& l, Command& c, std::string& error)
{
    return parseCondition(l.text, l.w, l.starts, c.kind == Command::Kind::Until, c, error);
}

bool parseNoArguments(const Line& l, Command&, std::string& error)
{
    if (l.w.size() == 1)
        return true;
    error = l.w[0] + " takes no arguments";
    return false;
}

struct Syntax {
    Command::Kind kind;
    bool (*parse)(const Line&, Command&, std::string&);
};

using K = Command::Kind;
const std::map<std::string, Syntax> kCommands = {
    {"down", {K::Down, parseKeys}},                 {"up", {K::Up, parseKeys}},
    {"press", {K::Press, parseKeys}},               {"frames", {K::Frames, parseFrames}},
    {"resize", {K::Resize, parseResize}},           {"shot", {K::Shot, parseShot}},
    {"until", {K::Until, parseUntilOrExpect}},      {"expect", {K::Expect, parseUntilOrExpect}},
    {"minimize", {K::Minimize, parseNoArguments}},  {"restore", {K::Restore, parseNoArguments}},
    {"close", {K::Close, parseNoArguments}},        {"dump", {K::Dump, parseNoArguments}},
    {"draws", {K::Draws, parseNoArguments}},        {"sounds", {K::Sounds, parseNoArguments}},
};

}  // namespace

bool ParseLine(const std::string& rawLine, std::vector<Command>& out, std::string& error)
{
    const Line line = splitLine(rawLine);
    if (line.w.empty())
        return true;
    const auto syntax = kCommands.find(line.w[0]);
    if (syntax == kCommands.end()) {
        error = "unknown command '" + printable(line.w[0]) + "'";
        return false;
    }
    Command c{};
    c.kind = syntax->second.kind;
    if (!syntax->second.parse(line, c, error))
        return false;
    out.push_back(c);
    return true;
}

bool ReadRecording(const std::string& path, std::vector<Command>& commands, const char* program)
{
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "%s: %s: cannot read: %s\n", program, path.c_str(), std::strerror(errno));
        return false;
    }
    std::string line, error;
    for (int lineNumber = 1; std::getline(file, line); ++lineNumber)
        if (!ParseLine(line, commands, error)) {
            std::fprintf(stderr, "%s: %s: not a recording: line %d: %s\n", program, path.c_str(), lineNumber,
                         error.c_str());
            return false;
        }
    return true;
}
