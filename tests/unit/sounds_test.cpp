// The sound generator: a playable file for every sound event and the ambience, each
// short, loud enough, unclipped and without clicks, the same bytes on every run.
#include "model/sound_events.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Wav {
    std::vector<uint8_t> bytes;
    std::vector<int16_t> samples;
    float seconds = 0.0f;
};

uint32_t little(const std::vector<uint8_t>& b, size_t at, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | b[at + static_cast<size_t>(i)];
    return v;
}

// Reads the file and checks that it is the 16-bit mono PCM the player expects.
Wav readWav(const fs::path& path)
{
    Wav wav;
    std::ifstream in(path, std::ios::binary);
    wav.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::vector<uint8_t>& b = wav.bytes;
    const std::string name = path.filename().string();
    EXPECT_GE(b.size(), 46u) << name;
    if (b.size() < 46)
        return wav;
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
    EXPECT_EQ(little(b, 4, 4), b.size() - 8) << name;
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
    EXPECT_EQ(little(b, 20, 2), 1u) << name << ": PCM";
    EXPECT_EQ(little(b, 22, 2), 1u) << name << ": mono";
    EXPECT_EQ(little(b, 24, 4), 44100u) << name;
    EXPECT_EQ(little(b, 34, 2), 16u) << name;
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << name;
    EXPECT_EQ(little(b, 40, 4), b.size() - 44) << name;
    for (size_t at = 44; at + 1 < b.size(); at += 2)
        wav.samples.push_back(static_cast<int16_t>(little(b, at, 2)));
    wav.seconds = static_cast<float>(wav.samples.size()) / 44100.0f;
    return wav;
}

fs::path makeSounds(const std::string& tag)
{
    const fs::path generator = fs::path(QUORVEL_REPLAY).parent_path() / "quorvel-sounds";
    const fs::path folder = fs::temp_directory_path() / ("quorvel-sounds-" + std::to_string(getpid()) + tag);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    EXPECT_EQ(std::system(("\"" + generator.string() + "\" \"" + folder.string() + "\"").c_str()), 0);
    return folder;
}

// The largest jump between neighbouring samples as a multiple of the jumps the
// sound itself makes around it (their RMS within 5 ms either side), and where.
// However bright a tone or noise, its own steepest steps stay a few times that
// RMS; a click, a step the content around it cannot make, is many times it.
// Steps too small to hear in silence are left out.
float worstJump(const std::vector<int16_t>& s, size_t& at)
{
    constexpr size_t window = 220;
    constexpr int audible = 64;
    std::vector<double> squares(s.size(), 0.0);  // running sum of squared jumps
    for (size_t i = 1; i < s.size(); ++i) {
        const double jump = s[i] - s[i - 1];
        squares[i] = squares[i - 1] + jump * jump;
    }
    float worst = 0.0f;
    for (size_t i = 1; i < s.size(); ++i) {
        const int jump = std::abs(s[i] - s[i - 1]);
        if (jump < audible)
            continue;
        const size_t from = i > window ? i - window : 1, to = std::min(s.size() - 1, i + window);
        const double others = squares[to] - squares[from - 1] - static_cast<double>(jump) * jump;
        const double rms = std::sqrt(std::max(0.0, others) / static_cast<double>(to - from));
        const float ratio = static_cast<float>(jump / (rms + 1.0));
        if (ratio > worst) {
            worst = ratio;
            at = i;
        }
    }
    return worst;
}

constexpr float kClick = 8.0f;

}  // namespace

TEST(SoundGenerator, WritesEveryEventAndTheAmbienceAsCleanShortFilesTheSameOnEveryRun)
{
    const fs::path first = makeSounds("a"), second = makeSounds("b");
    std::set<std::string> expected = {std::string(ambienceName) + ".wav"};
    for (const SoundInfo& info : soundTable)
        expected.insert(std::string(info.name) + ".wav");
    std::set<std::string> written;
    for (const auto& entry : fs::directory_iterator(first))
        written.insert(entry.path().filename().string());
    EXPECT_EQ(written, expected);

    for (const std::string& file : expected) {
        const Wav wav = readWav(first / file);
        if (wav.samples.empty())
            continue;
        const bool loop = file == std::string(ambienceName) + ".wav";
        EXPECT_GE(wav.seconds, loop ? 2.0f : 0.03f) << file;
        EXPECT_LE(wav.seconds, loop ? 8.0f : 2.5f) << file;
        const auto [low, high] = std::minmax_element(wav.samples.begin(), wav.samples.end());
        const int peak = std::max(-static_cast<int>(*low), static_cast<int>(*high));
        EXPECT_GE(peak, 8192) << file << " is quieter than -12 dBFS";
        EXPECT_LE(peak, 29500) << file << " leaves less than 1 dB of headroom";
        if (loop) {  // the end runs on into the start without a jump
            EXPECT_LE(std::abs(wav.samples.back() - wav.samples.front()), 600) << file;
        } else {     // starts and ends in silence: no click
            EXPECT_LE(std::abs(wav.samples.front()), 100) << file;
            EXPECT_LE(std::abs(wav.samples.back()), 100) << file;
        }
        size_t at = 0;
        const float jump = worstJump(wav.samples, at);
        EXPECT_LT(jump, kClick) << file << " clicks at " << static_cast<float>(at) / 44100.0f << " s";
        EXPECT_TRUE(wav.bytes == readWav(second / file).bytes) << file << " differs between two runs";
    }
    // The check hears a note cut off at its loudest.
    std::vector<int16_t> cut = readWav(first / "wrongBag.wav").samples;
    const auto loudest = std::max_element(cut.begin() + cut.size() / 2, cut.end(),
                                          [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); });
    std::fill(loudest + 1, cut.end(), int16_t{0});
    size_t at = 0;
    EXPECT_GT(worstJump(cut, at), kClick);
    EXPECT_EQ(at, static_cast<size_t>(loudest - cut.begin()) + 1);
    std::error_code ignored;
    fs::remove_all(first, ignored);
    fs::remove_all(second, ignored);
}
