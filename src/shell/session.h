// A played session recorded as a replay script, a recorded session played back
// in the game's window, and the game's final state written at exit.
#pragma once
#include "shell/command_line.h"
#include "shell/script.h"

#include <cstdio>
#include <string>
#include <vector>

struct SessionOptions {
    std::string recordPath;     // --record FILE
    std::string playPath;       // --play FILE
    std::string dumpAtExitPath; // --dump-at-exit FILE
    std::string timedemoPath;   // --timedemo FILE: played as fast as drawing allows, then timed
    bool mute = false;          // --mute: start with the sound off
    bool reducedFlashing = false;  // --reduced-flashing: steady colours, a red frame for a wrong bag
};

// The game's command line (the table of its options is in session.cpp): Run, or
// the help or a complaint was printed and the game exits at once.
CommandLine ParseSessionOptions(int argc, char** argv, SessionOptions& options);

class Session {
public:
    ~Session();
    // Reads the recording to play; false, with a message on standard error, when
    // it is not a recording.
    bool Start(const SessionOptions& options);
    // Once the window is open: opens the recording to write (false, with a message,
    // when it cannot be), so that a game that never started overwrites no file.
    bool StartRecording();
    // After each handled event, and before each frame pass.
    void AfterEvent();
    void BeforePass();
    bool Playing() const { return playing_; }
    // After the loop: the last frames of the recording and the final state.
    bool Finish();

private:
    void syncRecording();
    void writeFrames();
    void applyRecorded(const Command& command);

    SessionOptions options_;
    std::FILE* record_ = nullptr;
    long long pendingFrames_ = 0;
    bool recordedKeys_[256] = {};
    bool recordedActive_ = true;
    int recordedWidth_ = 800, recordedHeight_ = 600;

    std::vector<Command> playback_;
    size_t next_ = 0;
    long long framesLeft_ = 0;
    bool playing_ = false;

    long long passes_ = 0;
};
