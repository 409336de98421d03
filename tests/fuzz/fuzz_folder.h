// A private scratch folder for a fuzz target's files, on a memory file system
// when there is one, so millions of runs do not wear a disk.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline const std::filesystem::path& FuzzFolder()
{
    static const std::filesystem::path folder = [] {
        std::filesystem::path base = std::filesystem::exists("/dev/shm") ? "/dev/shm"
                                                                         : std::filesystem::temp_directory_path();
        std::filesystem::path f = base / ("quorvel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(FuzzFolder(), ignored);
        });
        return f;
    }();
    return folder;
}
