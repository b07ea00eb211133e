// The whole program headless, from start-up to the closing screen: the start-up
// log, the title screen's press rules, a game quit from the quit button and one
// from the pause menu, and the files left behind.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "main/program_state.h"
#include "main/start_up.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/testing.h"
#include "scores/score_records.h"
#include "services/display_setup.h"
#include "services/common_assets.h"
#include "support/scripted_player.h"
#include "support/test_env.h"

namespace {


using testenv::Drew;
using testenv::MoveAndWait;
using testenv::Step;

struct GameCount {
    int games = 0;
    int lastGameState = 0;
};
GameCount counter;

TEST(StartUp, AWholeRunFromLoadingToTheClosingPage) {
    testenv::Begin();
    std::string root = testenv::UseScratchInstall();
    platform::SetFakeDisplayModes({{800, 600, 32, 60}, {1024, 768, 32, 60}});
    platform::EnableDrawLog(true);
    CommonAssetsLoaded = 0;
    ScoresLoaded = 0;
    ScoresList.clear();
    int titleFrames = 0;
    auto onTitle = [&] {
        if (Drew("Click Here to Start") && GameState == 0) ++titleFrames;
        return titleFrames > 40;
    };
    auto inGame = [] { return GameState == 1 && Drew("Score so Far : 0"); };
    auto inNameEntry = [] { return Drew("Enter Your Name"); };
    int heldTitleFrames = 0;
    testenv::ScriptedPlayer& player = testenv::Player();
    player = testenv::ScriptedPlayer{};
    counter = GameCount{};
    player.everyPoll = [] {
        if (GameState == 1 && counter.lastGameState == 0) ++counter.games;
        counter.lastGameState = GameState;
    };
    player.steps = {
        // 1. The title has settled: press the start button and let go.
        {onTitle, [] { MoveAndWait(640, 480, 2); }},
        {[] { return true; }, [] { platform::ScriptMouseDown(1); testenv::Player().wait = 3; }},
        {[] { return true; }, [] { platform::ScriptMouseUp(1); }},
        // 2. In the game: the quit button, with a fresh press.
        {inGame, [] { MoveAndWait(640 - 550 + 48, 960 - 204 + 48, 3); }},
        {[] { return true; }, [] { platform::ScriptMouseDown(1); testenv::Player().wait = 3; }},
        {[] { return true; }, [] { platform::ScriptMouseUp(1); }},
        // 3. The name entry: type, confirm with Enter, and move back over the start button.
        {inNameEntry, [] { platform::ScriptChar('X'); testenv::Player().wait = 2; }},
        {[] { return true; }, [] { platform::ScriptKeyTap(platform::kKeyReturn); MoveAndWait(640, 480, 2); }},
        // 4. Back on the title, which animates in again from the start.
        {[&] {
             if (GameState == 0 && Drew("Click Here to Start")) ++heldTitleFrames;
             return heldTitleFrames > 40;
         },
         [] {}},
        // 5. A fresh click starts a game; leave it through the pause menu's Quit.
        {[] { return true; }, [] { platform::ScriptMouseDown(1); testenv::Player().wait = 3; }},
        {[] { return true; }, [] { platform::ScriptMouseUp(1); }},
        {inGame, [] { platform::ScriptKeyDown(platform::kKeyEscape); testenv::Player().wait = 2; }},
        {[] { return true; }, [] { platform::ScriptKeyUp(platform::kKeyEscape); testenv::Player().wait = 3; }},
        {[] { return Drew("Quit"); }, [] { platform::ScriptKeyTap(platform::kKeyDown); testenv::Player().wait = 3; }},
        {[] { return true; }, [] { platform::ScriptKeyTap(platform::kKeySpace); }},
        {inNameEntry, [] { platform::ScriptKeyTap(platform::kKeyReturn); }},
        // 6. Escape leaves the title; the closing page ends on a key.
        {[&] { return GameState == 0 && Drew("Click Here to Start"); },
         [] { platform::ScriptKeyDown(platform::kKeyEscape); }},
    };
    testenv::StartPlayer();
    int status = testenv::RunUntilExit([] { StartUp(); });
    platform::SetPollHook(nullptr);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(player.next, player.steps.size()) << "the script stopped at step " << player.next;
    EXPECT_EQ(counter.games, 2) << "one game per press of the start button";
    EXPECT_EQ(AppTitleText, "#250 : Wordloom ");

    std::string log = testenv::ReadFile(root + "Files/Debug.txt");
    const char* opening[] = {"Marrowby's Emberlane Engine", "----------------------------", "Week #250",
                             "----------------------------", "#250 : Wordloom ", "----------------------------",
                             "", "Loading"};
    std::string expected;
    for (const char* line : opening) expected += std::string(line) + "\r\n";
    EXPECT_EQ(log.substr(0, expected.size()), expected);
    size_t loaded = log.find("Finished Loading\r\n"), closing = log.find("Closing Up\r\n");
    EXPECT_NE(loaded, std::string::npos);
    EXPECT_GT(closing, loaded);
    EXPECT_NE(log.find("Bye!\r\n\r\nPlay again, soon!!\r\n"), std::string::npos);

    // Both games are in the file, the quit ones marked, the typed name kept.
    std::string scores = testenv::ReadFile(root + "Files/250/scores.dat");
    EXPECT_NE(scores.find("0|PlayerX|0|"), std::string::npos) << scores;
    size_t records = 0;
    for (size_t at = scores.find("|0|0|0|1\r\n"); at != std::string::npos; at = scores.find("|0|0|0|1\r\n", at + 1))
        ++records;
    EXPECT_EQ(records, 2u);
    EXPECT_NE(testenv::ReadFile(root + "Files/Setup.ini").find("Width=800\r\n"), std::string::npos);
    platform::SetFakeDisplayModes({});
    platform::EnableDrawLog(false);
}

}  // namespace
