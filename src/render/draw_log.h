// What the toolkit drew during the current scene frame: every draw with the state
// it was drawn in, enough to draw the frame again (the shell's present step does,
// whole or within what changed) and to print it (the replay tool and the tests).
#pragma once
#include "render/scene.h"

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
    bool lighting = false;  // not printed: only the credits light what they draw

    bool operator==(const DrawRecord&) const = default;
};

struct DrawLog {  // program lifetime; records are replaced at each scene frame
    // Records are taken while the frame is drawn, not while the present step draws them again.
    bool enabled = false;
    std::vector<DrawRecord> records;
    // The star field a Stars record stands for.
    float starTilt = 0.0f;
    std::vector<StarQuad> stars;
};
extern DrawLog drawLog;

// Starts a new frame's list (called by the scene frame).
void BeginDrawLog();
void LogDraw(DrawRecord record);
// A record of a kind in the current colour, blending and lighting.
DrawRecord RecordInCurrentState(DrawRecord::Kind kind);
