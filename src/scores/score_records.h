// Score records: one per finished or abandoned game, kept newest first in
// ScoresList and on disk in scores.dat (two "|"-separated lines per record).
#pragma once
#include <array>
#include <cstdint>
#include <list>
#include <string>

class Scores {
public:
    int64_t Score = 0;      // final score, may be negative
    int64_t Timestamp = 0;  // when the record was made (see dates.h)
    int Badges = 0;         // bit n - 1 set when badge n was earned
    std::string Name;
    std::array<int, 31> Best{};  // per-game values 1..30; Best[30] = 1 marks a completed game
    int Level = 0;
    int GameMode = 0;
    int GameFlags = 0;
    int Quit = 0;  // 1 when the player quit the game

    // Negative when this record is newer than other, positive when older, 0 when
    // both were made in the same second.
    int Compare(const Scores& other) const;
};

// All records, newest first. A list, so that references to its records stay
// valid while the score panel removes others.
extern std::list<Scores> ScoresList;
// The name offered for the next record ("Player" until a name is known).
extern std::string PlayerName;
// 1 once the scores file has been read in this run.
extern int ScoresLoaded;

constexpr const char* kScoresFileName = "scores.dat";
// A scores file holds at most this many records; the panel keeps far fewer, so
// the cap only bounds the memory a damaged or hostile file can take.
constexpr size_t kMaxScoreRecords = 10000;

// Reads scores.dat from the current folder the first time it is called in a run
// and does nothing later: the common asset loading calls it after every display
// change, and reading the file again would drop the games of this run.
void LoadScores();
// Replaces ScoresList by the content of the file (if the file exists) and takes
// PlayerName from its newest record. Used by LoadScores.
void ReadScoresFile(const std::string& path);
// Sorts ScoresList and writes it to scores.dat in the current folder through a
// temporary file renamed over the old one. Returns false when nothing was written.
bool SaveScores();
bool WriteScoresFile(const std::string& path);
// Appends a finished game's record, sorts the list newest first and saves the file,
// so a crash or power cut later in the run cannot lose the game.
void AddScoreRecord(const Scores& record);
// Stable sort by Compare: newest first, records of the same second keep their order.
void SortScores();
// The name as it is stored: without "|" (the field separator of the file) and
// control characters (which would end its line), and without outer blanks (which
// reading trims), so that it reads back exactly as written.
std::string CleanScoreName(const std::string& name);
