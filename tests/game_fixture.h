// A headless game screen for tests: the virtual clock, a 1280 x 960 surface, the
// real word bank, stand-in images and sounds (one sound per effect, so the sound
// log tells the effects apart), and a scripted player driving the mouse frame by
// frame from the poll hook.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/draw_helpers.h"
#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "scores/score_records.h"
#include "services/common_assets.h"
#include "services/display_setup.h"
#include "services/frame_service.h"
#include "services/messages.h"
#include "services/sound_effects.h"
#include "wordgame/dictionary.h"
#include "wordgame/game_layout.h"
#include "wordgame/game_screen.h"
#include "wordgame/particles.h"
#include "wordgame/rack_tiles.h"
#include "wordgame/tile_bag.h"
#include "wordgame/word_bank.h"
#include "wordgame/word_rules.h"
#include "support/test_env.h"

namespace gametest {

constexpr int kA = 1, kD = 4, kI = 9, kQ = 17, kX = 24;

struct TimedOut {};
constexpr int kDisplayPixels = 64;

inline int Letter(char c) { return c == '?' ? kBlankLetter : c - 'A' + 1; }

// A 16-bit mono WAV of a few samples, enough for the mixer to take it as a sound.
inline void WriteTinyWav(const std::string& path) { testenv::WriteTestWav(path, 64); }

class GameFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::EnableTestMode();
        static bool bankLoaded = false;
        if (!bankLoaded) {
            CreateWordBank();
            LoadWordBank();
            bankLoaded = true;
        }
        FillLetterTables();
        oldDir_ = platform::CurrentDir();
        workDir_ = (std::filesystem::temp_directory_path() / ("wordloom_game_" + std::to_string(getpid()))).string();
        std::filesystem::create_directories(workDir_);
        platform::ChangeDir(workDir_);
    }
    static void TearDownTestSuite() {
        platform::ChangeDir(oldDir_);
        std::error_code ignored;
        std::filesystem::remove_all(workDir_, ignored);
    }

    void SetUp() override { OpenSurface(1280, 960); }

    void TearDown() override {
        platform::SetPollHook(nullptr);
        SetGameStartHook(nullptr);
        platform::EnableDrawLog(false);
        platform::ClearDrawLog();
        platform::ResetInputForTests();
        // Leave the program as the title screen has it for the tests that follow.
        GameState = 0;
        ExitCode = 0;
        Particles.clear();
        Comments.clear();
        ScoresList.clear();
        PlayerName = "Player";
        ScreenWidth = 1280;
        ScreenHeight = 960;
    }

    void OpenSurface(int width, int height) {
        platform::ResetInputForTests();
        // A small real display: the draw log records virtual coordinates, and
        // clearing and presenting a few pixels keeps long scripted runs fast.
        if (!platform::DisplayOpen() || platform::DisplayPixelWidth() != kDisplayPixels) {
            platform::CloseDisplay();
            platform::OpenDisplay(kDisplayPixels, kDisplayPixels * 3 / 4, 0, 60);
            GfxImage = StarImage = SwapImage = CrossImage = 0;
        }
        platform::SetVirtualResolution(width, height);
        platform::SetTestRendering(false);  // the draw log is what these tests read
        ScreenWidth = width;
        ScreenHeight = height;
        DisplayWidth = width;
        DisplayHeight = height;
        SetSettingsDefaults();
        Settings[7] = 0;
        Settings[11] = Settings[12] = 100;
        for (int k = 1; k <= 3; ++k) SpriteLimit[k] = 1000000;
        StatsOverlay = 0;
        GameState = 1;
        MouseMode = 1;
        for (int k = 0; k < 100; ++k) FontGrid[k] = 0;
        for (int family = 1; family <= 3; ++family)
            for (int size = 0; size <= 8; ++size) FontGrid[(family - 1) * 10 + size] = 5000 + family * 10 + size;
        for (int k = 1; k <= 13; ++k) Fonts[k] = 6000 + k;
        if (GfxImage == 0) {
            GfxImage = platform::CreateImage(kTileSize, kTileSize, 0);
            StarImage = platform::CreateImage(32, 32, 0);
            SwapImage = platform::CreateImage(kTileSize, kTileSize, 0);
            CrossImage = platform::CreateImage(kTileSize, kTileSize, 0);
        }
        if (SoundEffects[1] == 0) {
            std::string wav = workDir_ + "/tick.wav";
            WriteTinyWav(wav);
            for (int n = 1; n <= 7; ++n) SoundEffects[n] = platform::LoadSound(wav);
        }
        Comments.clear();
        ScoresList.clear();
        PlayerName = "Tester";
        platform::ClearSoundLog();
    }

    // --- Sounds -------------------------------------------------------------
    struct Effect {
        int n;
        double rate, volume;
    };
    static std::vector<Effect> Effects() {
        std::vector<Effect> out;
        for (const auto& s : platform::SoundLog()) {
            if (s.op != "play") continue;
            for (int n = 1; n <= 7; ++n)
                if (SoundEffects[n] == s.sound) out.push_back({n, s.rate, s.volume});
        }
        return out;
    }
    static int CountEffect(int n, double rate = 0) {
        int count = 0;
        for (const Effect& e : Effects())
            if (e.n == n && (rate == 0 || std::abs(e.rate - rate) < 1e-9)) ++count;
        return count;
    }

    // --- Scripted player ------------------------------------------------------
    // Each step runs once per frame (at the frame's input poll) until it returns
    // true; the next step starts at the next frame.
    using Step = std::function<bool()>;
    std::deque<Step> steps_;
    std::function<void()> everyFrame_;
    // Called when no step is left, to plan the next ones (a bot player).
    std::function<void()> planner_;
    // With the draw log on: what the frame before this poll drew.
    std::vector<platform::DrawRecord> lastFrame_;
    long long frames_ = 0;
    long long frameLimit_ = 50000;

    void Then(Step s) { steps_.push_back(std::move(s)); }
    void Do(std::function<void()> f) {
        Then([f] {
            f();
            return true;
        });
    }
    void Wait(int frames) {
        auto left = std::make_shared<int>(frames);
        Then([left] { return --*left <= 0; });
    }
    void Until(std::function<bool()> done) { Then(std::move(done)); }
    void MoveTo(int x, int y) { Do([x, y] { platform::ScriptMouseMove(x, y); }); }
    void Press(int button = 1) { Do([button] { platform::ScriptMouseDown(button); }); }
    void Release(int button = 1) { Do([button] { platform::ScriptMouseUp(button); }); }
    // The pointer position reaches MouseX two frames after the move, and
    // PrevMouseX one frame later.
    void PointAt(int x, int y) {
        MoveTo(x, y);
        Wait(3);
    }
    void Click(int x, int y, int button = 1) {
        PointAt(x, y);
        Press(button);
        Wait(2);
        Release(button);
        Wait(2);
    }
    // Every tile at rest where it belongs and none in the pointer's hand.
    static bool TilesSettled() {
        if (DraggedTile != 0) return false;
        for (int i = 1; i <= kRackTiles; ++i)
            if (RackLetter[i] >= 0 && (RackX[i] != static_cast<int>(RackTargetX[i]) ||
                                       RackY[i] != static_cast<int>(RackTargetY[i])))
                return false;
        return true;
    }
    void Settle() { Until(TilesSettled); }
    // Picks rack tile i up at its centre and lets go over (x, y).
    void DragTo(int i, int x, int y) {
        Settle();
        Then([this, i] {
            platform::ScriptMouseMove(RackX[i] + 48, RackY[i] + 48);
            return true;
        });
        Wait(3);
        Press(1);
        Wait(2);
        PointAt(x, y);
        Wait(2);
        Release(1);
        Wait(2);
    }
    void DragToSlot(int i, int s) { DragTo(i, SlotX(s) + 48, SlotY() + 48); }
    void LayTiles(const std::vector<std::pair<int, int>>& tileOnSlot) {
        for (auto [i, s] : tileOnSlot) DragToSlot(i, s);
        Settle();
    }
    // Lays rack tiles 1..n on the slots from first on.
    void LayWord(int n, int first) {
        for (int k = 0; k < n; ++k) DragToSlot(k + 1, first + k);
        Settle();
    }
    void ClickLowerBand() { Click(ScreenWidth / 2, LowerBandY() + 40); }
    // The game ends on the press; the name entry lets go of the button.
    void ClickQuit() {
        Settle();
        PointAt(QuitButtonX() + 48, ButtonY() + 48);
        Press(1);
    }

    // Plays one game through the screen; after "Game Over" the name entry is
    // confirmed with Enter. Returns the record the game left.
    Scores RunGame() {
        frames_ = 0;
        platform::SetPollHook([this](long long) {
            if (++frames_ > frameLimit_) throw TimedOut{};
            lastFrame_.swap(platform::DrawLog());
            platform::ClearDrawLog();
            if (everyFrame_) everyFrame_();
            if (ExitCode != 0) {
                // "Game Over": let go of everything before the name entry, then confirm.
                platform::ScriptMouseUp(1);
                platform::ScriptMouseUp(2);
            }
            if (GameState == 0) {
                platform::ScriptMouseUp(1);
                platform::ScriptMouseUp(2);
                if (frames_ % 2 == 0) platform::ScriptKeyTap(platform::kKeyReturn);
                return;
            }
            if (steps_.empty() && planner_) planner_();
            if (!steps_.empty() && steps_.front()()) steps_.pop_front();
        });
        size_t before = ScoresList.size();
        GameState = 1;
        PlayGame();
        platform::SetPollHook(nullptr);
        EXPECT_EQ(ScoresList.size(), before + 1);
        EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted steps never ran";
        steps_.clear();
        return ScoresList.empty() ? Scores{} : ScoresList.front();
    }

    // --- Rigging --------------------------------------------------------------
    // Puts the letter on rack position i by exchanging it with the same letter
    // elsewhere in the rack (above i) or in the bag, so that all 100 tiles stay.
    static void PutInRack(int i, int letter) {
        if (RackLetter[i] == letter) return;
        for (int j = i + 1; j <= kRackTiles; ++j)
            if (RackLetter[j] == letter) {
                std::swap(RackLetter[i], RackLetter[j]);
                return;
            }
        for (int n = 1; n <= TilesLeft; ++n)
            if (TileBag[n] == letter) {
                std::swap(RackLetter[i], TileBag[n]);
                return;
            }
        ADD_FAILURE() << "letter " << letter << " is not to be had";
    }
    static void RigRack(const std::string& letters) {
        for (size_t k = 0; k < letters.size(); ++k) PutInRack(static_cast<int>(k) + 1, Letter(letters[k]));
    }
    // Leaves only the given letters in the rack and nothing in the bag; the rest
    // count as played.
    static void RigLastTiles(const std::string& letters) {
        for (int letter = 1; letter <= kBlankLetter; ++letter) PlayedTiles[letter] = LetterCount[letter];
        TilesLeft = 0;
        for (int i = 1; i <= kRackTiles; ++i) {
            RackLetter[i] = i <= static_cast<int>(letters.size()) ? Letter(letters[i - 1]) : kNoTile;
            if (RackLetter[i] > 0) --PlayedTiles[RackLetter[i]];
        }
    }

    // --- Draw log -------------------------------------------------------------
    // Images of one handle drawn in the last frame, optionally of given frames.
    std::vector<platform::DrawRecord> Images(int handle, int firstFrame = -1, int lastFrame = -1) const {
        std::vector<platform::DrawRecord> out;
        for (const auto& r : lastFrame_)
            if (r.op == "image" && r.handle == handle && (firstFrame < 0 || (r.frame >= firstFrame && r.frame <= lastFrame)))
                out.push_back(r);
        return out;
    }
    const platform::DrawRecord* Text(const std::string& text) const {
        for (const auto& r : lastFrame_)
            if (r.op == "text" && r.text == text) return &r;
        return nullptr;
    }
    // Checks made inside a scripted step.
    void Check(std::function<void()> f) { Do(std::move(f)); }

    static std::string oldDir_;
    static std::string workDir_;
};
inline std::string GameFixture::oldDir_;
inline std::string GameFixture::workDir_;

}  // namespace gametest
