// The settings panel, driven through EndFrame with scripted input.
#include <gtest/gtest.h>

#include <fstream>

#include "controls/bindings.h"
#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "support/test_env.h"

namespace {

class SettingsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        root = testenv::UseScratchInstall();
        testenv::OpenTestDisplay(800, 600);
        CommonAssetsLoaded = 1;
        LoadCommonAssets();
    }
    void TearDown() override {
        ReleaseCommonAssets();
        platform::CloseDisplay();
        platform::SetFakeDisplayModes({});
        CommonAssetsLoaded = 0;
    }
    void Open() {
        platform::ScriptKeyTap(platform::kKeyTab);
        for (int i = 0; i < 12; ++i) EndFrame(1);
        ASSERT_EQ(SettingsSlide, 20);
    }
    // Moves the pointer and clicks at the next frame; returns after the click.
    void ClickAt(int x, int y, int button = 1) {
        platform::ScriptMouseMove(x, y);
        platform::ScriptFrameMark();
        platform::ScriptMouseDown(button);
        platform::ScriptFrameMark();
        platform::ScriptMouseUp(button);
        for (int i = 0; i < 3; ++i) EndFrame(1);
    }
    std::string root;
};

TEST_F(SettingsPanelTest, SlidesOpenInTenFramesAndClosesToMinus300AndSavesOnEveryTab) {
    std::vector<int> slides;
    platform::ScriptKeyTap(platform::kKeyTab);
    EndFrame(1);  // the tap arrives with this frame's present
    EXPECT_EQ(platform::FileType(root + "Files/Setup.ini"), 0);
    for (int i = 0; i < 11; ++i) {
        EndFrame(1);
        slides.push_back(SettingsSlide);
    }
    EXPECT_EQ(slides.front(), -268);
    EXPECT_EQ(slides[9], 20);
    EXPECT_EQ(slides[10], 20);
    EXPECT_EQ(platform::FileType(root + "Files/Setup.ini"), 1) << "opening saved the settings";
    platform::DeleteFile(root + "Files/Setup.ini");
    platform::ScriptKeyTap(platform::kKeyTab);
    for (int i = 0; i < 12; ++i) EndFrame(1);
    EXPECT_EQ(SettingsSlide, -300);
    EXPECT_EQ(platform::FileType(root + "Files/Setup.ini"), 1) << "closing saved them again";
}

TEST_F(SettingsPanelTest, EngineRowCyclesItsThreeValues) {
    Open();
    std::vector<int> values;
    for (int i = 0; i < 3; ++i) {
        ClickAt(30, 20 + 184 + 16);
        values.push_back(Settings[3]);
    }
    EXPECT_EQ(values, (std::vector<int>{1, 2, 0}));
}

TEST_F(SettingsPanelTest, ResolutionRowWrapsBothWaysByKeysAndClicks) {
    ResolutionCount = 3;
    const int widths[4] = {0, 800, 1024, 1280};
    const int heights[4] = {0, 600, 768, 960};
    for (int i = 1; i <= 3; ++i) {
        ResolutionWidths[i] = widths[i];
        ResolutionHeights[i] = heights[i];
    }
    Settings[4] = 3;
    Open();
    platform::ScriptMouseMove(100, 20 + 100);  // inside the row's area
    EndFrame(1);
    EndFrame(1);
    platform::ScriptKeyTap(platform::kKeyRight);
    EndFrame(1);
    EndFrame(1);
    EXPECT_EQ(Settings[4], 1);
    EXPECT_EQ(Settings[5], 800);
    platform::ScriptKeyTap(platform::kKeyUp);
    EndFrame(1);
    EndFrame(1);
    EXPECT_EQ(Settings[4], 2);
    platform::ScriptKeyTap(platform::kKeyDown);
    EndFrame(1);
    EndFrame(1);
    platform::ScriptKeyTap(platform::kKeyLeft);
    EndFrame(1);
    EndFrame(1);
    EXPECT_EQ(Settings[4], 3);
    EXPECT_EQ(Settings[6], 960);
    ClickAt(100, 20 + 100, 2);
    EXPECT_EQ(Settings[4], 2);
    ClickAt(100, 20 + 100, 1);
    EXPECT_EQ(Settings[4], 3);
}

TEST_F(SettingsPanelTest, VolumesSnapNearTheEnds) {
    Open();
    int x = ScreenWidth - 280;
    struct Case {
        int offset, expected;
    } cases[] = {{3, 0}, {5, 0}, {6, 6}, {50, 50}, {94, 94}, {95, 100}, {97, 100}};
    for (const Case& c : cases) {
        platform::ScriptMouseMove(x - 2 + c.offset, 20 + 70 + 5);
        platform::ScriptFrameMark();
        platform::ScriptFrameMark();
        platform::ScriptMouseDown(1);
        platform::ScriptFrameMark();
        platform::ScriptMouseUp(1);
        for (int i = 0; i < 5; ++i) EndFrame(1);
        EXPECT_EQ(Settings[11], c.expected) << c.offset;
    }
}

TEST_F(SettingsPanelTest, QualityNoteFollowsTheHeight) {
    struct Case {
        int w, h;
        const char* note;
    } cases[] = {{1024, 768, "Small (Bit blurry)"}, {1280, 960, "Native (Crisp, Clear)"},
                 {1920, 1080, "Bigger! (High-Definition!)"}};
    Open();
    platform::EnableDrawLog(true);
    for (const Case& c : cases) {
        Settings[5] = c.w;
        Settings[6] = c.h;
        platform::ClearDrawLog();
        EndFrame(1);
        bool found = false;
        for (const auto& r : platform::DrawLog()) found = found || r.text == c.note;
        EXPECT_TRUE(found) << c.note;
    }
}

TEST_F(SettingsPanelTest, ApplyClosesThePanelSavesAndSetsTheDisplayUpAgain) {
    platform::SetFakeDisplayModes({{800, 600, 32, 60}, {1280, 800, 32, 60}});
    platform::ChangeDir(root + "Files/");
    OpenDebugLog();
    platform::ChangeDir(root + "Files/250/");
    BuildResolutionList();
    Settings[5] = 1280;
    Settings[6] = 800;
    Open();
    UseFont(Fonts[2]);
    ClickAt(22, 20 + 262);
    EXPECT_EQ(SettingsOpen, 0);
    EXPECT_EQ(DisplayWidth, 1280);
    EXPECT_EQ(ScreenWidth, 1440);
    CloseDebugLog();
    std::ifstream setup(root + "Files/Setup.ini");
    std::string text((std::istreambuf_iterator<char>(setup)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Width=1280"), std::string::npos);
}

TEST_F(SettingsPanelTest, ClickingAJoystickNameDisablesAndEnablesIt) {
    JoyPorts = 1;
    JoyNames[1] = "Test Pad";
    JoyEnabled[1] = 1;
    platform::SetFakeJoysticks({platform::FakeJoystick{}});
    Open();
    platform::EnableDrawLog(true);
    int x = ScreenWidth - 280;
    ClickAt(x + 5, 20 + 230 + 7);
    EXPECT_EQ(JoyEnabled[1], 0);
    platform::ClearDrawLog();
    EndFrame(1);
    for (const auto& r : platform::DrawLog()) {
        if (r.text == "Test Pad") {
            EXPECT_DOUBLE_EQ(r.alpha, 0.2);
        }
    }
    ClickAt(x + 5, 20 + 230 + 7);
    EXPECT_EQ(JoyEnabled[1], 1);
    JoyPorts = 0;
}

}  // namespace
