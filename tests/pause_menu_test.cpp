// The pause menu: latch, wrapping selection, Escape's answer, the fixed scatter.
#include <gtest/gtest.h>

#include <vector>

#include "frame/draw_helpers.h"
#include "main/program_state.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "services/frame_service.h"
#include "services/pause_menu.h"
#include "support/test_env.h"

namespace {

// Runs the menu with held[i] the keys held from poll i + 1 on (one poll per frame).
int RunMenu(const std::vector<std::vector<int>>& held) {
    static std::vector<std::vector<int>> script;
    static long long firstPoll;
    script = held;
    firstPoll = -1;
    platform::SetPollHook([](long long poll) {
        if (firstPoll < 0) firstPoll = poll;
        long long i = poll - firstPoll;
        std::vector<int> now = i < static_cast<long long>(script.size()) ? script[i] : std::vector<int>{};
        for (int code : {platform::kKeyEscape, platform::kKeyUp, platform::kKeyDown, platform::kKeySpace}) {
            bool down = false;
            for (int c : now) down = down || c == code;
            if (down) platform::ScriptKeyDown(code);
            else platform::ScriptKeyUp(code);
        }
        // Never hang a test: Escape ends the menu after 400 frames.
        if (i > 400 && i < 403) platform::ScriptKeyDown(platform::kKeyEscape);
    });
    GameState = 2;
    int result = PauseMenu();
    GameState = 0;
    platform::SetPollHook(nullptr);
    return result;
}

class PauseMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        testenv::OpenTestDisplay(800, 600);
    }
    void TearDown() override { platform::CloseDisplay(); }
};

constexpr int Esc = platform::kKeyEscape, Up = platform::kKeyUp, Down = platform::kKeyDown,
              Space = platform::kKeySpace;

TEST_F(PauseMenuTest, ChoicesByKeys) {
    struct Case {
        const char* what;
        std::vector<std::vector<int>> held;
        int result;
    } cases[] = {
        {"space chooses Continue", {{}, {}, {Space}, {}}, 1},
        {"up wraps to Quit", {{}, {}, {Up}, {}, {Space}, {}}, 99},
        {"down then down comes back to Continue", {{}, {Down}, {}, {Down}, {}, {Space}}, 1},
        {"escape with Continue highlighted", {{}, {}, {Esc}}, 1},
        {"escape with Quit highlighted", {{}, {Down}, {}, {Esc}}, 99},
        {"holding down moves one step only", {{}, {Down}, {Down}, {Down}, {Down}, {}, {Space}}, 99},
    };
    for (const Case& c : cases) {
        testenv::Begin();
        EXPECT_EQ(RunMenu(c.held), c.result) << c.what;
    }
}

TEST_F(PauseMenuTest, OpeningWithSpaceHeldNeedsAFreshPress) {
    // Poll 1 is the wait for Escape's release; Space is held from then on.
    std::vector<std::vector<int>> held(30, std::vector<int>{Space});
    held.push_back({});
    held.push_back({Space});
    platform::SetVirtualClock(0);
    platform::ScriptKeyDown(Space);  // held when the menu opens
    platform::PollEvents();
    int result = RunMenu(held);
    EXPECT_EQ(result, 1);
    EXPECT_GE(ClockMs(), 30 * 15) << "Space held at opening did not choose at once";
}

TEST_F(PauseMenuTest, TheScatterIsTheSameInEveryFrameAndPauseAndTheClockReseedsAfter) {
    platform::EnableDrawLog(true);
    auto scatter = [] {
        std::vector<std::pair<double, double>> places;
        for (const auto& r : platform::DrawLog())
            if (r.op == "text" && r.text == AppTitleText) places.emplace_back(r.x, r.y);
        return places;
    };
    RunMenu({{}, {}, {}, {Space}});
    auto first = scatter();
    ASSERT_EQ(first.size() % 180, 0u);
    ASSERT_GE(first.size(), 360u);
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 180, first.begin() + 180));
    platform::ClearDrawLog();
    platform::AdvanceVirtualClock(12345);
    RunMenu({{}, {}, {Space}});
    auto second = scatter();
    EXPECT_TRUE(std::equal(first.begin(), first.begin() + 180, second.begin()));
    int afterFirst = platform::Rand(0, 1000000);
    platform::AdvanceVirtualClock(777);
    RunMenu({{}, {}, {Space}});
    EXPECT_NE(platform::Rand(0, 1000000), afterFirst) << "the game's draws after a pause do not repeat";
}

}  // namespace
