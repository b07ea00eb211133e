// The title screen's frame: the slide-in, the press rules of the start button and
// of Escape, and the settings hint.
#include <gtest/gtest.h>

#include "frame/settings_panel.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "main/title_loop.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "support/test_env.h"
#include "wordgame/game_screen.h"

namespace {

class TitleLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        testenv::OpenTestDisplay(800, 600);
        platform::EnableDrawLog(true);
        // A game that starts is noticed and left at once.
        platform::SetPollHook([](long long) {
            if (GameState == 1) throw GameStarted{};
        });
    }
    void TearDown() override {
        platform::SetPollHook(nullptr);
        platform::CloseDisplay();
        GameState = 0;
    }
    struct GameStarted {};
    // Runs frames; true when a game started.
    bool Frames(TitleState& t, int n) {
        try {
            for (int i = 0; i < n; ++i) TitleFrame(t);
        } catch (const GameStarted&) {
            return true;
        }
        return false;
    }
};

TEST_F(TitleLoopTest, SettlesIn32FramesWithTheCreditsPanelInPlace) {
    TitleState t;
    double panelX = 0;
    for (int i = 0; i < 40; ++i) {
        platform::ClearDrawLog();
        TitleFrame(t);
        for (const auto& r : platform::DrawLog())
            if (r.op == "rect" && r.h == 422 && r.w == 416) panelX = r.x;
        if (i == 30) {
            EXPECT_LT(panelX, 10);
        }
    }
    EXPECT_EQ(t.slide, 32);
    EXPECT_EQ(panelX, 10);
}

TEST_F(TitleLoopTest, AClickStartsAGameOnlyWhenPressedFreshOverTheButton) {
    struct Case {
        const char* what;
        int startHeld, settingsSlide, settingsOpen;
        bool starts;
    } cases[] = {{"a fresh click", 0, -300, 0, true},
                 {"held on from the game's last screen", 1, -300, 0, false},
                 {"settings panel open", 0, 20, 1, false},
                 // -204, then -236 when the click is seen: still above -250.
                 {"settings panel sliding shut", 0, -204, 0, false},
                 // -236, then -268: below -250, the click counts.
                 {"settings panel nearly shut", 0, -236, 0, true}};
    for (const Case& c : cases) {
        testenv::Begin();
        platform::SetPollHook([](long long) {
            if (GameState == 1) throw GameStarted{};
        });
        TitleState t;
        t.slide = 32;
        t.startHeld = c.startHeld;
        SettingsSlide = c.settingsSlide;
        SettingsOpen = c.settingsOpen;
        // The button is already down over the start button when the title runs.
        platform::ScriptMouseMove(640, 480);
        platform::ScriptMouseDown(1);
        platform::PollEvents();
        EXPECT_EQ(Frames(t, 2), c.starts) << c.what;
    }
}

TEST_F(TitleLoopTest, EscapeHeldFromAGameDoesNotLeaveButAFreshPressDoes) {
    TitleState t;
    t.escapeHeld = 1;
    platform::ScriptKeyDown(platform::kKeyEscape);
    Frames(t, 5);
    EXPECT_EQ(t.quit, 0);
    platform::ScriptKeyUp(platform::kKeyEscape);
    Frames(t, 2);
    EXPECT_EQ(t.escapeHeld, 0);
    platform::ScriptKeyDown(platform::kKeyEscape);
    Frames(t, 2);
    EXPECT_EQ(t.quit, 1);
}

TEST_F(TitleLoopTest, TheTabHintBlinksYellowOnlyWhileTheWidthIsUnchanged) {
    auto hintColour = [] {
        for (const auto& r : platform::DrawLog())
            if (r.text == "Hit [Tab] for settings") return r.b;
        return -1;
    };
    struct Case {
        int width, clock, blue;
    } cases[] = {{800, 100, 0}, {800, 500, 255}, {1024, 100, 255}};
    for (const Case& c : cases) {
        TitleState t;
        Settings[5] = c.width;
        platform::SetVirtualClock(c.clock);
        FrameStartTime = c.clock + 1000;  // the frame's pacing then takes no virtual time
        platform::ClearDrawLog();
        // Only the hint's own colour matters: read it from the log.
        TitleFrame(t);
        EXPECT_EQ(hintColour(), c.blue) << c.width << " at " << c.clock;
    }
}

}  // namespace
