// What the toolkit drew during the current scene frame, kept when recording is
// on (the replay tool and the tests read it; the game leaves it off).
#pragma once
#include <string>
#include <vector>

struct DrawRecord {
    enum class Kind { Clear, Text, Sprite, Stars } kind = Kind::Clear;
    int x = 0, y = 0, style = 0;  // text position and style
    std::string text;
    int index = 0;  // sprite
    float sceneX = 0.0f, sceneY = 0.0f, scale = 0.0f;
    float rgba[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    bool blend = false;
};

struct DrawLog {  // program lifetime; records are replaced at each scene frame
    bool enabled = false;
    std::vector<DrawRecord> records;
};
extern DrawLog drawLog;

// Starts a new frame's list (called by the scene frame).
void BeginDrawLog();
void LogDraw(DrawRecord record);
// A record of a kind in the current colour and blending.
DrawRecord RecordInCurrentState(DrawRecord::Kind kind);
