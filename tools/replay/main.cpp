// quorvel-replay: runs the game's own frame pass against a script of key
// changes and window events, headless, and prints the state and the draws.
#include "condition.h"
#include "shot.h"

#include "render/draw_log.h"
#include "render/render_state.h"
#include "render/textures.h"
#include "shell/command_line.h"
#include "shell/dump.h"
#include "shell/frame_loop.h"
#include "shell/frame_present.h"
#include "shell/message_box.h"
#include "shell/script.h"
#include "shell/shell_state.h"
#include "shell/reset_all.h"
#include "shell/start_up.h"

#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void printJson(const nlohmann::json& value)
{
    std::string text = value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

// A shot shows the last frame drawn; so may one after a minimised stretch or a close.
bool ShowsLastFrame(const Command& c)
{
    using K = Command::Kind;
    return c.kind == K::Shot || c.kind == K::Minimize || c.kind == K::Close;
}

// The script's lines; with look-ahead, it can tell whether the next command is a shot.
class ScriptLines {
public:
    ScriptLines(std::istream& in, bool lookAhead) : in_(in), lookAhead_(lookAhead) {}
    bool next(std::string& line)
    {
        if (!ahead_.empty()) {
            line = std::move(ahead_.front());
            ahead_.pop_front();
            return true;
        }
        return static_cast<bool>(std::getline(in_, line));
    }
    // Whether the first command after the current line shows the last frame drawn
    // (false without look-ahead).
    bool shotFollows()
    {
        if (!lookAhead_)
            return false;
        for (size_t i = 0;; ++i) {
            std::string line;
            if (i == ahead_.size() && !std::getline(in_, line))
                return false;
            if (i == ahead_.size())
                ahead_.push_back(std::move(line));
            std::vector<Command> commands;
            std::string error;
            if (!ParseLine(ahead_[i], commands, error))
                return false;
            if (!commands.empty())
                return ShowsLastFrame(commands[0]);
        }
    }

private:
    std::istream& in_;
    bool lookAhead_;
    std::deque<std::string> ahead_;
};

// Runs the commands of a script against the game's frame pass.
class Replay {
public:
    // With drawShotsOnly, OpenGL draws only the frames a shot will show; the others
    // are recorded only, as without OpenGL. Drawing changes nothing but the pixels.
    explicit Replay(bool drawShotsOnly) : drawShotsOnly_(drawShotsOnly) {}
    // Whether the command after the one about to run shows the last frame drawn.
    void setShotNext(bool shotNext) { shotNext_ = shotNext; }

    // False, with the error, when the command could not be carried out.
    bool run(const Command& c, std::string& error)
    {
        switch (c.kind) {
        case Command::Kind::Down: setKeys(c.keys, true); break;
        case Command::Kind::Up: setKeys(c.keys, false); break;
        case Command::Kind::Frames: runFrames(c.count); break;
        case Command::Kind::Press:
            setKeys(c.keys, true);
            runFrames(1);
            setKeys(c.keys, false);
            runFrames(1);
            break;
        case Command::Kind::Minimize: shell.windowActive = false; break;
        case Command::Kind::Restore: shell.windowActive = true; break;
        case Command::Kind::Close: shell.done = true; break;
        // The picture is the same in a window of any size (scaled, with bars):
        // the offscreen window keeps drawing it at 800 x 600 for shot.
        case Command::Kind::Resize: break;
        case Command::Kind::Dump: printJson(DumpState(frame_)); break;
        case Command::Kind::Draws: printJson(DumpDraws()); break;
        case Command::Kind::Sounds: printJson(DumpSounds()); break;
        case Command::Kind::Shot:
            if (!shownWithGL_) {
                error = "shot: the frame it would show was not drawn with OpenGL";
                return false;
            }
            return WriteShot(c.file, error);
        case Command::Kind::Until: return runUntil(c.condition, c.count, error);
        case Command::Kind::Expect: {
            const nlohmann::json value = ConditionValue(c.condition, frame_);
            if (ConditionHolds(c.condition, value))
                return true;
            error = "expected " + c.condition.text + ", found " + value.dump();
            return false;
        }
        }
        return true;
    }

private:
    static void setKeys(const std::vector<int>& codes, bool down)
    {
        for (int k : codes)
            keys[k] = down;
    }
    // Once the loop's done flag is set, passes do nothing and are not counted.
    void runFrames(long long count, bool toTheEnd = true)
    {
        for (long long i = 0; i < count && !shell.done; ++i) {
            if (drawShotsOnly_)
                useGL(shotNext_ && (i == count - 1 || !toTheEnd));
            if (FramePass())
                shownWithGL_ = renderState.useGL;
            ++frame_;
        }
    }

    static void useGL(bool on)
    {
        if (on && !renderState.useGL) {
            renderState.useGL = true;
            ReapplyGLState();
        }
        renderState.useGL = on;
    }

    // Frame passes until the condition holds (none when it already does).
    bool runUntil(const Condition& condition, long long limit, std::string& error)
    {
        for (long long run = 0; !ConditionHolds(condition, ConditionValue(condition, frame_)); ++run) {
            if (run == limit || shell.done) {
                error = "until " + condition.text + ": still " + ConditionValue(condition, frame_).dump() +
                        " after " + std::to_string(run) + " frames";
                return false;
            }
            runFrames(1, false);
        }
        return true;
    }

    long long frame_ = 0;
    bool drawShotsOnly_;
    bool shotNext_ = false;
    bool shownWithGL_ = true;
};

struct ReplayOptions {
    bool noGL = false;
    bool drawShotsOnly = false;
    bool reducedFlashing = false;
    bool wholeFrames = false;
    std::string scriptPath;  // "" for standard input
};

// The tool's options: adding one is a row here and a field of ReplayOptions.
const OptionRow<ReplayOptions> kOptions[] = {
    {{"--no-gl", nullptr, FileUse::None, "make no OpenGL context: the same output, but no shot"},
     &ReplayOptions::noGL},
    {{"--draw-shots-only", nullptr, FileUse::None, "draw with OpenGL only the frames a shot shows"},
     &ReplayOptions::drawShotsOnly},
    {{"--reduced-flashing", nullptr, FileUse::None, "draw finished items steady and a wrong bag as a red frame"},
     &ReplayOptions::reducedFlashing},
    {{"--whole-frames", nullptr, FileUse::None, "draw every frame whole, not only where it changed"},
     &ReplayOptions::wholeFrames},
};

}  // namespace

int main(int argc, char** argv)
{
    ReplayOptions options;
    const ProgramSyntax syntax{"Runs Quorvel headless against a script of key presses and prints what it did.",
                               "SCRIPT", "the script to run; standard input when none is given or it is -"};
    const CommandLine commandLine = ReadOptions<ReplayOptions>(argc, argv, kOptions, syntax, options, options.scriptPath);
    if (commandLine != CommandLine::Run)
        return ExitStatus(commandLine);
    std::ifstream file;
    if (!options.scriptPath.empty())
        file.open(options.scriptPath);
    std::istream& script = options.scriptPath.empty() ? std::cin : file;
    const bool withGL = !options.noGL;
    const bool drawShotsOnly = options.drawShotsOnly && withGL;

    ResetAll();  // every script starts from the state a fresh run of the game starts from
    shell.drawOptions.reducedFlashing = options.reducedFlashing;
    drawFramesWhole = options.wholeFrames;
    if (!StartUp(withGL ? StartMode::Offscreen : StartMode::NoGL))
        return 1;
    drawLog.enabled = true;

    Replay replay(drawShotsOnly);
    ScriptLines lines(script, drawShotsOnly);
    std::string line;
    for (int lineNumber = 1; lines.next(line); ++lineNumber) {
        std::vector<Command> commands;
        std::string error;
        bool ok = ParseLine(line, commands, error);
        if (ok && !withGL && !commands.empty() && commands[0].kind == Command::Kind::Shot) {
            ok = false;
            error = "shot needs OpenGL (run without --no-gl)";
        }
        for (size_t i = 0; ok && i < commands.size(); ++i) {
            const bool last = i + 1 == commands.size();
            replay.setShotNext(last ? drawShotsOnly && lines.shotFollows()
                                    : ShowsLastFrame(commands[i + 1]));
            ok = replay.run(commands[i], error);
        }
        if (!ok) {
            std::fflush(stdout);
            std::fprintf(stderr, "quorvel-replay: line %d: %s\n", lineNumber, error.c_str());
            return 2;
        }
    }
    std::fflush(stdout);
    // The window and context are left to the process exit: releasing them unloads the
    // GL driver, after which its own small leaks can no longer be told apart from ours.
    return 0;
}
