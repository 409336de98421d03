// quorvel-sounds: synthesises every sound of the game into the folder given as the
// first argument (the build's Sounds/), as 16-bit mono WAV files. The same bytes
// come out on every run.
#include "sounds.h"
#include "wav_writer.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

bool write(const std::filesystem::path& folder, const char* name, const Samples& samples)
{
    const std::string path = (folder / (std::string(name) + ".wav")).string();
    if (samples.empty()) {
        std::fprintf(stderr, "quorvel-sounds: no recipe for %s\n", name);
        return false;
    }
    if (!WriteWav(path, ToPcm(samples), sampleRate)) {
        std::fprintf(stderr, "quorvel-sounds: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvel-sounds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    int failures = 0;
    for (const SoundInfo& info : soundTable) {
        Samples samples = DaySound(info.event);
        if (samples.empty())
            samples = ScreenSound(info.event);
        failures += write(folder, info.name, samples) ? 0 : 1;
    }
    failures += write(folder, ambienceName, Ambience()) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
