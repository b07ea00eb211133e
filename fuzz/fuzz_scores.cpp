// scores.dat: any bytes as the score history, read by LoadScores. The records
// read must stay within the cap and come back the same after a save and a read
// (names as stored, that is cleaned of "|" and control characters).
#include "fuzz_support.h"
#include "platform/testing.h"
#include "scores/score_records.h"

namespace {
bool SameRecord(const Scores& a, const Scores& b) {
    return a.Score == b.Score && a.Timestamp == b.Timestamp && a.Badges == b.Badges && a.Name == b.Name &&
           a.Best == b.Best && a.Level == b.Level && a.GameMode == b.GameMode && a.GameFlags == b.GameFlags &&
           a.Quit == b.Quit;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::EnableTestMode();
    EnterScratchFolder("scores");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInputFile(kScoresFileName, data, size);
    ScoresList.clear();
    PlayerName = "Player";
    ScoresLoaded = 0;  // LoadScores reads the file once per run
    LoadScores();

    if (ScoresList.size() > kMaxScoreRecords) FuzzFailure("more records than the cap");
    if (!ScoresList.empty() && PlayerName != ScoresList.front().Name) FuzzFailure("player name is not the newest");

    std::list<Scores> expected = ScoresList;
    for (Scores& r : expected) r.Name = CleanScoreName(r.Name);
    if (!WriteScoresFile("again.dat")) FuzzFailure("scores could not be written back");
    ReadScoresFile("again.dat");
    if (ScoresList.size() != expected.size())
        FuzzFailure("read back " + std::to_string(ScoresList.size()) + " records of " + std::to_string(expected.size()));
    auto it = expected.begin();
    int n = 1;
    for (const Scores& r : ScoresList) {
        if (!SameRecord(r, *it)) FuzzFailure("record " + std::to_string(n) + " changed in a save and a read");
        ++it;
        ++n;
    }
    return 0;
}
