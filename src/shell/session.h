// A played session recorded as a replay script, a recorded session played back
// in the game's window, and the game's final state written at exit.
#pragma once
#include "shell/script.h"

#include <cstdio>
#include <string>
#include <vector>

struct SessionOptions {
    std::string recordPath;     // --record FILE
    std::string playPath;       // --play FILE
    std::string dumpAtExitPath; // --dump-at-exit FILE
    bool mute = false;          // --mute: start with the sound off
};

// False, with a message on standard error, for an option that lacks its file; an
// option the game does not know is ignored with a message.
bool ParseSessionOptions(int argc, char** argv, SessionOptions& options);

class Session {
public:
    ~Session();
    // Reads the recording to play and opens the one to write; false, with a
    // message on standard error, when either cannot be done.
    bool Start(const SessionOptions& options);
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
