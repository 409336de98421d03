// Running quorvel-replay from a test.
#include "support/replay.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ReplayFolder::ReplayFolder(bool withImages)
{
    static int serial = 0;
    std::random_device seed;
    path_ = fs::temp_directory_path() /
            ("quorvel-test-" + std::to_string(seed()) + "-" + std::to_string(++serial));
    fs::create_directories(path_);
    if (withImages)
        fs::create_directory_symlink(QUORVEL_IMAGES, path_ / "Images");
}

ReplayFolder::~ReplayFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

ReplayRun RunReplay(const std::string& script, const ReplayFolder* folder)
{
    if (folder != nullptr)
        return RunReplayAt(folder->path(), script);
    ReplayFolder fresh;
    return RunReplayAt(fresh.path(), script);
}

ReplayRun RunReplayAt(const fs::path& dir, const std::string& script, const std::string& options)
{
    const fs::path scriptFile = dir / "script.txt";
    const fs::path outFile = dir / "out.txt";
    const fs::path errFile = dir / "err.txt";
    std::ofstream(scriptFile) << script;

    const std::string command = "cd '" + dir.string() + "' && SDL_VIDEODRIVER=offscreen '" QUORVEL_REPLAY
                                "' --no-gl " + options + " < script.txt > out.txt 2> err.txt";
    int status = std::system(command.c_str());

    ReplayRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(outFile);
    run.err = ReadFile(errFile);
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            run.lines.push_back(nlohmann::json::parse(line, nullptr, false));
    fs::remove(scriptFile);
    fs::remove(outFile);
    fs::remove(errFile);
    return run;
}
