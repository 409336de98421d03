// Writing the last drawn frame as a PNG file.
#pragma once
#include <string>

// False with a message when the file cannot be written.
bool WriteShot(const std::string& path, std::string& error);
