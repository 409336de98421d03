// Where the pictures are looked for: beside the working folder, or where the game
// was installed.
#include "render/picture_folders.h"

#include <filesystem>

// The installed data folder as seen from the installed executable's folder; the
// build sets it from the install layout.
#ifndef QUORVEL_DATA_FROM_BINARY
#define QUORVEL_DATA_FROM_BINARY "../share/games/quorvel"
#endif

int pictureFolderUsed = 0;

namespace {

std::string installedDataFolder(const char* name)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "";
    return (self.parent_path() / QUORVEL_DATA_FROM_BINARY / name).lexically_normal().string() + "/";
}

}  // namespace

std::string DataFolder(int folderChoice, const char* name)
{
    if (folderChoice == 1)
        return std::string(name) + "/";
    if (folderChoice == 3)
        return installedDataFolder(name);
    return "../" + std::string(name) + "/";
}

std::string PictureFolder(int folderChoice)
{
    return DataFolder(folderChoice, "Images");
}
