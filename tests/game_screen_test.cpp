// Games played through the game screen with a scripted mouse: tile moves, playing
// words against their targets, the count-up, the swap, the bonus and the end, the
// quit, the layout, and a long run of random input.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "game_fixture.h"

namespace gametest {
namespace {

class GameScreen : public GameFixture {};

TEST_F(GameScreen, FreshGameShowsNinetyOneTilesLeftAndAFullRack) {
    platform::EnableDrawLog(true);
    Wait(2);
    Check([this] {
        EXPECT_NE(Text("Tiles remaining : 91"), nullptr);
        EXPECT_NE(Text("Score so Far : 0"), nullptr);
        EXPECT_NE(Text("Best Word :  (0)"), nullptr);
        EXPECT_NE(Text("Target : More than 1"), nullptr);
        EXPECT_EQ(Images(GfxImage, 0, 26).size(), 9u);
        EXPECT_EQ(RackTileCount(), 9);
        EXPECT_EQ(BrokenTileRule(), "");
    });
    ClickQuit();
    Scores record = RunGame();
    EXPECT_EQ(record.Quit, 1);
    EXPECT_EQ(record.Score, 0);
    EXPECT_EQ(record.Name, "Tester");
}

struct Surface {
    int w, h;
    int firstSlotX, slotY, firstHomeX, homeY, burstLeft, burstRight;
};

class GameLayout : public GameFixture, public ::testing::WithParamInterface<Surface> {};

TEST_P(GameLayout, BoardRackButtonsAndBurstSitWhereTheyBelong) {
    const Surface& p = GetParam();
    OpenSurface(p.w, p.h);
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QI"); });
    Wait(2);
    Check([&] {
        // Images are drawn about their centre, 48 in from the top-left corner.
        auto slots = Images(GfxImage, 28, 32);
        ASSERT_EQ(slots.size(), 13u);
        for (int s = 1; s <= 13; ++s) {
            EXPECT_EQ(slots[s - 1].x - 48, p.firstSlotX + (s - 1) * 96);
            EXPECT_EQ(slots[s - 1].y - 48, p.slotY);
            EXPECT_EQ(slots[s - 1].frame, BoardBonus[s] + 27);
        }
        EXPECT_EQ(slots.back().x + 48, p.firstSlotX + 13 * 96);
        auto tiles = Images(GfxImage, 0, 26);
        ASSERT_EQ(tiles.size(), 9u);
        for (int i = 1; i <= 9; ++i) {
            EXPECT_EQ(tiles[i - 1].x - 48, p.firstHomeX + (i - 1) * 100);
            EXPECT_EQ(tiles[i - 1].y - 48, p.homeY);
        }
        auto backdrop = Images(GfxImage, 35, 47);
        ASSERT_EQ(backdrop.size(), 12u);
        EXPECT_EQ(backdrop[0].x - 48, p.w / 2 - 512);
        EXPECT_EQ(backdrop[0].y - 48, p.h - 200);
        auto swap = Images(SwapImage), quit = Images(CrossImage);
        ASSERT_EQ(swap.size(), 1u);
        ASSERT_EQ(quit.size(), 1u);
        EXPECT_EQ(swap[0].x - 48, p.firstHomeX + 900);
        EXPECT_EQ(quit[0].x - 48, p.firstHomeX - 100);
        EXPECT_EQ(swap[0].alpha, 0.5);
        const platform::DrawRecord* target = Text("Target : More than 1");
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->y, p.h / 2);
    });
    LayWord(2, 2);
    ClickLowerBand();
    Check([&] {
        ASSERT_EQ(Particles.size(), 256u);
        double left = 1e9, right = -1e9;
        for (const Particle& s : Particles) {
            left = std::min(left, s.x);
            right = std::max(right, s.x);
            EXPECT_GE(s.y, static_cast<int>(p.h * 0.3) - 40);
        }
        EXPECT_EQ(left, p.burstLeft);
        EXPECT_EQ(right, p.burstRight);
    });
    ClickQuit();
    RunGame();
}

INSTANTIATE_TEST_SUITE_P(Surfaces, GameLayout,
                         ::testing::Values(Surface{1280, 960, 16, 288, 190, 756, 96, 1167},
                                           Surface{1600, 900, 176, 270, 350, 696, 96, 1482}));

TEST_F(GameScreen, DraggedTilesLandOnFreeSlotsAndOtherwiseGoHome) {
    DragToSlot(1, 5);
    Settle();
    Check([] {
        EXPECT_EQ(BoardTile[5], 1);
        EXPECT_EQ(RackSlot[1], 5);
        EXPECT_EQ(RackX[1], SlotX(5));
        EXPECT_EQ(RackY[1], SlotY());
        EXPECT_EQ(CountEffect(3), 1);
        EXPECT_EQ(CountEffect(2), 1);
    });
    DragToSlot(2, 5);  // taken
    Settle();
    Check([] {
        EXPECT_EQ(BoardTile[5], 1);
        EXPECT_EQ(RackSlot[2], 0);
        EXPECT_EQ(RackX[2], RackHomeX(2));
        EXPECT_EQ(RackY[2], RackHomeY());
        EXPECT_EQ(CountEffect(2), 2);
        EXPECT_EQ(CountEffect(4), 0);
    });
    DragTo(3, 40, ScreenHeight - 40);  // nowhere near the board
    Settle();
    Check([] {
        EXPECT_EQ(RackSlot[3], 0);
        EXPECT_EQ(RackX[3], RackHomeX(3));
        EXPECT_EQ(CountEffect(4), 1);
    });
    DragToSlot(1, 7);  // from the board to another slot frees the first
    Settle();
    Check([] {
        EXPECT_EQ(BoardTile[5], 0);
        EXPECT_EQ(BoardTile[7], 1);
        EXPECT_EQ(CountEffect(3), 4);
        EXPECT_EQ(BrokenTileRule(), "");
    });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, QiThroughTheLowerBandEarnsThirteenCountedOnePerFrame) {
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QI"); });
    std::vector<int> scores;
    everyFrame_ = [&] { scores.push_back(GameScore); };
    LayWord(2, 2);
    Check([this] {
        EXPECT_EQ(AssembledWord, "QI");
        EXPECT_EQ(WordValid, 1);
        EXPECT_NE(Text("Score : 13"), nullptr);
        EXPECT_EQ(Text("13 x 1"), nullptr);  // no multiplier line for x 1
    });
    // Over the band the word turns green.
    PointAt(ScreenWidth / 2, LowerBandY() + 40);
    Check([this] {
        int green = 0;
        for (const auto& r : lastFrame_)
            if (r.op == "rect" && r.r == 0 && r.g == 80 && r.b == 0) ++green;
        EXPECT_EQ(green, 2);
        const platform::DrawRecord* score = Text("Score : 13");
        ASSERT_NE(score, nullptr);
        EXPECT_EQ(score->g, 255);
        EXPECT_EQ(score->r, 180);
    });
    Press(1);
    Wait(1);
    Check([] {
        EXPECT_EQ(LastResult, 1);
        EXPECT_EQ(LastWord, "QI");
        EXPECT_EQ(CountEffect(5, 1), 1);
        EXPECT_EQ(Particles.size(), 256u);
        EXPECT_EQ(TargetScore, 13);
        EXPECT_EQ(TilesLeft, 89);
        EXPECT_EQ(BoardTile[2] + BoardTile[3], 0);
    });
    Release(1);
    Until([] { return PendingPoints == 0; });
    Check([&] {
        EXPECT_EQ(GameScore, 13);
        EXPECT_EQ(CountEffect(1, 2.0), 13);
        for (const Effect& e : Effects()) {
            if (e.n == 1) {
                EXPECT_DOUBLE_EQ(e.volume, 0.3);
            }
        }
        for (size_t k = 1; k < scores.size(); ++k) EXPECT_LE(scores[k] - scores[k - 1], 1);
        EXPECT_NE(Text("Last Word : QI (13)  Earned"), nullptr);
        EXPECT_NE(Text("Best Word : QI (13)"), nullptr);
        std::string target = (TargetDirection == 1 ? "Target : More than " : "Target : Less than ") + std::string("13");
        EXPECT_NE(Text(target), nullptr);
    });
    ClickQuit();
    EXPECT_EQ(RunGame().Score, 13);
}

struct TargetCase {
    const char* name;
    int direction, target;
    const char* letters;
    int firstSlot;
    int score, result;
};

// Named in test output by its case name rather than its bytes.
void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.name; }

class GameTargets : public GameFixture, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(GameTargets, PlayedWordMeetsOrMissesItsTarget) {
    const TargetCase& c = GetParam();
    SetGameStartHook([&] {
        RigRack(c.letters);
        TargetDirection = c.direction;
        TargetScore = c.target;
    });
    for (int k = 0; c.letters[k]; ++k) DragToSlot(k + 1, c.firstSlot + k);
    Settle();
    ClickLowerBand();
    Check([&] {
        EXPECT_EQ(LastWordScore, c.score);
        EXPECT_EQ(LastResult, c.result);
        EXPECT_EQ(CountEffect(c.result == 1 ? 5 : 6), 1);
        EXPECT_EQ(PendingPoints + GameScore, c.result == 1 ? c.score : 0);
    });
    ClickQuit();
    RunGame();
}

INSTANTIATE_TEST_SUITE_P(
    Edges, GameTargets,
    ::testing::Values(TargetCase{"TwelveMeetsMoreThanTwelve", 1, 12, "QI", 8, 12, 1},
                      TargetCase{"TwelveMeetsLessThanTwelve", -1, 12, "QI", 8, 12, 1},
                      TargetCase{"ElevenMissesMoreThanTwelve", 1, 12, "XI", 2, 11, 0},
                      TargetCase{"ThirteenMissesLessThanTwelve", -1, 12, "QI", 2, 13, 0},
                      TargetCase{"BlanksOnlyMissTheOpeningTarget", 1, 1, "??", 2, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameScreen, AWordOfFiveAlwaysLeadsToMoreThanFive) {
    for (int seed = 1; seed <= 6; ++seed) {
        SetGameStartHook([seed] {
            RigRack("AD");
            platform::SeedRnd(seed);
        });
        LayWord(2, 8);  // A plain, D doubled: 1 + 4
        ClickLowerBand();
        Check([seed] {
            EXPECT_EQ(LastWordScore, 5) << seed;
            EXPECT_EQ(TargetDirection, 1) << seed;
            EXPECT_EQ(TargetScore, 5) << seed;
        });
        ClickQuit();
        RunGame();
    }
}

TEST_F(GameScreen, WordOnSlotsOneToFourIsTripledWithItsThirdLetterTripled) {
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QUIT"); });
    LayWord(4, 1);
    Check([this] {
        // Q 10 + U 1 + I 1 x 3 + T 1 = 15, triple word.
        EXPECT_EQ(WordMultiplier, 3);
        EXPECT_NE(Text("15 x 3"), nullptr);
        EXPECT_NE(Text("Score : 45"), nullptr);
        EXPECT_NE(Text("QUIT"), nullptr);
    });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, TwoRunsCannotBePlayedUntilTheGapIsGone) {
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QIX"); });
    LayTiles({{1, 2}, {2, 3}, {3, 5}});
    ClickLowerBand();
    Check([this] {
        EXPECT_EQ(RunState, 3);
        EXPECT_EQ(LastResult, -1);
        EXPECT_EQ(CountEffect(5) + CountEffect(6) + CountEffect(7), 0);
        EXPECT_EQ(Text("QI"), nullptr);
    });
    DragTo(3, 40, ScreenHeight - 40);
    Settle();
    ClickLowerBand();
    Check([] {
        EXPECT_EQ(LastResult, 1);
        EXPECT_EQ(LastWord, "QI");
    });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, ADraggedTileBlocksPlayingAndTheRefusal) {
    SetGameStartHook([] { RigRack("QXI"); });
    // Carries rack tile i into the lower band with the left button, presses the
    // right one too, and drops it there (away from the board: it goes home).
    auto carryIntoBand = [this](int i) {
        Settle();
        Then([i] {
            platform::ScriptMouseMove(RackX[i] + 48, RackY[i] + 48);
            return true;
        });
        Wait(3);
        Press(1);
        Wait(2);
        PointAt(ScreenWidth / 2, LowerBandY() + 40);
        Press(2);
        Wait(4);
        Check([] { EXPECT_NE(DraggedTile, 0); });
        Release(2);
        Wait(2);
        Release(1);
        Wait(3);
    };
    LayWord(2, 2);  // QX: not a word
    carryIntoBand(3);
    Check([] {
        EXPECT_EQ(CountEffect(7), 0);
        EXPECT_EQ(CountEffect(4), 1);
    });
    DragTo(2, 40, ScreenHeight - 40);
    DragToSlot(3, 3);  // QI
    carryIntoBand(2);
    Check([] {
        EXPECT_EQ(LastResult, -1);
        EXPECT_EQ(CountEffect(7), 0);
        EXPECT_EQ(WordValid, 1);
    });
    ClickLowerBand();
    Check([] { EXPECT_EQ(LastWord, "QI"); });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, AnInvalidWordSoundsTheRefusalOncePerPress) {
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QX"); });
    LayWord(2, 2);
    Check([this] {
        const platform::DrawRecord* word = Text("QX");
        ASSERT_NE(word, nullptr);
        EXPECT_EQ(word->r, 255);
        EXPECT_EQ(word->g, 0);
    });
    PointAt(ScreenWidth / 2, 40);  // upper band
    Press(1);
    Wait(10);
    Release(1);
    Wait(2);
    Press(2);
    Wait(10);
    Release(2);
    Wait(2);
    Check([] {
        EXPECT_EQ(CountEffect(7), 2);
        EXPECT_EQ(LastResult, -1);
        EXPECT_EQ(BoardTile[2], 1);
    });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, ASwapAtZeroCountsDownToMinusFiftyWithNewTiles) {
    std::vector<int> before;
    std::vector<int> scores;
    everyFrame_ = [&] { scores.push_back(GameScore); };
    DragToSlot(1, 4);  // a lone tile on the board goes back too
    Settle();
    Check([&] { before.assign(RackLetter + 1, RackLetter + 10); });
    Click(SwapButtonX() + 48, ButtonY() + 48);
    Until([] { return PendingPoints == 0; });
    Check([&] {
        EXPECT_EQ(GameScore, -50);
        EXPECT_EQ(CountEffect(1, 1.8), 50);
        for (size_t k = 1; k < scores.size(); ++k) EXPECT_GE(scores[k] - scores[k - 1], -1);
        EXPECT_EQ(TilesLeft, 91);
        EXPECT_EQ(RackTileCount(), 9);
        EXPECT_EQ(BoardTile[4], 0);
        EXPECT_EQ(BrokenTileRule(), "");
    });
    ClickQuit();
    EXPECT_EQ(RunGame().Score, -50);
}

TEST_F(GameScreen, QuittingDuringTheCountDownStillPaysForTheSwap) {
    Click(SwapButtonX() + 48, ButtonY() + 48);
    Check([] { EXPECT_LT(PendingPoints, -40); });
    PointAt(QuitButtonX() + 48, ButtonY() + 48);
    Press(1);
    Scores record = RunGame();
    EXPECT_EQ(record.Quit, 1);
    EXPECT_EQ(record.Score, -50);
}

TEST_F(GameScreen, NoSwapOverAValidWordNorWithAnEmptyBag) {
    platform::EnableDrawLog(true);
    SetGameStartHook([] { RigRack("QI"); });
    LayWord(2, 2);
    Click(SwapButtonX() + 48, ButtonY() + 48);
    Check([this] {
        EXPECT_TRUE(Images(SwapImage).empty());
        EXPECT_EQ(PendingPoints, 0);
        EXPECT_EQ(TilesLeft, 91);
        EXPECT_EQ(BoardTile[2], 1);
    });
    ClickQuit();
    RunGame();

    SetGameStartHook([] { RigLastTiles("QIX"); });
    Wait(2);
    Click(SwapButtonX() + 48, ButtonY() + 48);
    Check([this] {
        EXPECT_TRUE(Images(SwapImage).empty());
        EXPECT_EQ(PendingPoints, 0);
        EXPECT_EQ(RackTileCount(), 3);
    });
    ClickQuit();
    RunGame();
}

TEST_F(GameScreen, BonusAndEndWaitForTheStarsAndLeaveTheRecord) {
    SetGameStartHook([] { RigLastTiles("QI"); });
    size_t starsAtBonus = 0;
    bool bonusSeen = false, endSeen = false;
    size_t starsAtEnd = 1;
    int pendingAtEnd = -1;
    everyFrame_ = [&] {
        if (!bonusSeen && !BonusMessage.empty()) {
            bonusSeen = true;
            starsAtBonus = Particles.size();
        }
        if (!endSeen && ExitCode == 1) {
            endSeen = true;
            starsAtEnd = Particles.size();
            pendingAtEnd = PendingPoints;
        }
    };
    LayWord(2, 2);
    ClickLowerBand();
    Check([] {
        EXPECT_EQ(TilesLeft, 0);
        EXPECT_EQ(RackTileCount(), 0);
        EXPECT_TRUE(BonusMessage.empty());  // the word's stars are still up
    });
    Scores record = RunGame();
    EXPECT_TRUE(bonusSeen);
    EXPECT_EQ(starsAtBonus, 256u);  // only the bonus burst itself
    EXPECT_EQ(CountEffect(5, 2.0), 1);
    EXPECT_TRUE(endSeen);
    EXPECT_EQ(starsAtEnd, 0u);
    EXPECT_EQ(pendingAtEnd, 0);
    EXPECT_EQ(record.Score, 113);
    EXPECT_EQ(record.Quit, 0);
    EXPECT_EQ(record.Name, "Tester");
    EXPECT_EQ(BonusMessage, kBonusText);
}

TEST_F(GameScreen, QuitButtonNeedsAFreshPress) {
    SetGameStartHook([] { RigRack("QX"); });
    LayWord(2, 2);
    PointAt(ScreenWidth / 2, 40);
    Press(1);  // refused word: the press has acted
    Wait(2);
    PointAt(QuitButtonX() + 48, ButtonY() + 48);
    Wait(5);
    Check([] { EXPECT_EQ(ExitCode, 0); });
    Release(1);
    Wait(2);
    Press(1);
    Scores record = RunGame();
    EXPECT_EQ(record.Quit, 1);
}

TEST_F(GameScreen, QuitFromThePauseMenuEndsTheGameAsAQuit) {
    Wait(2);
    Do([] { platform::ScriptKeyTap(platform::kKeyEscape); });
    Until([] { return GameState == 2; });
    Wait(3);
    Do([] { platform::ScriptKeyTap(platform::kKeyDown); });
    Wait(3);
    Do([] { platform::ScriptKeyTap(platform::kKeySpace); });
    Scores record = RunGame();
    EXPECT_EQ(record.Quit, 1);
    EXPECT_EQ(ExitCode, 99);
}

TEST_F(GameScreen, KeyOnePostsTheTestMessageAndGameOverIsShown) {
    platform::EnableDrawLog(true);
    Wait(2);
    Do([] { platform::ScriptKeyTap('1'); });
    Wait(2);
    Check([] {
        ASSERT_EQ(Comments.size(), 1u);
        EXPECT_EQ(Comments[0].txt, "This is a Test Comment");
    });
    std::vector<platform::DrawRecord> banner;
    bool captured = false;
    everyFrame_ = [&] {
        // The banner frame ends at the second of its two presents.
        if (ExitCode != 0 && !captured) {
            for (const auto& r : lastFrame_)
                if (r.op == "text" && r.text == "Game Over") banner.push_back(r);
            if (!banner.empty()) captured = true;
        }
    };
    ClickQuit();
    RunGame();
    ASSERT_EQ(banner.size(), 75u);
    EXPECT_EQ(banner.back().r, 255);
    EXPECT_EQ(banner.back().b, 0);
    EXPECT_EQ(banner[0].r, 255);
    EXPECT_EQ(banner[0].b, 255);
    EXPECT_EQ(banner[49].r, 8);
    EXPECT_EQ(banner[0].handle, Fonts[5]);
}

// Words of two to five letters, for the bot below.
const std::set<std::string>& ShortWords() {
    static std::set<std::string> words;
    if (words.empty())
        for (const char* pattern : {"??", "???", "????", "?????"}) {
            FindWords(pattern, 1);
            for (const WordType& w : WordList) words.insert(w.word);
        }
    return words;
}

bool IsShortWord(std::string w) {
    size_t blank = w.find('?');
    if (blank == std::string::npos) return ShortWords().count(w) > 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        w[blank] = c;
        if (IsShortWord(w)) return true;
    }
    return false;
}

bool IsVowel(int letter) { return letter == 1 || letter == 5 || letter == 9 || letter == 15 || letter == 21; }

// Every word the rack tiles allow, as rack indices in word order.
void RackWords(const std::vector<int>& present, std::vector<int>& pick, std::vector<std::vector<int>>& out) {
    if (pick.size() >= 2) {
        std::string w;
        for (int i : pick) w += RackLetter[i] == kBlankLetter ? '?' : char(RackLetter[i] + 64);
        if (IsShortWord(w)) out.push_back(pick);
    }
    if (pick.size() == 5) return;
    for (int i : present) {
        if (std::find(pick.begin(), pick.end(), i) != pick.end()) continue;
        pick.push_back(i);
        RackWords(present, pick, out);
        pick.pop_back();
    }
}

// True when the tiles can all be played as a sequence of words.
bool PlaysOut(const std::vector<int>& present) {
    if (present.empty()) return true;
    std::vector<std::vector<int>> words;
    std::vector<int> pick;
    RackWords(present, pick, words);
    for (const auto& w : words) {
        std::vector<int> rest;
        for (int i : present)
            if (std::find(w.begin(), w.end(), i) == w.end()) rest.push_back(i);
        if (PlaysOut(rest)) return true;
    }
    return false;
}

// A bot that plays every turn through the screen, laid from slot 2: it saves its
// vowels while the bag lasts and plays the rack out exactly once the bag is empty.
// It never swaps.
TEST_F(GameScreen, AWholeGameWithoutSwapsUsesAllHundredTiles) {
    int words = 0;
    bool stuck = false;
    std::string stuckRack;
    auto findWord = [](std::vector<int>& use) {
        std::vector<int> present;
        for (int i = 1; i <= kRackTiles; ++i)
            if (RackLetter[i] > 0) present.push_back(i);
        std::vector<std::vector<int>> candidates;
        std::vector<int> pick;
        RackWords(present, pick, candidates);
        int best = -1000;
        for (const auto& w : candidates) {
            int value = 0;
            for (int i : w) value += RackLetter[i] == kBlankLetter ? -3 : (IsVowel(RackLetter[i]) ? -2 : 2);
            if (TilesLeft == 0) {
                std::vector<int> rest;
                for (int i : present)
                    if (std::find(w.begin(), w.end(), i) == w.end()) rest.push_back(i);
                if (!PlaysOut(rest)) continue;
            }
            if (value > best) {
                best = value;
                use = w;
            }
        }
        return best > -1000;
    };
    planner_ = [&] {
        if (ExitCode != 0 || RackTileCount() == 0 || stuck) return;
        if (!TilesSettled()) return;
        std::vector<int> use;
        if (!findWord(use)) {
            stuck = true;
            for (int i = 1; i <= kRackTiles; ++i) stuckRack += RackLetter[i] > 0 ? char(RackLetter[i] + 64) : '-';
            stuckRack += " bag " + std::to_string(TilesLeft);
            ClickQuit();
            return;
        }
        for (size_t k = 0; k < use.size(); ++k) DragToSlot(use[k], 2 + static_cast<int>(k));
        Settle();
        ClickLowerBand();
        Do([&] { ++words; });
    };
    frameLimit_ = 200000;
    // Without swaps a rack can run out of vowels; such a deal is quit and another
    // one played.
    Scores record;
    int deal = 0;
    do {
        ++deal;
        stuck = false;
        stuckRack.clear();
        words = 0;
        SetGameStartHook([deal] { platform::SeedRnd(deal); });
        record = RunGame();
    } while (stuck && deal < 20);
    ASSERT_FALSE(stuck) << "no word left in the rack after " << words << " words: " << stuckRack;
    int played = 0;
    for (int letter = 1; letter <= kBlankLetter; ++letter) played += PlayedTiles[letter];
    EXPECT_EQ(played, 100);
    EXPECT_EQ(TilesLeft, 0);
    EXPECT_EQ(DrawTile(), kNoTile);
    EXPECT_EQ(record.Quit, 0);
    EXPECT_EQ(record.Score, GameScore);
    EXPECT_GE(GameScore, 100);
}

// Random clicks, drags and keys at any speed: tiles are never lost, never doubled
// up on a slot, and nothing crashes. The games that end are followed by new ones.
TEST_F(GameScreen, RandomInputKeepsEveryTileRule) {
    std::mt19937 rng(20240611);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    long long total = 0;
    std::string broken;
    auto randomInput = [&] {
        int roll = pick(100);
        if (roll < 30) {
            // Somewhere that matters most of the time: a tile, a slot, a band, a button.
            int x, y;
            switch (pick(6)) {
                case 0: x = RackHomeX(1 + pick(9)) + pick(96); y = RackHomeY() + pick(96); break;
                case 1: x = SlotX(1 + pick(13)) + pick(96); y = SlotY() + pick(96); break;
                case 2: x = pick(ScreenWidth); y = pick(ScreenHeight); break;
                case 3: x = pick(ScreenWidth); y = LowerBandY() + pick(140); break;
                case 4: x = (pick(2) ? SwapButtonX() : QuitButtonX()) + pick(96); y = ButtonY() + pick(96); break;
                default: x = pick(ScreenWidth + 400) - 200; y = pick(ScreenHeight + 400) - 200; break;  // outside
            }
            platform::ScriptMouseMove(x, y);
        } else if (roll < 45) {
            platform::ScriptMouseDown(1 + pick(2));
        } else if (roll < 62) {
            platform::ScriptMouseUp(1 + pick(2));
        } else if (roll < 63) {
            platform::ScriptKeyTap('1');
        } else if (roll < 64 && pick(20) == 0) {
            platform::ScriptKeyTap(platform::kKeyEscape);
        } else if (roll < 66) {
            platform::ScriptKeyTap(pick(2) ? platform::kKeySpace : platform::kKeyDown);
        }
    };
    int games = 0;
    while (total < 100000) {
        platform::SetPollHook([&](long long) {
            ++total;
            if (GameState != 0 && broken.empty()) {
                broken = BrokenTileRule();
                if (broken.empty() && (DraggedTile < 0 || DraggedTile > kRackTiles)) broken = "dragged tile out of range";
            }
            // Quitting is part of random play, but keep most games long.
            bool nearQuit = MouseX > QuitButtonX() && MouseX < QuitButtonX() + 96 && MouseY > ButtonY();
            if (GameState == 1 && nearQuit && total % 50 != 0) platform::ScriptMouseMove(ScreenWidth / 2, 100);
            else randomInput();
            if (total > 100000 && GameState == 1) ExitCode = 99;
            if (ExitCode != 0) {
                platform::ScriptMouseUp(1);
                platform::ScriptMouseUp(2);
            }
            if (GameState == 0 && total % 2 == 0) platform::ScriptKeyTap(platform::kKeyReturn);
        });
        PlayGame();
        ++games;
        ASSERT_EQ(broken, "") << "after " << total << " frames";
        platform::SetPollHook(nullptr);
        platform::ResetInputForTests();
        Comments.clear();
        GameState = 1;
    }
    EXPECT_GE(total, 100000);
    EXPECT_EQ(ScoresList.size(), static_cast<size_t>(games));
    // The run did reach every kind of move: picks, drops on the board and off it,
    // played words, refusals and swaps (counted down).
    for (int effect : {2, 3, 4, 7}) EXPECT_GT(CountEffect(effect), 0) << effect;
    EXPECT_GT(CountEffect(5, 1) + CountEffect(6), 0);
    EXPECT_GT(CountEffect(1, 1.8), 0);
}

}  // namespace
}  // namespace gametest
