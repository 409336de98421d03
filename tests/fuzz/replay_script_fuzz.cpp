// Fuzzes the replay script parser: any text, line by line as the replay tool
// reads it. A line is either commands within their limits or a message.
#include "shell/script.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool withinLimits(const Command& c)
{
    using Kind = Command::Kind;
    switch (c.kind) {
    case Kind::Down:
    case Kind::Up:
    case Kind::Press:  // the tool indexes its 256 keys with these
        return !c.keys.empty() && std::all_of(c.keys.begin(), c.keys.end(), [](int k) { return k >= 0 && k <= 255; });
    case Kind::Frames: return c.count >= 1;
    case Kind::Resize: return c.width >= 0 && c.height >= 0 && c.width <= 16384 && c.height <= 16384;
    case Kind::Shot: return !c.file.empty();
    default: return true;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    for (std::string line; std::getline(script, line);) {
        std::vector<Command> commands;
        std::string error;
        const bool ok = ParseLine(line, commands, error);
        if (ok != error.empty())
            std::abort();  // a refused line says why; an accepted one says nothing
        if (!ok && !commands.empty())
            std::abort();
        if (!std::all_of(commands.begin(), commands.end(), withinLimits))
            std::abort();
        // Key names round-trip whatever the line held.
        const int code = KeyCodeFromName(line);
        if (code < -1 || code > 255)
            std::abort();
    }
    return 0;
}
