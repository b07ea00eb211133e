#include "wordgame/word_rules.h"

#include "main/program_state.h"
#include "platform/system.h"
#include "scores/dates.h"
#include "scores/name_entry.h"
#include "services/frame_service.h"
#include "services/sound_effects.h"
#include "wordgame/dictionary.h"
#include "wordgame/game_layout.h"
#include "wordgame/particles.h"
#include "wordgame/tile_bag.h"

int GameScore = 0;
int PendingPoints = 0;
std::string LastWord;
int LastWordScore = 0;
int LastResult = -1;
std::string BestWord;
int BestWordScore = 0;
int TargetDirection = 1;
int TargetScore = 1;
std::string BonusMessage;
int ExitCode = 0;
std::string LastCheckedWord;
int WordValid = 0;
int MouseLatch = 0;
int GameBadges = 0;
int GameBest[31];

std::string AssembledWord;
int LetterSum = 0, WordMultiplier = 1;
int RunState = 0;

const char* const kBonusText = "100 bonus points for using all your tiles.";

void ResetGameState() {
    GameScore = 0;
    PendingPoints = 0;
    LastWord.clear();
    LastWordScore = 0;
    LastResult = -1;
    BestWord.clear();
    BestWordScore = 0;
    TargetDirection = 1;
    TargetScore = 1;
    BonusMessage.clear();
    ExitCode = 0;
    LastCheckedWord.clear();
    WordValid = 0;
    MouseLatch = 0;
    GameBadges = 0;
    for (int& v : GameBest) v = 0;
    AssembledWord.clear();
    LetterSum = 0;
    WordMultiplier = 1;
    RunState = 0;
}

void AssembleWord() {
    RunState = 0;
    LetterSum = 0;
    WordMultiplier = 1;
    AssembledWord.clear();
    for (int s = 1; s <= kBoardSlots; ++s) {
        bool taken = BoardTile[s] != 0;
        if (taken && RunState == 0) RunState = 1;
        else if (!taken && RunState == 1) RunState = 2;
        else if (taken && RunState == 2) RunState = 3;
        if (RunState != 1) continue;
        int letter = RackLetter[BoardTile[s]];
        if (letter < 1 || letter > kBlankLetter) continue;
        // The blank reads as the wildcard "?" of the dictionary search.
        AssembledWord += letter == kBlankLetter ? '?' : static_cast<char>(letter + 64);
        int value = LetterValue[letter];
        LetterSum += value;
        if (BoardBonus[s] == 2) LetterSum += value;
        if (BoardBonus[s] == 3) LetterSum += 2 * value;
        if (BoardBonus[s] == 4) WordMultiplier *= 2;
        if (BoardBonus[s] == 5) WordMultiplier *= 3;
    }
}

int WordScore() { return LetterSum * WordMultiplier; }

bool WordPlayable() { return RunState == 1 || RunState == 2; }

void CheckWord() {
    if (AssembledWord.size() < 2) {
        WordValid = 0;
        LastCheckedWord.clear();
        return;
    }
    if (AssembledWord == LastCheckedWord) return;
    LastCheckedWord = AssembledWord;
    WordValid = 0;
    FindWords(AssembledWord, 1);
    WordValid = WordList.empty() ? 0 : 1;
}

void PlayWord() {
    int score = WordScore();
    MouseLatch = 1;
    LastWord = AssembledWord;
    LastWordScore = score;
    LastResult = 1;
    if ((TargetDirection == 1 && score < TargetScore) || (TargetDirection == -1 && score > TargetScore))
        LastResult = 0;
    TargetDirection = platform::Rand(0, 1) == 0 ? -1 : 1;
    TargetScore = score;
    // No "Less than" target below 6: it would leave almost no word to play.
    if (TargetDirection == -1 && TargetScore < 6) TargetDirection = 1;
    StartBurst(LastResult == 1 ? kSuccessBurst : kFailureBurst);
    if (LastResult == 1) PendingPoints += score;
    if (score >= BestWordScore) {
        BestWordScore = score;
        BestWord = AssembledWord;
    }
    RefillUsedTiles();
}

void CountUp() {
    if (PendingPoints > 0) {
        ++GameScore;
        --PendingPoints;
        PlaySfx(1, 2.0, 0.3, 0);
    } else if (PendingPoints < 0) {
        --GameScore;
        ++PendingPoints;
        PlaySfx(1, 1.8, 0.3, 0);
    }
}

void SwapRack() {
    MouseLatch = 1;
    for (int i = 1; i <= kRackTiles; ++i) {
        LiftTile(i);
        if (RackLetter[i] > 0) {
            ReturnTile(RackLetter[i]);
            RackLetter[i] = kNoTile;
        }
    }
    ShuffleTileBag();
    for (int i = 1; i <= kRackTiles; ++i) {
        RackLetter[i] = DrawTile();
        RackTargetX[i] = RackHomeX(i);
        RackTargetY[i] = RackHomeY();
    }
    PendingPoints -= kSwapCost;
}

void CheckAllTilesBonus(int rackTiles) {
    if (TilesLeft != 0 || rackTiles != 0 || !BonusMessage.empty() || !Particles.empty()) return;
    PendingPoints += kAllTilesBonus;
    BonusMessage = kBonusText;
    StartBurst(kBonusBurst);
}

void CheckNormalEnd(int rackTiles) {
    if (TilesLeft == 0 && rackTiles == 0 && PendingPoints == 0 && !BonusMessage.empty() && Particles.empty())
        ExitCode = 1;
}

Scores MakeGameRecord() {
    Scores record;
    // Points still being counted in (or, after a swap, counted off) belong to the
    // game: quitting during the count must neither lose earned points nor dodge
    // the price of a swap.
    record.Score = static_cast<int64_t>(GameScore) + PendingPoints;
    record.Timestamp = MakeTimestamp("");
    record.Badges = GameBadges;
    record.Name = PlayerName;
    for (int k = 1; k <= 30; ++k) record.Best[k] = GameBest[k];
    record.Level = CurrentLevel;
    record.GameMode = CurrentGameMode;
    record.GameFlags = CurrentGameFlags;
    record.Quit = ExitCode == 99 ? 1 : 0;
    return record;
}

void FinishGame() {
    // The "Game Over" banner stays up for a moment; input keeps being read.
    int64_t until = ClockMs() + 1500;
    while (ClockMs() < until) platform::Delay(10);
    GameState = 0;
    EnterName();
    AddScoreRecord(MakeGameRecord());
}
