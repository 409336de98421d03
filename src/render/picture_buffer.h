// A copy of the picture on screen kept between presents in a framebuffer object:
// after a swap a window's back buffer holds nothing certain. Frames are drawn in
// the window's own buffer all the same (the renderer lays a framebuffer object
// upside down from a window's, which moves a few edge pixels by a shade); the
// copy only carries the pixels across the swap, and a copy changes none.
#pragma once
#include "render/window_viewport.h"

#include <span>

// Looks an OpenGL function up by name in the current context.
using GLFunctionLoader = void* (*)(const char* name);

// Finds the framebuffer-object functions of the current context, through the
// extension or OpenGL 3.0. False when it has none: frames are then drawn whole.
bool StartPictureCopy(GLFunctionLoader load);
// Puts the kept picture back into the window's back buffer. False when none is
// kept at the drawable's size: the frame must then be drawn whole.
bool RestorePicture(int width, int height);
// Keeps the whole back buffer, or the parts of it just drawn over the kept picture.
void KeepWholePicture(int width, int height);
void KeepPictureParts(std::span<const PictureRect> parts);
