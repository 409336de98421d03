// The application icon for the desktop's icon theme.
#pragma once
#include <filesystem>

// Writes hicolor/SIZExSIZE/apps/quorvel.png at 48, 128 and 256 pixels under the
// folder, and quorvel.bmp (64 pixels, for the game's window) in it; false when a
// file cannot be written.
bool WriteIcons(const std::filesystem::path& folder);
