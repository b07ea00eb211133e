// Screenshots (F11) and the closing screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frame/closing_screen.h"
#include "frame/debug_log.h"
#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "scores/score_records.h"
#include "services/common_assets.h"
#include "services/frame_service.h"
#include "services/messages.h"
#include "services/screenshot.h"
#include "support/test_env.h"

namespace fs = std::filesystem;

namespace {

TEST(Screenshot, FileNameLosesTheCharactersAFileNameMustNotHold) {
    EXPECT_EQ(ScreenshotFileName("09 Dec 2026", "19:32:27"), "Wordloom  (Screenshot_09 Dec 2026_193227).png");
    EXPECT_EQ(SanitiseFileName("a#b'c,d`e.f\\g/h:i|j*k?l\"m"), "abcdefghijklm");
    EXPECT_EQ(SanitiseFileName("Word: #1 / the?"), "Word 1  the");
}

class ScreenAndClose : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        root = testenv::UseScratchInstall();
        testenv::OpenScratchDebugLog(root);
        testenv::OpenTestDisplay(800, 600);
        CommonAssetsLoaded = 1;
        LoadCommonAssets();
    }
    void TearDown() override {
        CloseDebugLog();
        ReleaseCommonAssets();
        platform::CloseDisplay();
        CommonAssetsLoaded = 0;
    }
    std::string root;
};

TEST_F(ScreenAndClose, F11SavesAValidPngOfTheDisplaySizeAndASecondOneGetsAFreeName) {
    platform::SetTestRendering(true);
    platform::SetFakeDateTime("09 Dec 2026", "19:32:27");
    platform::ScriptKeyTap(platform::kKeyF11);
    EndFrame(0);
    EndFrame(0);
    std::string first = root + "Files/Wordloom  (Screenshot_09 Dec 2026_193227).png";
    ASSERT_EQ(platform::FileType(first), 1);
    std::string png = testenv::ReadFile(first);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(png[at]) << 24) | (static_cast<unsigned char>(png[at + 1]) << 16) |
               (static_cast<unsigned char>(png[at + 2]) << 8) | static_cast<unsigned char>(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 800);
    EXPECT_EQ(be32(20), 600);
    ASSERT_FALSE(Comments.empty());
    EXPECT_EQ(Comments.back().txt, "Saved Screenshot");
    EXPECT_EQ(platform::CurrentDir(), root + "Files/250/");
    platform::ScriptKeyTap(platform::kKeyF11);
    EndFrame(0);
    EndFrame(0);
    EXPECT_EQ(platform::FileType(root + "Files/Wordloom  (Screenshot_09 Dec 2026_193227) (2).png"), 1);
    EXPECT_EQ(testenv::ReadFile(first), png) << "the first screenshot is kept";
    CloseDebugLog();
    std::string log = testenv::ReadFile(root + "Files/Debug.txt");
    EXPECT_NE(log.find("\tSaving Screenshot : Wordloom  (Screenshot_09 Dec 2026_193227).png\r\n"), std::string::npos);
    EXPECT_NE(log.find("\tSaved Screenshot 1\r\n"), std::string::npos);
}

TEST_F(ScreenAndClose, AFailedSaveIsLoggedAndStillShowsTheMessage) {
    platform::SetTestRendering(true);
    platform::SetFakeDateTime("10 Dec 2026", "08:00:00");
    // A folder where the PNG's temporary file would go makes the save fail.
    std::string name = root + "Files/Wordloom  (Screenshot_10 Dec 2026_080000).png";
    fs::create_directories(name + ".tmp");
    platform::ScriptKeyTap(platform::kKeyF11);
    EndFrame(0);
    EndFrame(0);
    EXPECT_EQ(platform::FileType(name), 0);
    ASSERT_FALSE(Comments.empty());
    EXPECT_EQ(Comments.back().txt, "Saved Screenshot");
    CloseDebugLog();
    EXPECT_NE(testenv::ReadFile(root + "Files/Debug.txt").find("\tSaved Screenshot 0\r\n"), std::string::npos);
}

TEST_F(ScreenAndClose, EveryWayOutSavesTheSameFilesAndExitsZero) {
    enum Way { kAltF4, kWindowClose, kDirect };
    std::string previousSetup, previousScores;
    for (Way way : {kAltF4, kWindowClose, kDirect}) {
        testenv::Begin();
        testenv::OpenTestDisplay(800, 600);
        Settings[11] = 37;
        platform::DeleteFile(root + "Files/Setup.ini");
        if (way == kAltF4) {
            platform::ScriptKeyDown(platform::kKeyRAlt);
            platform::ScriptKeyDown(platform::kKeyF4);
        } else if (way == kWindowClose) {
            platform::SetPollHook([](long long) { platform::ScriptClose(); });
        } else {
            platform::SetPollHook([](long long poll) {
                if (poll > 3) platform::ScriptMouseDown(1);
            });
        }
        platform::EnableDrawLog(true);
        int status = testenv::RunUntilExit([&] {
            if (way == kDirect) ClosingScreen();
            for (int i = 0; i < 5; ++i) EndFrame(0);
        });
        EXPECT_EQ(status, 0) << way;
        std::string setup = testenv::ReadFile(root + "Files/Setup.ini");
        EXPECT_NE(setup.find("Master = 37\r\n"), std::string::npos);
        if (!previousSetup.empty()) {
            EXPECT_EQ(setup, previousSetup);
        }
        previousSetup = setup;
        EXPECT_EQ(platform::FileType(root + "Files/250/scores.dat"), 1);
        // The shadows stand two pixels right of and below the white texts.
        double shadowX = -1, shadowY = -1, whiteX = -1, whiteY = -1;
        for (const auto& r : platform::DrawLog()) {
            if (r.text != "Thanks for Playing") continue;
            if (r.r == 0) {
                shadowX = r.x;
                shadowY = r.y;
                EXPECT_DOUBLE_EQ(r.alpha, 0.8);
            } else {
                whiteX = r.x;
                whiteY = r.y;
            }
        }
        EXPECT_EQ(shadowX - whiteX, 2);
        EXPECT_EQ(shadowY - whiteY, 2);
        EXPECT_EQ(platform::DisplayPixelWidth(), 0) << "the page's window is closed at the end";
        // Reopen for the next way out.
        testenv::OpenTestDisplay(800, 600);
        testenv::OpenScratchDebugLog(root);
    }
    CloseDebugLog();
}

}  // namespace
