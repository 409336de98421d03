// The platform layer: window, OpenGL context, events and clock, on SDL2.
#pragma once
#include <string>

// Opens the window (resizable, full drawable size on high-density displays) with
// an OpenGL compatibility context and sets up the renderer (StartRenderer). On
// failure everything made is released, the message box is shown and false comes back;
// without a display (and no headless driver asked for) it says so on standard error.
bool CreateGameWindow(const char* title, int width, int height, int bits);
void DestroyGameWindow();
// Headless runs: SDL's offscreen video driver and no message box windows.
void UseOffscreenWindow();

// Handles one pending event, if there is one; false when none was waiting.
bool PollOneEvent();
// While a recorded game plays, the player's keys and minimise/restore are not
// handed to the game.
extern bool playerKeysIgnored;
// The window's icon from a BMP file (with alpha); a file that cannot be read is named.
void SetGameWindowIcon(const std::string& path);
// The remembered size and full screen, once the window is open.
void ApplyWindowSettings(int width, int height, bool fullScreen);
// The window's size in screen units (not pixels, on a high-density display).
void GameWindowSize(int& width, int& height);
// Blocks until an event arrives or the timeout passes (used while minimised).
void WaitForEvent(int timeoutMs);

// Windows virtual-key code of an SDL key, or -1 when the game has none for it.
int VirtualKeyFromSdl(int sdlKeycode, int sdlScancode);

void InitFrameTimer();
// Milliseconds since InitFrameTimer.
float FrameTimeNow();
// Waits until FrameTimeNow() is at least the given time.
void WaitUntil(float targetMs);

// Shows the frame just presented: a whole one by a buffer swap, only the
// changed parts (PresentedDamage) where the window system can show part of the
// back buffer.
void SwapGameWindow();
// Whether a frame that changed in parts may be drawn and shown only there: the
// back buffer keeps the picture across presents (SDL's offscreen driver, whose
// swap changes nothing), or the window does and the parts are copied to it.
// Elsewhere a swap leaves the back buffer holding nothing certain.
bool PresentKeepsPicture();
// Before a frame is drawn whole because the picture was lost: where frames are
// shown by copying parts, a swap first, which shows the picture the back buffer
// holds and has the renderer size the back buffer from the window again.
void BeforeWholeFrame();
// An OpenGL function of the window's context by name; nullptr when there is none.
void* GLFunction(const char* name);

// Viewport and projection for a drawable size (a height of 0 is taken as 1): the
// game's picture is the largest centred 4:3 rectangle of it.
void ResizeScene(int width, int height);
