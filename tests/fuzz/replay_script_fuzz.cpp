// Fuzzes the replay script parser: any text, line by line as the replay tool
// reads it. A line is either commands within their limits or a message.
#include "script.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void checkCommand(const Command& c)
{
    switch (c.kind) {
    case Command::Kind::Down:
    case Command::Kind::Up:
    case Command::Kind::Press:
        if (c.keys.empty())
            std::abort();
        for (int k : c.keys)
            if (k < 0 || k > 255)
                std::abort();  // the tool indexes its 256 keys with these
        break;
    case Command::Kind::Frames:
        if (c.count < 1)
            std::abort();
        break;
    case Command::Kind::Resize:
        if (c.width < 0 || c.height < 0 || c.width > 16384 || c.height > 16384)
            std::abort();
        break;
    case Command::Kind::Shot:
        if (c.file.empty())
            std::abort();
        break;
    default:
        break;
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
        for (const Command& c : commands)
            checkCommand(c);
        // Key names round-trip whatever the line held.
        const int code = KeyCodeFromName(line);
        if (code < -1 || code > 255)
            std::abort();
    }
    return 0;
}
