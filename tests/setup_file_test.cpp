#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "controls/bindings.h"
#include "controls/key_names.h"
#include "frame/debug_log.h"
#include "frame/setup_file.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kOfferedDrivers = {"OpenAL", "FreeAudio", "DirectSound"};

class SetupFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSettingsDefaults();
        SetControlDefaults();
        savedDrivers_ = AudioDriverNames;
    }
    void TearDown() override { AudioDriverNames = savedDrivers_; }

    // Applies lines to the start values, as ReadSetup does with a file.
    static void Apply(std::initializer_list<const char*> lines) {
        for (const char* line : lines) ApplySetupLine(line, kOfferedDrivers);
    }

private:
    std::vector<std::string> savedDrivers_;
};

struct LineCase {
    std::vector<const char*> lines;
    int entry;
    int expected;
};

TEST_F(SetupFileTest, StartValues) {
    EXPECT_EQ(Settings[1], 0);
    EXPECT_EQ(Settings[5], 800);
    EXPECT_EQ(Settings[6], 600);
    EXPECT_EQ(Settings[7], 0);
    EXPECT_EQ(Settings[11], 50);
    EXPECT_EQ(Settings[12], 50);
    EXPECT_EQ(Settings[13], 50);
    EXPECT_EQ(Settings[14], 0);
}

TEST_F(SetupFileTest, SettingLines) {
    const LineCase cases[] = {
        {{"ESS=0"}, 7, 1},  // any ESS line means a slow system
        {{"ESS"}, 7, 1},
        {{"ess = whatever"}, 7, 1},
        {{"fullscreen = on"}, 1, 1},
        {{"FULLSCREEN=True"}, 1, 1},
        {{"Fullscreen = False"}, 1, 0},
        {{"Fullscreen = True", "Fullscreen = False"}, 1, 1},  // the file cannot switch it off
        {{"Fullscreen = yes"}, 1, 0},
        {{"GFXENGINE=dx7"}, 3, 2},
        {{"GFX Engine = DX9"}, 3, 1},
        {{"GFX Engine = DX9", "GFX Engine = OpenGL"}, 3, 1},  // OpenGL changes nothing
        {{"GFX  Engine = DX9"}, 3, 0},                        // inner blanks are part of the key
        {{"Width = -1024"}, 5, 1024},
        {{"Width=1024 ; big"}, 5, 1024},
        {{"Width="}, 5, 0},
        {{"WIDTH"}, 5, 0},
        {{"  width  =  640  "}, 5, 640},
        {{"Width=$400"}, 5, 1024},
        {{"Height=%1001011000"}, 6, 600},
        {{"Width=99999999999999999999"}, 5, INT_MAX},
        {{"Width=-99999999999999999999"}, 5, INT_MAX},
        {{"Master = 100000"}, 11, 100000},  // kept as read; users bound it
        {{"Sound = 7"}, 12, 7},
        {{"Music = -30"}, 13, 30},
        {{"; Width = 5", "[Graphics]", "Widths=5", "W idth=5"}, 5, 800},  // match no key
    };
    for (const LineCase& c : cases) {
        SetSettingsDefaults();
        for (const char* line : c.lines) ApplySetupLine(line, kOfferedDrivers);
        EXPECT_EQ(Settings[c.entry], c.expected) << "first line \"" << c.lines.front() << "\"";
    }
}

TEST_F(SetupFileTest, KeyLines) {
    Apply({"Key=0,0", "Key=3,65", "Key=-5,-66", "Key=99,330", "Key=100,77", "Key=12345,77", "Key=13",
           "Key=11,99999999999", "Key=$a,%11"});
    EXPECT_EQ(ControlKeys[0], 0);      // player 1's up can be read like any index
    EXPECT_EQ(ControlKeys[3], 65);
    EXPECT_EQ(ControlKeys[5], 66);     // absolute values of both fields
    EXPECT_EQ(ControlKeys[99], 330);
    EXPECT_EQ(ControlKeys[100], 0);    // indices of 100 and more are ignored
    EXPECT_EQ(ControlKeys[13], 13);    // no comma: the index is the code too
    EXPECT_EQ(ControlKeys[11], INT_MAX);
    EXPECT_EQ(ControlKeys[10], 3);
    // A nonsense code is harmless to the users of the table.
    EXPECT_EQ(ControlDown(ControlKeys[11]), 0);
    EXPECT_FALSE(KeyName(ControlKeys[11]).empty());
}

TEST_F(SetupFileTest, AudioDriverLineMatchesExactNamesOnly) {
    EXPECT_TRUE(ApplySetupLine("AudioDriver = directsound", kOfferedDrivers));
    EXPECT_EQ(Settings[14], 0);
    EXPECT_TRUE(ApplySetupLine("AUDIODRIVER=FreeAudio", kOfferedDrivers));
    EXPECT_EQ(Settings[14], 1);
    EXPECT_TRUE(ApplySetupLine("AudioDriver = Nonesuch", kOfferedDrivers));
    EXPECT_EQ(Settings[14], 1);  // an unknown name leaves the earlier match
    EXPECT_FALSE(ApplySetupLine("; AudioDriver = DirectSound", kOfferedDrivers));
    EXPECT_EQ(Settings[14], 1);
}

struct DriverCase {
    std::vector<std::string> drivers;
    int current;
    int expected;
};

TEST_F(SetupFileTest, AutomaticDriverChoice) {
    const DriverCase cases[] = {
        {{"OpenAL", "FreeAudio", "DirectSound"}, 0, 2},
        {{"DirectSound", "DirectX", "OpenAL"}, 0, 1},  // the last DIRECT name wins
        {{"alsa", "freeaudio", "openal"}, 0, 1},       // else the first OPENAL or FREE
        {{"alsa", "OPENAL soft", "Free"}, 0, 1},
        {{"pulseaudio", "alsa"}, 1, 1},                // nothing matches: position stands
        {{"Open", "Fre", "Direc"}, 0, 0},
        {{}, 0, 0},
        {{"dummy", "directsound"}, 0, 1},              // the prefix test ignores case
    };
    for (const DriverCase& c : cases)
        EXPECT_EQ(ChooseAudioDriver(c.drivers, c.current), c.expected)
            << "first driver " << (c.drivers.empty() ? "(none)" : c.drivers.front());
}

TEST_F(SetupFileTest, BoundedReadsOfSettings) {
    Settings[11] = 100000;
    Settings[12] = -4;
    Settings[13] = 73;
    EXPECT_EQ(SettingPercent(11), 100);
    EXPECT_EQ(SettingPercent(12), 0);
    EXPECT_EQ(SettingPercent(13), 73);
    EXPECT_EQ(SettingPercent(100), 0);
    EXPECT_EQ(SettingPercent(-1), 0);
    Settings[5] = 0;
    EXPECT_EQ(SettingClamped(5, 640, 8192), 640);
    AudioDriverNames = {"a", "b"};
    EXPECT_EQ(AudioDriverName(1), "b");
    EXPECT_EQ(AudioDriverName(2), "");
    EXPECT_EQ(AudioDriverName(-1), "");
}

// Runs a test inside a fresh folder tree <tmp>/Files/250 and restores the
// current folder afterwards.
class SetupFileOnDiskTest : public SetupFileTest {
protected:
    void SetUp() override {
        SetupFileTest::SetUp();
        savedDir_ = fs::current_path();
        root_ = fs::temp_directory_path() /
                ("wordloom_setup_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "Files" / "250");
        fs::current_path(root_ / "Files");
    }
    void TearDown() override {
        fs::current_path(savedDir_);
        fs::remove_all(root_);
        SetupFileTest::TearDown();
    }
    static void WriteFile(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }
    static std::string ReadFile(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path root_;

private:
    fs::path savedDir_;
};

TEST_F(SetupFileOnDiskTest, WritesTheExactFileIntoTheParentAndComesBack) {
    AudioDriverNames = {"Nowhere One", "Nowhere Two"};
    Settings[14] = 1;
    Settings[7] = 1;
    ControlKeys[3] = 0;
    ControlKeys[100] = 55;  // never written
    fs::current_path(root_ / "Files" / "250");
    WriteSetup();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root_ / "Files" / "250"));
    EXPECT_EQ(ReadFile(root_ / "Files" / "Setup.ini"),
              "[Graphics]\r\n"
              "Fullscreen = False\r\n"
              "GFX Engine = OpenGL\r\n"
              "Width=800\r\n"
              "Height=600\r\n"
              "ESS=1 ; This is a slow system, and things must run a wee bit slower for it.  Awww..\r\n"
              "\r\n"
              "[Audio]\r\n"
              "Master = 50\r\n"
              "Sound = 50\r\n"
              "Music = 50\r\n"
              "AudioDriver = Nowhere Two\r\n"
              "; AudioDriver = Nowhere One\r\n"
              "; AudioDriver = Nowhere Two\r\n"
              "\r\n"
              "[Controls]\r\n"
              "Key=0,38\r\n"
              "Key=5,39\r\n"
              "Key=8,40\r\n"
              "Key=10,90\r\n"
              "Key=11,88\r\n"
              "Key=12,67\r\n"
              "Key=13,86\r\n");
    // Nothing is left beside it: the temporary file was renamed into place.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(root_ / "Files"))
        if (entry.is_regular_file()) ++files;
    EXPECT_EQ(files, 1);
}

TEST_F(SetupFileOnDiskTest, WhatIsWrittenIsReadBack) {
    AudioDriverNames = {"Nowhere One", "Nowhere Two", "Nowhere Three"};
    const int entries[] = {1, 3, 5, 6, 7, 11, 12, 13, 14};
    const int values[] = {1, 2, 1440, 900, 1, 100000, 0, 100, 2};
    for (int i = 0; i < 9; ++i) Settings[entries[i]] = values[i];
    for (int i = 0; i < 100; ++i) ControlKeys[i] = (i * 37) % 7 == 0 ? 0 : 300 + i * 3;
    ControlKeys[0] = 38;
    int keys[100];
    std::copy(ControlKeys, ControlKeys + 100, keys);

    fs::current_path(root_ / "Files" / "250");
    WriteSetup();
    fs::current_path(root_ / "Files");
    SetSettingsDefaults();
    std::fill(std::begin(ControlKeys), std::end(ControlKeys), 0);
    ReadSetup();

    for (int i = 0; i < 9; ++i) EXPECT_EQ(Settings[entries[i]], values[i]) << "entry " << entries[i];
    for (int i = 0; i < 100; ++i) EXPECT_EQ(ControlKeys[i], keys[i]) << "control " << i;
}

TEST_F(SetupFileOnDiskTest, NamedDriverSwitchesTheAutomaticChoiceOff) {
    AudioDriverNames = kOfferedDrivers;
    WriteFile("Setup.ini", "[Audio]\r\nAudioDriver = directsound\r\n");
    ReadSetup();
    EXPECT_EQ(Settings[14], 0);

    SetSettingsDefaults();
    WriteFile("Setup.ini", "[Audio]\r\nMaster = 20\r\n");
    ReadSetup();
    EXPECT_EQ(Settings[14], 2);  // DirectSound, chosen automatically
    EXPECT_EQ(Settings[11], 20);

    SetSettingsDefaults();
    fs::remove("Setup.ini");
    ReadSetup();
    EXPECT_EQ(Settings[14], 2);  // the choice runs without a file too
    EXPECT_EQ(Settings[5], 800);
}

TEST_F(SetupFileOnDiskTest, LogsWhatItReads) {
    AudioDriverNames = kOfferedDrivers;
    WriteFile("Setup.ini", "Fullscreen=on\r\nGFX Engine=DX9\r\nGFXEngine=dx7\r\nESS\r\nWidth=640\r\n");
    OpenDebugLog();
    ReadSetup();
    CloseDebugLog();
    EXPECT_EQ(ReadFile("Debug.txt"),
              "\tReading Setup File\r\n"
              "\tSetting to Fullscreen\r\n"
              "\tDirectX 9 Mode\r\n"
              "\tDirectX 7 Mode\r\n"
              "\tAssuming Emergency Slow System values.\r\n"
              "Setting Audio Driver\r\n"
              "Set Audio Driver\r\n"
              "\r\n");
}

TEST_F(SetupFileOnDiskTest, AnyBytesAreReadWithoutHarm) {
    std::mt19937 random(250);
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(random() & 0xFF);
    bytes += "\nWidth=" + std::string(1 << 20, '9') + "\n";   // a megabyte line
    bytes += "Height=480\r\n";                                 // still read after it
    for (int i = 0; i < 5000; ++i)
        bytes += "Key=" + std::to_string(static_cast<int>(random())) + "," + std::to_string(random()) + "\r\n";
    bytes += "Key=7,$FFFFFFFFFFFFFFFFFFFFFFFF\r\nKey=%1000,-99999999999999999999\r\n";
    bytes += std::string("Sound=12\0junk\nMusic=\r\r\r34\n", 26);  // a zero byte ends a line
    WriteFile("Setup.ini", bytes);

    ReadSetup();
    EXPECT_EQ(Settings[5], INT_MAX);
    EXPECT_EQ(Settings[6], 480);
    EXPECT_EQ(ControlKeys[7], INT_MAX);
    EXPECT_EQ(ControlKeys[8], INT_MAX);
    EXPECT_EQ(Settings[12], 12);
    EXPECT_EQ(Settings[13], 34);
    for (int i = 0; i < 101; ++i) EXPECT_GE(ControlKeys[i], 0);
}

}  // namespace
