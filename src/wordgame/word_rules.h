// The rules of one game: the word on the board and its score, the lookup, playing
// a word against its target, the count-up of points, the swap, the all-tiles bonus,
// the end of the game and its score record.
#pragma once
#include <string>

#include "scores/score_records.h"

// Game state, from the deal until the score record is made.
extern int GameScore;      // "Score so Far"; may be negative
extern int PendingPoints;  // still to be counted into GameScore, one per frame
extern std::string LastWord;
extern int LastWordScore;
extern int LastResult;  // -1 no word yet, 1 the last word met its target, 0 it missed
extern std::string BestWord;
extern int BestWordScore;
extern int TargetDirection;  // 1 "More than", -1 "Less than"
extern int TargetScore;
extern std::string BonusMessage;
extern int ExitCode;  // 0 playing, 1 finished, 99 quit
extern std::string LastCheckedWord;
extern int WordValid;
extern int MouseLatch;  // a click has acted; cleared once both buttons are up
extern int GameBadges;
extern int GameBest[31];

// The word on the board, recomputed every frame.
extern std::string AssembledWord;  // blanks shown as "?"
extern int LetterSum, WordMultiplier;
extern int RunState;  // 0 no tile, 1 in the first run, 2 after it, 3 a second run

constexpr int kSwapCost = 50;
constexpr int kAllTilesBonus = 100;
extern const char* const kBonusText;  // "100 bonus points for using all your tiles."

// Start values of the game state.
void ResetGameState();
// Walks the slots from 1 and takes the leftmost run of tiles as the word.
void AssembleWord();
int WordScore();
// True when exactly one run lies on the board.
bool WordPlayable();
// Looks the word up once per change.
void CheckWord();
// Plays the assembled word against the target and draws the next target.
void PlayWord();
// Moves one pending point into the score, with its tick.
void CountUp();
// Returns the rack to the bag, reshuffles and deals nine new tiles for 50 points.
void SwapRack();
// Gives the 100 points once every tile is used and the last stars have gone.
void CheckAllTilesBonus(int rackTiles);
// Ends the game once the bonus is counted in and its stars have gone.
void CheckNormalEnd(int rackTiles);
// The score record of the game that just ended.
Scores MakeGameRecord();
// After "Game Over": the pause, the name entry and the score record.
void FinishGame();
