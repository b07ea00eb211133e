// The rules on their own: the word a board holds and its score, the lookup once
// per change, the best word, and the record a game leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "main/program_state.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "scores/score_records.h"
#include "services/display_setup.h"
#include "wordgame/dictionary.h"
#include "wordgame/particles.h"
#include "wordgame/tile_bag.h"
#include "wordgame/word_bank.h"
#include "wordgame/word_rules.h"

namespace {

// Lays letters on slots straight into the tables: "QI" at 2 puts Q on slot 2 and
// I on slot 3; a space leaves a slot empty. Each slot gets its own table entry,
// so all thirteen slots can be filled.
void Lay(const std::string& letters, int first) {
    ClearBoard();
    for (size_t k = 0; k < letters.size(); ++k) {
        if (letters[k] == ' ') continue;
        int s = first + static_cast<int>(k);
        BoardTile[s] = s;
        RackLetter[s] = letters[k] == '?' ? kBlankLetter : letters[k] - 'A' + 1;
    }
    AssembleWord();
}

class WordRules : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform::EnableTestMode();
        static bool loaded = false;
        if (!loaded) {
            CreateWordBank();
            LoadWordBank();
            loaded = true;
        }
    }
    void SetUp() override {
        ScreenWidth = 1280;
        ScreenHeight = 960;
        FillLetterTables();
        SetBonusLayout();
        ResetGameState();
        Particles.clear();
    }
};

struct ScoreCase {
    const char* letters;
    int first;
    const char* word;
    int runState, letterSum, multiplier;
};

TEST_F(WordRules, TheFirstRunIsTheWordScoredWithItsSlots) {
    const ScoreCase cases[] = {
        {"QI", 2, "QI", 2, 13, 1},      // I tripled
        {"QI", 8, "QI", 2, 12, 1},      // I doubled
        {"QUIT", 1, "QUIT", 2, 15, 3},  // slot 3 tripled, triple word
        {"AAAAAAA", 1, "AAAAAAA", 2, 10, 6},
        {"AAAAAAAAAAAAA", 1, "AAAAAAAAAAAAA", 1, 19, 18},  // 3 and 11 tripled, 5 and 9 doubled
        {"??", 2, "??", 2, 0, 1},       // blanks count nothing
        {"Z?", 12, "Z?", 1, 10, 3},
        {"QI X", 2, "QI", 3, 13, 1},    // a second run never counts
        {"X", 4, "X", 2, 8, 1},
        {"", 1, "", 0, 0, 1},
    };
    for (const ScoreCase& c : cases) {
        Lay(c.letters, c.first);
        EXPECT_EQ(AssembledWord, c.word) << c.letters;
        EXPECT_EQ(RunState, c.runState) << c.letters;
        EXPECT_EQ(LetterSum, c.letterSum) << c.letters;
        EXPECT_EQ(WordMultiplier, c.multiplier) << c.letters;
    }
    Lay("QUIT", 1);
    EXPECT_EQ(WordScore(), 45);
    Lay("AAAAAAAAAAAAA", 1);
    EXPECT_EQ(WordScore(), 342);
    EXPECT_TRUE(WordPlayable());
    Lay("QI X", 2);
    EXPECT_FALSE(WordPlayable());
}

TEST_F(WordRules, TheWordIsLookedUpOncePerChange) {
    auto lookups = [] {
        return std::count_if(platform::DiagLog().begin(), platform::DiagLog().end(),
                             [](const std::string& l) { return l.rfind("Check took", 0) == 0; });
    };
    platform::DiagLog().clear();
    Lay("QI", 2);
    for (int frame = 0; frame < 5; ++frame) CheckWord();
    EXPECT_EQ(WordValid, 1);
    EXPECT_EQ(lookups(), 1);
    // Lifting the I and laying it again looks QI up afresh.
    Lay("Q", 2);
    CheckWord();
    EXPECT_EQ(WordValid, 0);
    EXPECT_EQ(LastCheckedWord, "");
    Lay("QI", 2);
    CheckWord();
    EXPECT_EQ(WordValid, 1);
    EXPECT_EQ(lookups(), 2);
    Lay("QX", 2);
    CheckWord();
    CheckWord();
    EXPECT_EQ(WordValid, 0);
    EXPECT_EQ(lookups(), 3);
    Lay("?X", 2);  // AX, EX, OX ...
    CheckWord();
    EXPECT_EQ(WordValid, 1);
}

TEST_F(WordRules, TheBestWordGoesToTheNewerOfEqualScoresMetOrMissed) {
    // Rack entries double as the word's tiles here; refills draw from an empty bag.
    TilesLeft = 0;
    platform::SeedRnd(3);
    Lay("QI", 2);
    PlayWord();
    EXPECT_EQ(BestWord, "QI");
    EXPECT_EQ(BestWordScore, 13);
    EXPECT_EQ(PendingPoints, 13);
    TargetDirection = 1;
    TargetScore = 20;
    Lay("ZA", 2);  // 10 + 3 = 13, misses 20 but ties the best
    PlayWord();
    EXPECT_EQ(LastResult, 0);
    EXPECT_EQ(BestWord, "ZA");
    EXPECT_EQ(PendingPoints, 13);
    EXPECT_EQ(MouseLatch, 1);
    EXPECT_EQ(Particles.size(), 512u);
}

TEST_F(WordRules, TheRecordCountsPointsStillBeingCounted) {
    PlayerName = "Ada";
    GameScore = 40;
    PendingPoints = -30;  // a swap being counted off
    ExitCode = 99;
    CurrentLevel = 2;
    Scores record = MakeGameRecord();
    EXPECT_EQ(record.Score, 10);
    EXPECT_EQ(record.Quit, 1);
    EXPECT_EQ(record.Name, "Ada");
    EXPECT_EQ(record.Level, 2);
    EXPECT_EQ(record.Badges, 0);
    EXPECT_GT(record.Timestamp, 0);
    ExitCode = 1;
    PendingPoints = 0;
    EXPECT_EQ(MakeGameRecord().Quit, 0);
    EXPECT_EQ(MakeGameRecord().Score, 40);
    CurrentLevel = 0;
}

}  // namespace
