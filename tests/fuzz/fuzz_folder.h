// The scratch folder for a fuzz target's files: QUORVEL_FUZZ_FOLDER (scripts/fuzz.sh
// makes one on a memory file system and removes it afterwards), else a folder of
// this process under the temporary folder.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

inline const std::filesystem::path& FuzzFolder()
{
    static const std::filesystem::path folder = [] {
        const char* given = std::getenv("QUORVEL_FUZZ_FOLDER");
        std::filesystem::path f = given != nullptr && *given != '\0'
                                      ? std::filesystem::path(given)
                                      : std::filesystem::temp_directory_path() /
                                            ("quorvel-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(f);
        return f;
    }();
    return folder;
}
