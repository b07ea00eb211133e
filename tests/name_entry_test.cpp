#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/testing.h"
#include "scores/name_entry.h"
#include "scores/score_records.h"
#include "services/common_assets.h"
#include "services/display_setup.h"

namespace {
struct TimedOut {};

// Drives the name entry from the poll hook: each step scripts some input and the
// next step starts once the name reads as that step expects, so the test does not
// depend on how many polls a frame takes.
class NameEntryTest : public ::testing::Test {
protected:
    struct Step {
        std::function<void()> act;
        std::string expect;  // the name once the step took effect; "*" for any
    };

    void SetUp() override {
        platform::EnableTestMode();
        platform::EnableDrawLog(true);
        platform::ClearDrawLog();
        ScreenWidth = 1280;
        ScreenHeight = 960;
        for (int k = 1; k <= 13; ++k) Fonts[k] = 900 + k;
        PlayerName = "Player";
    }
    void TearDown() override {
        platform::SetPollHook(nullptr);
        platform::EnableDrawLog(false);
        PlayerName = "Player";
    }

    // Runs EnterName with the steps; returns false when it had to be stopped.
    bool Run(std::vector<Step> steps) {
        size_t i = 0;
        bool acted = false;
        long long polls = 0;
        platform::SetPollHook([&](long long) {
            if (++polls > 6000) throw TimedOut{};
            if (i >= steps.size()) return;
            if (acted && (steps[i].expect == "*" || PlayerName == steps[i].expect)) {
                ++i;
                acted = false;
            }
            if (!acted && i < steps.size()) {
                steps[i].act();
                acted = true;
            }
        });
        try {
            EnterName();
        } catch (const TimedOut&) {
            platform::SetPollHook(nullptr);
            return false;
        }
        platform::SetPollHook(nullptr);
        stepsDone_ = i;
        return true;
    }

    static std::function<void()> Type(char c) {
        return [c] { platform::ScriptChar(static_cast<unsigned char>(c)); };
    }
    static std::function<void()> Tap(int key) {
        return [key] { platform::ScriptKeyTap(key); };
    }
    // Holds a key or the button for a few polls, then lets go.
    static std::vector<Step> Hold(std::function<void()> down, std::function<void()> up) {
        std::vector<Step> steps{{down, "*"}};
        for (int k = 0; k < 8; ++k) steps.push_back({[] {}, "*"});
        steps.push_back({up, "*"});
        return steps;
    }
    size_t stepsDone_ = 0;
};

TEST_F(NameEntryTest, TypingAppendsToTheNameAndEnterConfirms) {
    ASSERT_TRUE(Run({
        {Type('X'), "PlayerX"},
        {[] { platform::ScriptChar('|'); platform::ScriptChar('y'); }, "PlayerXy"},  // "|" is not taken
        {Type('\t'), "*"},  // control characters are not taken either
        {Type('z'), "PlayerXyz"},
        {Tap(platform::kKeyBackspace), "PlayerXy"},
        {Tap(platform::kKeyReturn), "*"},
    }));
    EXPECT_EQ(PlayerName, "PlayerXy");
    bool title = false, name = false;
    for (const platform::DrawRecord& d : platform::DrawLog()) {
        title |= d.handle == Fonts[6] && d.text == "Enter Your Name";
        name |= d.handle == Fonts[5] && (d.text == "PlayerXy_" || d.text == "PlayerXy ");
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(name);
}

TEST_F(NameEntryTest, BackspaceOnEmptyNameDoesNothingAndEscapeConfirms) {
    PlayerName = "";
    std::vector<Step> steps = {
        {Tap(platform::kKeyBackspace), "*"},
        {[] {}, "*"},
        {[] {}, "*"},
        {Type('a'), "a"},
        {Tap(platform::kKeyBackspace), ""},
        {Tap(platform::kKeyBackspace), "*"},
    };
    for (const Step& s : Hold([] { platform::ScriptKeyDown(platform::kKeyEscape); },
                              [] { platform::ScriptKeyUp(platform::kKeyEscape); }))
        steps.push_back(s);
    ASSERT_TRUE(Run(steps));
    EXPECT_EQ(PlayerName, "");  // an empty name is accepted
    EXPECT_FALSE(platform::KeyDown(platform::kKeyEscape));  // returned only once it was let go
}

TEST_F(NameEntryTest, ClickConfirmsAndBothEndsWaitForRelease) {
    // The button is still held from the game: it must not confirm the name at once.
    platform::ScriptMouseDown(1);
    platform::ScriptFrameMark();
    platform::PollEvents();
    std::vector<Step> steps = {
        {[] { platform::ScriptMouseUp(1); }, "*"},
        {Type('Z'), "PlayerZ"},
    };
    for (const Step& s : Hold([] { platform::ScriptMouseDown(1); }, [] { platform::ScriptMouseUp(1); }))
        steps.push_back(s);
    ASSERT_TRUE(Run(steps));
    EXPECT_EQ(PlayerName, "PlayerZ");
    EXPECT_EQ(stepsDone_, steps.size() - 1);  // the release was the last thing it saw
    EXPECT_FALSE(platform::MouseDown(1));
}
}  // namespace
