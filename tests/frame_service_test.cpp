// The end-of-frame service: pacing and the frame rate figure, the overlay, the
// pointer, the pause menu hook and the quit request.
#include <gtest/gtest.h>

#include <vector>

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "services/frame_service.h"
#include "services/messages.h"
#include "support/test_env.h"

namespace {

class FrameService : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        root = testenv::UseScratchInstall();
        testenv::OpenTestDisplay(800, 600);
    }
    void TearDown() override {
        platform::CloseDisplay();
        GameState = 0;
    }
    std::string root;
};

TEST_F(FrameService, FrameRateSettlesTwoBelowTheSteadyRate) {
    // Each present takes one more virtual millisecond, so frames last 16 ms.
    platform::SetPollHook([](long long) { platform::AdvanceVirtualClock(1); });
    std::vector<int> rates;
    for (int i = 0; i < 10; ++i) {
        EndFrame(0);
        EXPECT_EQ(FrameDuration, 16);
        rates.push_back(FramesPerSecond);
    }
    EXPECT_EQ(rates, (std::vector<int>{20, 34, 43, 49, 53, 56, 58, 59, 60, 60}));
}

TEST_F(FrameService, SteadySeventeenMillisecondFramesSettleAtFiftySix) {
    platform::SetPollHook([](long long) { platform::AdvanceVirtualClock(2); });
    for (int i = 0; i < 20; ++i) EndFrame(0);
    EXPECT_EQ(FrameDuration, 17);
    EXPECT_EQ(FramesPerSecond, 56);
}

TEST_F(FrameService, PacingSleepsAtLeastOnceEvenWhenLate) {
    FrameStartTime = 0;
    platform::SetVirtualClock(100);  // the frame is already late
    EndFrame(0);
    EXPECT_EQ(FrameStartTime, 101);
}

TEST_F(FrameService, F12TogglesTheOverlayAndSkipFrameAlternates) {
    StatsOverlay = 0;
    platform::ScriptKeyTap(platform::kKeyF12);
    EndFrame(0);  // the tap arrives with this frame's present
    EXPECT_EQ(StatsOverlay, 0);
    EXPECT_EQ(SkipFrame, 1);
    EndFrame(0);
    EXPECT_EQ(StatsOverlay, 1);
    EXPECT_EQ(SkipFrame, 0);
    platform::EnableDrawLog(true);
    platform::ClearDrawLog();
    platform::ScriptKeyTap(platform::kKeyF12);
    EndFrame(0);
    int overlayLines = 0;
    for (const auto& r : platform::DrawLog())
        if (r.op == "text" && r.x == 2) ++overlayLines;
    EXPECT_EQ(overlayLines, 7);
    EndFrame(0);
    EXPECT_EQ(StatsOverlay, 0);
}

TEST_F(FrameService, PointerIsDrawnWhenAskedOrWhileTheSettingsPanelIsOpen) {
    platform::EnableDrawLog(true);
    auto pointers = [] {
        int n = 0;
        for (const auto& r : platform::DrawLog())
            if (r.op == "image" && r.frame == 63) ++n;
        return n;
    };
    platform::ScriptMouseMove(100, 200);
    EndFrame(0);
    platform::ClearDrawLog();
    EndFrame(1);
    ASSERT_EQ(pointers(), 1);
    for (const auto& r : platform::DrawLog())
        if (r.frame == 63) {
            EXPECT_EQ(r.x, 112);
            EXPECT_EQ(r.y, 212);
            EXPECT_EQ(r.sx, 1.5);
        }
    EXPECT_EQ(MouseX, 100);
    EXPECT_EQ(MouseY, 200);
    platform::ClearDrawLog();
    EndFrame(0);
    EXPECT_EQ(pointers(), 0);
}

TEST_F(FrameService, SlowSystemPresentsEveryOtherFrame) {
    Settings[7] = 1;
    platform::EnableDrawLog(true);
    for (int i = 0; i < 6; ++i) EndFrame(0);
    int flips = 0;
    for (const auto& r : platform::DrawLog())
        if (r.op == "flip") ++flips;
    EXPECT_EQ(flips, 3);
}

TEST_F(FrameService, EscapeDuringAGameOpensThePauseMenuOnceAndMovesTheStartTime) {
    GameState = 1;
    GameStartTime = 5;
    platform::ScriptKeyDown(platform::kKeyEscape);  // poll 1
    platform::ScriptFrameMark();
    platform::ScriptKeyUp(platform::kKeyEscape);  // poll 2: the menu waits for this
    platform::ScriptFrameMark();
    platform::ScriptFrameMark();                   // poll 3: a frame with nothing held
    platform::ScriptKeyTap(platform::kKeySpace);  // poll 4: choose "Continue"
    EXPECT_EQ(EndFrame(0), 0);
    int64_t before = ClockMs();
    EXPECT_EQ(EndFrame(0), 1);
    EXPECT_EQ(GameState, 1);
    EXPECT_GT(GameStartTime, 5 + 30);  // at least the menu's frames
    EXPECT_LE(GameStartTime, 5 + (ClockMs() - before));
    EXPECT_EQ(EndFrame(0), 0);
}

TEST_F(FrameService, EscapeOnTheTitleScreenDoesNothing) {
    GameState = 0;
    platform::ScriptKeyDown(platform::kKeyEscape);
    EndFrame(0);
    EXPECT_EQ(EndFrame(0), 0);
    EXPECT_EQ(GameState, 0);
}

TEST_F(FrameService, AltF4AndTheWindowCloseLeadToTheClosingScreen) {
    for (int way = 0; way < 2; ++way) {
        testenv::Begin();
        testenv::OpenTestDisplay(800, 600);
        if (way == 0) {
            platform::ScriptKeyDown(platform::kKeyLAlt);
            platform::ScriptKeyDown(platform::kKeyF4);
        } else {
            // The first close request reaches the closing screen; the page then
            // waits for a request to close its own window.
            platform::SetPollHook([](long long) { platform::ScriptClose(); });
        }
        int status = testenv::RunUntilExit([] {
            for (int i = 0; i < 5; ++i) EndFrame(0);
        });
        EXPECT_EQ(status, 0) << "way " << way;
    }
}

TEST_F(FrameService, MessagesStackAgeAndVanishTogether) {
    platform::EnableDrawLog(true);
    AddComment("one", 1);
    AddComment("two", 1);
    AddComment("three", 1);
    platform::ClearDrawLog();
    EndFrame(0);
    std::vector<double> boxes;
    bool highlighted = false;
    for (const auto& r : platform::DrawLog())
        if (r.op == "rect" && r.x == 0 && r.y > 800) {
            boxes.push_back(r.y);
            highlighted = r.r == 255 && r.g == 255 && r.b == 0;
        }
    EXPECT_EQ(boxes, (std::vector<double>{960 - 16, 960 - 30, 960 - 44}));
    EXPECT_TRUE(highlighted);
    EXPECT_EQ(Comments[0].tick, 1);
    for (int i = 2; i < 60; ++i) EndFrame(0);
    EXPECT_EQ(Comments[0].tick, 59);
    platform::ClearDrawLog();
    EndFrame(0);  // tick 60: black box, white text
    for (const auto& r : platform::DrawLog()) {
        if (r.op == "text" && r.text == "one") {
            EXPECT_EQ(r.r, 255);
        }
    }
    for (int i = 61; i < 180; ++i) EndFrame(0);
    EXPECT_EQ(Comments.size(), 3u);
    EndFrame(0);
    EXPECT_TRUE(Comments.empty());
}

}  // namespace
