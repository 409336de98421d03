// The settings file: what is written reads back the same, a damaged file names its
// line and leaves the defaults, and the file lives where the desktop keeps settings.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

struct ParseCase {
    const char* text;
    const char* error;  // "" when the text is a settings file
};

TEST(SettingsFile, WrittenSettingsReadBackTheSame)
{
    Settings chosen;
    chosen.soundOn = false;
    chosen.volume = 3;
    chosen.fullScreen = true;
    chosen.windowWidth = 1024;
    chosen.windowHeight = 700;
    chosen.reducedFlashing = true;
    Settings read;
    std::string error;
    ASSERT_TRUE(ParseSettings(FormatSettings(chosen), read, error)) << error;
    EXPECT_EQ(read, chosen);
}

TEST(SettingsFile, DamagedLinesAreNamedAndLeaveNothingHalfRead)
{
    const ParseCase cases[] = {
        {"", ""},
        {"# only a comment\n\n  volume = 4  \n", ""},
        {"volume = 4\nhighscore = 9\n", ""},  // a newer version's key
        {"volume = 4\nsound on\n", "line 2: no '=' in \"sound on\""},
        {"volume = 11\n", "line 1: volume is \"11\", not a whole number from 0 to 10"},
        {"volume = 5x\n", "line 1: volume is \"5x\", not a whole number from 0 to 10"},
        {"full_screen = yes\n", "line 1: full_screen is \"yes\", not on or off"},
        {"window_width = 0\n", "line 1: window_width is \"0\", not a whole number from 64 to 16384"},
        {"\x01\xff\xfe garbage\n", "line 1: no '='"},
    };
    for (const ParseCase& c : cases) {
        Settings read;
        read.volume = 7;
        std::string error;
        const bool ok = ParseSettings(c.text, read, error);
        EXPECT_EQ(ok, c.error[0] == '\0') << c.text;
        if (ok)
            continue;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        EXPECT_EQ(read.volume, 7) << "a refused file changed the settings: " << c.text;
    }
}

class SettingsPlace : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / ("quorvel-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(folder_);
        settings = Settings{};
    }
    std::filesystem::path folder_;
};

TEST_F(SettingsPlace, FileIsUnderTheConfigFolderElseHome)
{
    EXPECT_EQ(SettingsPath(), folder_.string() + "/quorvel/settings.conf");
    const char* home = std::getenv("HOME");
    const std::string playersHome = home != nullptr ? home : "";
    setenv("XDG_CONFIG_HOME", "relative", 1);
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ(SettingsPath(), "/home/player/.config/quorvel/settings.conf");
    setenv("HOME", playersHome.c_str(), 1);
}

TEST_F(SettingsPlace, SavedSettingsLoadAtTheNextStart)
{
    LoadSettings();  // no file yet: the defaults, quietly
    EXPECT_EQ(settings, Settings{});
    settings.volume = 2;
    settings.fullScreen = true;
    SaveSettings();
    settings = Settings{};
    testing::internal::CaptureStderr();
    LoadSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(settings.volume, 2);
    EXPECT_TRUE(settings.fullScreen);
}

TEST_F(SettingsPlace, DamagedFileGivesOneLineAndTheDefaults)
{
    const std::string path = SettingsPath();
    std::filesystem::create_directories(folder_ / "quorvel");
    std::ofstream(path) << "volume = 3\nvolume = loud\n";
    testing::internal::CaptureStderr();
    LoadSettings();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path + ": line 2: volume is \"loud\""), std::string::npos) << said;
    EXPECT_NE(said.find("; using the defaults\n"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_EQ(settings, Settings{});

    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // a folder where the file should be: unreadable
    testing::internal::CaptureStderr();
    LoadSettings();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(path + ": "), std::string::npos);
    EXPECT_EQ(settings, Settings{});
}

}  // namespace
