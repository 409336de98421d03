// Running quorvel-replay from a test: a fresh working folder with the pictures,
// the script on standard input, the output split into JSON lines.
#pragma once
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

struct ReplayRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    std::vector<nlohmann::json> lines;  // one per dump or draws command, in order
};

// A working folder for replay runs: holds Images/ (a link to the build's pictures)
// unless made without, and is removed when the object goes away.
class ReplayFolder {
public:
    explicit ReplayFolder(bool withImages = true);
    ~ReplayFolder();
    ReplayFolder(const ReplayFolder&) = delete;
    ReplayFolder& operator=(const ReplayFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Runs the script, without OpenGL, with the given working folder and any further
// options of the tool.
ReplayRun RunReplayAt(const std::filesystem::path& dir, const std::string& script,
                      const std::string& options = "");

// Runs the script in the folder (a fresh one when none is given).
ReplayRun RunReplay(const std::string& script, const ReplayFolder* folder = nullptr);

// The whole content of a file, or empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
