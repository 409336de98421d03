// The drawing state every screen relies on: current colour, clear colour,
// blending and lighting, mirrored here so that draws can be recorded (and
// played without OpenGL at all when useGL is false).
#pragma once

struct RenderState {  // program lifetime
    // Set before InitRenderer; with a context, the replay tool may turn it off
    // between frames (frames then recorded only) and on again with ReapplyGLState.
    bool useGL = true;
    float colour[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float clearColour[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    bool blending = false;
    bool lighting = false;
};
extern RenderState renderState;

// Colour by name: "Red", "Gray85", ... ("" keeps the current colour). Alpha 1.
void SetColourByName(const char* colourName);
// Colour given directly as red, green, blue (alpha 1).
void SetColour(float red, float green, float blue);
// Colour with an explicit alpha.
void SetColourRGBA(float red, float green, float blue, float alpha);
void SetBlending(bool on);
void SetLighting(bool on);
// The colour the next scene frame clears to.
void SetClearColour(float red, float green, float blue, float alpha);
// Gives OpenGL the mirrored colour, clear colour, blending and lighting again, as
// they stand after frames drawn without it.
void ReapplyGLState();

// The matrices a draw is placed with: sprites on the scene plane (the window's
// perspective, model-view moved five units back) or a string at (x, y) in the
// 640 x 480 text space. The text projection stays loaded from one string to the
// next until a sprite or the frame's end needs the window's own again. The
// model-view is loaded for every draw, even when it holds the same matrix: that
// ends the renderer's batch, and sprites batched together came out a few edge
// pixels different from the same sprites drawn one by one.
void UseSceneSpace();
void UseTextSpace(int x, int y);
// Ends a frame's drawing: the window's own projection is in force again, as
// the frame loop and a resize expect, and the next draw sets up its space.
void EndSceneFrame();

// The red, green and blue a colour name stands for; false for "" (no change).
bool ColourFromName(const char* colourName, float rgb[3]);
