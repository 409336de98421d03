// Everything a screen needs to draw: colours, text, sprites and blending.
#pragma once
#include "render/render_state.h"
#include "render/sprites.h"
#include "render/text.h"
