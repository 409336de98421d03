// Shots under node, which has no OpenGL to read a frame from: every one fails.
#include "../shot.h"

bool WriteShot(const std::string& path, std::string& error)
{
    error = "cannot write " + path + ": no OpenGL under node";
    return false;
}
