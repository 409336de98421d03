// A frame's drawing: the scene frame, then the screen the frame's steps chose.
#pragma once
#include "model/frame.h"
#include "screens/draw_options.h"

void DrawFrame(const Frame& frame, const DrawOptions& options = {});
// The pause screen over a frozen game (the credits' stars are never under it).
void DrawPauseFrame();
