// Display setup: the offered resolutions, the virtual surface, the crash marker
// fallback, font sizes, reloading on a display change, and the engine test budgets.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/engine_test.h"
#include "services/frame_service.h"
#include "services/messages.h"
#include "services/sound_effects.h"
#include "support/test_env.h"

namespace {

using Modes = std::vector<platform::DisplayMode>;

std::vector<std::string> ReadLog(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool Contains(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const auto& l : lines)
        if (l == wanted) return true;
    return false;
}

class DisplaySetup : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        root = testenv::UseScratchInstall();
        testenv::OpenScratchDebugLog(root);
        CommonAssetsLoaded = 0;
        DisplayWidth = 800;
        DisplayHeight = 600;
        // The engine test keeps the rate in the virtual clock: every size passes.
    }
    void TearDown() override {
        CloseDebugLog();
        ReleaseCommonAssets();
        platform::CloseDisplay();
        platform::SetFakeDisplayModes({});
        platform::SetFailingBackEnds({});
        CommonAssetsLoaded = 0;
    }
    std::vector<std::string> Log() {
        CloseDebugLog();
        auto lines = ReadLog(root + "Files/Debug.txt");
        return lines;
    }
    std::string root;
};

TEST_F(DisplaySetup, OffersFourByThreeAndWidescreenModesOnceEach) {
    platform::SetFakeDisplayModes({{1024, 768, 32, 60}, {1024, 768, 32, 75}, {1280, 1024, 32, 60},
                                   {1366, 768, 32, 60}, {1360, 768, 32, 60}, {1280, 800, 32, 60}, {800, 600, 16, 60}});
    Settings[5] = 1366;
    Settings[6] = 768;
    BuildResolutionList();
    ASSERT_EQ(ResolutionCount, 4);
    EXPECT_EQ(ResolutionWidths[1], 1024);
    EXPECT_EQ(ResolutionWidths[2], 1366);
    EXPECT_EQ(ResolutionWidths[3], 1280);
    EXPECT_EQ(ResolutionHeights[3], 800);
    EXPECT_EQ(ResolutionWidths[4], 800);
    EXPECT_EQ(Settings[4], 2);
    EXPECT_EQ(DisplayWidth, 1366);
}

TEST_F(DisplaySetup, AnUnofferedSizeFallsBackToThePreviousOne) {
    platform::SetFakeDisplayModes({{1024, 768, 32, 60}, {800, 600, 32, 60}});
    Settings[4] = 7;
    Settings[5] = 1920;
    Settings[6] = 1080;
    BuildResolutionList();
    EXPECT_EQ(Settings[5], 800);
    EXPECT_EQ(Settings[6], 600);
    EXPECT_EQ(Settings[4], 7);
}

TEST_F(DisplaySetup, VirtualSurfaceFollowsTheShapeOfTheDisplay) {
    struct Case {
        int w, h, vw, vh, wide;
        const char* line;
    } cases[] = {{1366, 768, 1600, 900, 1, "\tWidescreen mode!"},
                 {1920, 1080, 1600, 900, 1, "\tWidescreen mode!"},
                 {1280, 800, 1440, 900, 1, "\tWidescreen mode B (10:16)!"},
                 {1024, 768, 1280, 960, 0, nullptr},
                 {800, 600, 1280, 960, 0, nullptr}};
    for (const Case& c : cases) {
        testenv::OpenScratchDebugLog(root);
        DisplayWidth = c.w;
        DisplayHeight = c.h;
        ChooseVirtualSurface();
        EXPECT_EQ(ScreenWidth, c.vw) << c.w << "x" << c.h;
        EXPECT_EQ(ScreenHeight, c.vh);
        EXPECT_EQ(Settings[2], c.wide);
        auto log = Log();
        if (c.line) {
            EXPECT_TRUE(Contains(log, c.line));
        }
        EXPECT_FALSE(c.line == nullptr && (Contains(log, "\tWidescreen mode!") ||
                                           Contains(log, "\tWidescreen mode B (10:16)!")));
    }
}

TEST_F(DisplaySetup, LeftoverCrashMarkerMovesOpenGlToTheAlternative) {
    platform::SetFakeDisplayModes({{800, 600, 32, 60}});
    struct Case {
        int engine, after;
        const char* line;
    } cases[] = {{0, 1, "\tUsing DirectX 9 Driver"}, {2, 2, "\tUsing DirectX 7 Driver"}};
    for (const Case& c : cases) {
        { platform::TextWriter marker(root + "Files/250/crash.dat"); marker.Commit(); }
        testenv::OpenScratchDebugLog(root);
        Settings[3] = c.engine;
        CommonAssetsLoaded = 1;  // no splash for this case
        ApplyGraphicsSettings();
        EXPECT_EQ(Settings[3], c.after);
        EXPECT_TRUE(Contains(Log(), c.line));
        EXPECT_EQ(platform::FileType(root + "Files/250/crash.dat"), 0) << "the marker is gone after the change";
    }
}

TEST_F(DisplaySetup, FullScreenWithoutAMatchingModeOpensAWindowAndSaysSo) {
    platform::SetFakeDisplayModes({{800, 600, 8, 60}});
    Settings[1] = 1;
    // The message is up during the engine test's frames that follow.
    static bool shown;
    shown = false;
    platform::SetPollHook([](long long) {
        for (const auto& c : Comments) shown = shown || c.txt == "Can't set to fullscreen in this resolution.";
    });
    ApplyGraphicsSettings();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Contains(Log(), "\tResolution : 800x600,0"));
}

TEST_F(DisplaySetup, FontSizesFollowTheDisplayWidth) {
    struct Case {
        int width, role1, role2, role5, role9, grid0, grid8;
    } cases[] = {{800, 28, 22, 115, 16, 9, 115}, {900, 24, 16, 96, 14, 8, 96}, {560, 36, 32, 144, 21, 12, 144}};
    for (const Case& c : cases) {
        testenv::OpenTestDisplay(c.width, c.width * 3 / 4);
        DisplayWidth = c.width;
        CommonAssetsLoaded = 1;
        LoadCommonAssets();
        if (Fonts[1] == 0) GTEST_SKIP() << "fonts are not staged in the build";
        EXPECT_EQ(platform::FontSizeOf(Fonts[1]), c.role1) << c.width;
        EXPECT_EQ(platform::FontSizeOf(Fonts[2]), c.role2);
        EXPECT_EQ(platform::FontSizeOf(Fonts[3]), c.role2);
        EXPECT_EQ(platform::FontSizeOf(Fonts[5]), c.role5);
        EXPECT_EQ(platform::FontSizeOf(Fonts[9]), c.role9);
        EXPECT_EQ(platform::FontSizeOf(Fonts[10]), 112);
        EXPECT_EQ(platform::FontSizeOf(FontGrid[0]), c.grid0);
        EXPECT_EQ(platform::FontSizeOf(FontGrid[8]), c.grid8);
        EXPECT_EQ(FontGrid[9], 0);
        EXPECT_NE(FontGrid[28], 0);
        ReleaseCommonAssets();
        platform::CloseDisplay();
    }
}

TEST_F(DisplaySetup, SecondSetupReloadsEverythingWithoutSplashAndLeaksNothing) {
    platform::SetFakeDisplayModes({{800, 600, 32, 60}, {1024, 768, 32, 60}});
    platform::EnableDrawLog(true);
    ApplyGraphicsSettings();
    int jingles = 0;
    for (const auto& s : platform::SoundLog())
        if (s.op == "play" && s.channel == Channels[256]) ++jingles;
    EXPECT_EQ(jingles, 1);
    int handlesAfterFirst = platform::LiveHandleCount();
    EXPECT_GT(handlesAfterFirst, 40) << "fonts and images of the display";
    EXPECT_NE(GfxImage, 0);
    platform::ClearSoundLog();
    platform::ClearDrawLog();
    Settings[5] = 1024;
    Settings[6] = 768;
    ApplyGraphicsSettings();
    EXPECT_EQ(platform::LiveHandleCount(), handlesAfterFirst);
    EXPECT_TRUE(platform::SoundLog().empty()) << "no jingle the second time";
    EXPECT_EQ(DisplayWidth, 1024);
    auto log = Log();
    EXPECT_TRUE(Contains(log, "\tChanged Graphics Mode ingame."));
    int engineTests = 0, sfxLines = 0;
    for (const auto& l : log) {
        if (l == "Starting Engine Test") ++engineTests;
        if (l == "\tSFX(1)") ++sfxLines;
    }
    EXPECT_EQ(engineTests, 2);
    EXPECT_EQ(sfxLines, 2);
}

TEST_F(DisplaySetup, SoundEffectsLoadOnlyThoseThatExist) {
    std::string scratch = testenv::ScratchFolder();
    platform::CreateDir(scratch + "Common");
    platform::CreateDir(scratch + "250");
    std::string game = scratch + "250/";
    platform::ChangeDir(game);
    for (const char* name : {"001.wav", "002.wav", "010.wav"}) testenv::WriteTestWav(game + name, 100);
    for (int& s : SoundEffects) s = 0;
    testenv::OpenTestDisplay(800, 600);
    CommonAssetsLoaded = 1;
    LoadCommonAssets();
    int loaded = 0;
    for (int n = 1; n <= 200; ++n) loaded += SoundEffects[n] != 0;
    EXPECT_EQ(loaded, 3);
    EXPECT_NE(SoundEffects[10], 0);
    std::vector<std::string> lines;
    for (const auto& l : Log())
        if (l.rfind("\tSFX(", 0) == 0) lines.push_back(l);
    EXPECT_EQ(lines, (std::vector<std::string>{"\tSFX(1)", "\tSFX(2)", "\tSFX(10)"}));
}

TEST_F(DisplaySetup, NoBackEndThatOpensEndsTheProgramWithAnError) {
    platform::SetFakeDisplayModes({{800, 600, 32, 60}});
    platform::SetFailingBackEnds({0, 1, 2});
    int status = testenv::RunUntilExit([] { ApplyGraphicsSettings(); });
    EXPECT_EQ(status, 1);
}

TEST_F(DisplaySetup, AnUnavailableBackEndFallsThroughAndIsLogged) {
    platform::SetFakeDisplayModes({{800, 600, 32, 60}});
    platform::SetFailingBackEnds({0, 1});
    Settings[3] = 0;
    CommonAssetsLoaded = 1;
    ApplyGraphicsSettings();
    EXPECT_EQ(platform::ActiveBackEnd(), 2);
    EXPECT_TRUE(Contains(Log(), "\tOpenGL back end unavailable, using Software"));
}

TEST(EngineTestBudgets, BudgetsAndLowerLimits) {
    testenv::Begin();
    struct Case {
        int best, main, glow, particles, slow;
        bool overwritten;
    } cases[] = {{20000, 8000, 8000, 4000, 0, false}, {2500, 1000, 1000, 500, 0, false},
                 {2000, 1000, 800, 400, 1, true},    {0, 1000, 500, 250, 1, true}};
    for (const Case& c : cases) {
        Settings[7] = 0;
        TargetFps = 60;
        SetSpriteBudgets(c.best);
        EXPECT_EQ(SpriteLimit[1], c.main) << c.best;
        EXPECT_EQ(SpriteLimit[2], c.glow);
        EXPECT_EQ(SpriteLimit[3], c.particles);
        EXPECT_EQ(Settings[7], c.slow);
        EXPECT_EQ(TargetFps, c.overwritten ? 30 : 60);
    }
}

class EngineTestSweep : public DisplaySetup {};

TEST_F(EngineTestSweep, StopsWhereTheRateDropsAndHidesTheOverlay) {
    testenv::OpenTestDisplay(800, 600);
    // Each present costs virtual time in proportion to the images of the frame:
    // 1 ms per 500 images beyond the frame's own 15 ms.
    platform::EnableDrawLog(true);
    platform::SetPollHook([](long long) {
        size_t images = 0;
        for (const auto& r : platform::DrawLog())
            if (r.op == "image") ++images;
        platform::ClearDrawLog();
        platform::AdvanceVirtualClock(static_cast<int64_t>(images / 500));
    });
    StatsOverlay = 1;
    EngineTest(60, 2);
    EXPECT_EQ(StatsOverlay, 0);
    // Frames of 15 + n/500 ms: 1000 images keep 58 fps (17 ms), 1500 give 55.
    auto log = Log();
    EXPECT_TRUE(Contains(log, "Aiming for 60,2"));
    EXPECT_TRUE(Contains(log, "\tMain sprites : 400"));
    EXPECT_EQ(SpriteLimit[1], 1000);
    EXPECT_EQ(Settings[7], 1);
    EXPECT_TRUE(Contains(log, "Settings Overwritten, Set to Default Lower Limits at 30fps."));
}

}  // namespace
