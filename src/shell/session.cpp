// Recording and playing back sessions of the game.
#include "shell/session.h"

#include "shell/dump.h"
#include "shell/message_box.h"
#include "shell/platform.h"
#include "shell/shell_state.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

// The game's options: adding one is a row here and a field of SessionOptions.
const OptionRow<SessionOptions> kOptions[] = {
    {{"--mute", nullptr, FileUse::None, "start with the sound off"}, &SessionOptions::mute},
    {{"--reduced-flashing", nullptr, FileUse::None, "steady colours on the strip, a red frame for a wrong bag"},
     &SessionOptions::reducedFlashing},
    {{"--record", "FILE", FileUse::Output, "write the session to FILE as a replay script"}, &SessionOptions::recordPath},
    {{"--play", "FILE", FileUse::Script, "show the game recorded in FILE, then play on"}, &SessionOptions::playPath},
    {{"--dump-at-exit", "FILE", FileUse::Output, "at the end, write the game's state to FILE as one line of JSON"},
     &SessionOptions::dumpAtExitPath},
    {{"--timedemo", "FILE", FileUse::Script, "play FILE as fast as frames draw, then print the frame times"},
     &SessionOptions::timedemoPath},
};

}  // namespace

CommandLine ParseSessionOptions(int argc, char** argv, SessionOptions& options)
{
    const ProgramSyntax syntax{"A keyboard-only drive-thru restaurant game."};
    std::string noOperand;
    return ReadOptions<SessionOptions>(argc, argv, kOptions, syntax, options, noOperand);
}

Session::~Session()
{
    if (record_ != nullptr)
        std::fclose(record_);
}

bool Session::Start(const SessionOptions& options)
{
    options_ = options;
    if (!options.playPath.empty()) {
        if (!ReadRecording(options.playPath, playback_, program_invocation_short_name))
            return false;
        playing_ = true;
        playerKeysIgnored = true;
    }
    return true;
}

bool Session::StartRecording()
{
    if (options_.recordPath.empty())
        return true;
    record_ = std::fopen(options_.recordPath.c_str(), "w");
    if (record_ == nullptr) {
        SayOnStderr(options_.recordPath + ": cannot write: " + std::strerror(errno));
        return false;
    }
    std::fprintf(record_, "# A game of Quorvel, recorded; quorvel-replay plays it back.\n");
    return true;
}

void Session::writeFrames()
{
    if (pendingFrames_ > 0)
        std::fprintf(record_, "frames %lld\n", pendingFrames_);
    pendingFrames_ = 0;
}

// Writes what changed since the last look: key changes, minimise and restore,
// a new window size.
void Session::syncRecording()
{
    if (record_ == nullptr)
        return;
    auto line = [this](const std::string& text) {
        writeFrames();
        std::fprintf(record_, "%s\n", text.c_str());
    };
    for (int code = 0; code < 256; ++code)
        if (keys[code] != recordedKeys_[code]) {
            recordedKeys_[code] = keys[code];
            line((keys[code] ? "down " : "up ") + KeyNameFromCode(code));
        }
    if (shell.windowActive != recordedActive_) {
        recordedActive_ = shell.windowActive;
        line(shell.windowActive ? "restore" : "minimize");
    }
    int width = 0, height = 0;
    GameWindowSize(width, height);
    if (width > 0 && height > 0 && (width != recordedWidth_ || height != recordedHeight_)) {
        recordedWidth_ = width;
        recordedHeight_ = height;
        line("resize " + std::to_string(width) + " " + std::to_string(height));
    }
    std::fflush(record_);
}

void Session::AfterEvent()
{
    syncRecording();
    // Done after an event is the window's close; the closing screen ends the
    // loop by itself in a frame.
    if (record_ != nullptr && shell.done) {
        writeFrames();
        std::fprintf(record_, "close\n");
    }
}

void Session::applyRecorded(const Command& c)
{
    switch (c.kind) {
    case Command::Kind::Down:
        for (int k : c.keys) keys[k] = true;
        break;
    case Command::Kind::Up:
        for (int k : c.keys) keys[k] = false;
        break;
    case Command::Kind::Frames: framesLeft_ = c.count; break;
    case Command::Kind::Press: {
        // Down, a frame, up, a frame: the rest waits for the frame to pass.
        for (int k : c.keys) keys[k] = true;
        framesLeft_ = 1;
        Command up = c, frame = c;
        up.kind = Command::Kind::Up;
        frame.kind = Command::Kind::Frames;
        frame.count = 1;
        playback_.insert(playback_.begin() + static_cast<long>(next_), {up, frame});
        break;
    }
    case Command::Kind::Minimize: shell.windowActive = false; break;
    case Command::Kind::Restore: shell.windowActive = true; break;
    case Command::Kind::Close: next_ = playback_.size(); break;  // the player carries on instead
    default: break;  // the window keeps the player's size; dumps and shots are the replay tool's
    }
}

void Session::BeforePass()
{
    if (playing_) {
        while (framesLeft_ == 0 && next_ < playback_.size())
            applyRecorded(playback_[next_++]);
        if (framesLeft_ > 0) {
            --framesLeft_;
        } else {
            // The recording is over: the player takes over, with no key held.
            playing_ = false;
            playerKeysIgnored = false;
            std::memset(keys, 0, sizeof keys);
            shell.windowActive = true;
        }
    }
    syncRecording();
    ++passes_;
    if (record_ != nullptr)
        ++pendingFrames_;
}

bool Session::Finish()
{
    if (record_ != nullptr) {
        syncRecording();
        writeFrames();
        std::fclose(record_);
        record_ = nullptr;
    }
    if (options_.dumpAtExitPath.empty())
        return true;
    std::ofstream file(options_.dumpAtExitPath);
    file << DumpState(passes_).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    file.flush();
    if (!file) {
        SayOnStderr(options_.dumpAtExitPath + ": cannot write: " + std::strerror(errno));
        return false;
    }
    return true;
}
