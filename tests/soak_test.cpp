// A long scripted session headless: 30 games, 20 display changes through the
// settings panel, pause menus and screenshots. Memory stays flat after warm-up,
// every display handle is released on each change, and every game reaches
// scores.dat.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frame/settings_panel.h"
#include "main/program_state.h"
#include "main/start_up.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "scores/score_records.h"
#include "services/common_assets.h"
#include "support/scripted_player.h"
#include "support/test_env.h"

namespace {

using testenv::AddClick;
using testenv::Drew;
using testenv::Step;

struct Sample {
    int64_t memory;
    int handles;
};
std::vector<Sample> samples;

TEST(Soak, ThirtyGamesAndTwentyDisplayChangesKeepMemoryFlat) {
    testenv::Begin();
    std::string root = testenv::UseScratchInstall();
    platform::SetFakeDisplayModes({{800, 600, 32, 60}, {1024, 768, 32, 60}, {1280, 960, 32, 60}});
    CommonAssetsLoaded = 0;
    ScoresLoaded = 0;
    ScoresList.clear();
    samples.clear();
    auto onTitle = [] { return GameState == 0 && Drew("Click Here to Start"); };
    auto inGame = [] { return GameState == 1 && Drew("Score so Far : 0"); };
    auto inNameEntry = [] { return Drew("Enter Your Name"); };
    auto key = [](int code) {
        return [code] {
            platform::ScriptKeyTap(code);
            testenv::Player().wait = 3;
        };
    };
    std::vector<Step> steps;
    for (int game = 1; game <= 30; ++game) {
        steps.push_back({onTitle, [] {
                             samples.push_back({platform::MemoryInUse(), platform::LiveHandleCount()});
                             testenv::Player().wait = 40;  // let the title settle
                         }});
        if (game <= 20) {
            // The settings panel: next resolution, then Apply (a display change).
            steps.push_back({[] { return true; }, key(platform::kKeyTab)});
            steps.push_back({[] { return SettingsSlide == 20; }, [] {}});
            AddClick(steps, [] { return true; }, 30, 20 + 70 + 16);
            AddClick(steps, [] { return true; }, 24, 20 + 264);
            steps.push_back({onTitle, [] { testenv::Player().wait = 40; }});
        }
        if (game % 5 == 0) steps.push_back({[] { return true; }, key(platform::kKeyF11)});
        AddClick(steps, onTitle, 640, 480);
        if (game % 3 == 0) {
            // A pause and back.
            steps.push_back({inGame, [] {
                                 platform::ScriptKeyDown(platform::kKeyEscape);
                                 testenv::Player().wait = 2;
                             }});
            steps.push_back({[] { return true; }, [] {
                                 platform::ScriptKeyUp(platform::kKeyEscape);
                                 testenv::Player().wait = 3;
                             }});
            steps.push_back({[] { return Drew("Continue"); }, key(platform::kKeySpace)});
        }
        AddClick(steps, inGame, 640 - 550 + 48, 960 - 204 + 48);
        steps.push_back({inNameEntry, key(platform::kKeyReturn)});
    }
    steps.push_back({onTitle, [] {
                         samples.push_back({platform::MemoryInUse(), platform::LiveHandleCount()});
                         platform::ScriptKeyDown(platform::kKeyEscape);
                     }});
    testenv::ScriptedPlayer& player = testenv::Player();
    player = testenv::ScriptedPlayer{};
    player.steps = steps;
    player.pollLimit = 2000000;
    testenv::StartPlayer();
    int status = testenv::RunUntilExit([] { StartUp(); });
    platform::SetPollHook(nullptr);
    platform::EnableDrawLog(false);
    platform::SetFakeDisplayModes({});
    EXPECT_EQ(status, 0);
    ASSERT_EQ(player.next, player.steps.size()) << "the script stopped at step " << player.next;
    ASSERT_EQ(samples.size(), 31u);
    // Start, after warm-up (five games and display changes), and end.
    const Sample& warm = samples[5];
    const Sample& end = samples.back();
    std::printf("[ soak     ] memory in use: start %lld, after warm-up %lld, end %lld bytes; handles %d, %d, %d\n",
                static_cast<long long>(samples[0].memory), static_cast<long long>(warm.memory),
                static_cast<long long>(end.memory), samples[0].handles, warm.handles, end.handles);
    EXPECT_LT(end.memory - warm.memory, 4 * 1024 * 1024) << "memory grows with games and display changes";
    for (const Sample& s : samples) EXPECT_EQ(s.handles, samples[0].handles) << "display handles are released";
    std::ifstream in(root + "Files/250/scores.dat", std::ios::binary);
    std::string line;
    int records = 0;
    for (int n = 0; std::getline(in, line); ++n)
        if (n % 2 == 0 && line.find('|') != std::string::npos) ++records;
    EXPECT_EQ(records, 30);
    int screenshots = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root + "Files"))
        if (entry.path().extension() == ".png") ++screenshots;
    EXPECT_EQ(screenshots, 6);
}

}  // namespace
