// The platform layer in a browser: the game's own SDL layer, asking for the OpenGL ES 2
// context that SDL makes on WebGL 1 (emscripten emulates the fixed-function pipeline on it).
#include <SDL.h>

#define SDL_GL_CONTEXT_PROFILE_COMPATIBILITY SDL_GL_CONTEXT_PROFILE_ES
#include "shell/platform_sdl.cpp"
