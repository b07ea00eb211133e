#include "scores/score_records.h"

#include <cstdlib>

#include "frame/debug_log.h"
#include "frame/text_fields.h"
#include "platform/files.h"

std::list<Scores> ScoresList;
std::string PlayerName = "Player";
int ScoresLoaded = 0;

int Scores::Compare(const Scores& other) const {
    // Compared rather than subtracted: timestamps read from a damaged file may be
    // anywhere in the 64-bit range, where the difference would overflow.
    if (other.Timestamp > Timestamp) return 1;
    if (other.Timestamp < Timestamp) return -1;
    return 0;
}

void SortScores() {
    // std::list::sort is stable: records of the same second keep their order.
    ScoresList.sort([](const Scores& a, const Scores& b) { return a.Compare(b) < 0; });
}

std::string CleanScoreName(const std::string& name) {
    std::string clean;
    clean.reserve(name.size());
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 32 || c == '|') continue;
        clean.push_back(c);
    }
    return TrimBlanks(clean);
}

namespace {
// Small counts and flags are stored as their absolute value.
int ReadFlagField(const std::string& line, int n) { return std::abs(ReadInt(GetField(line, '|', n))); }

Scores ReadRecord(const std::string& first, const std::string& second) {
    Scores r;
    r.Score = ReadDecimal(GetField(first, '|', 1));
    r.Name = TrimBlanks(GetField(first, '|', 2));
    r.Badges = ReadFlagField(first, 3);
    r.Timestamp = ReadDecimal(GetField(first, '|', 4));
    r.Level = ReadFlagField(first, 5);
    r.GameMode = ReadFlagField(first, 6);
    r.GameFlags = ReadFlagField(first, 7);
    r.Quit = ReadFlagField(first, 8);
    for (int i = 1; i <= 30; ++i) r.Best[i] = ReadFlagField(second, i);
    return r;
}

std::string FirstLine(const Scores& r) {
    return std::to_string(r.Score) + "|" + CleanScoreName(r.Name) + "|" + std::to_string(r.Badges) + "|" +
           std::to_string(r.Timestamp) + "|" + std::to_string(r.Level) + "|" + std::to_string(r.GameMode) + "|" +
           std::to_string(r.GameFlags) + "|" + std::to_string(r.Quit);
}

std::string SecondLine(const Scores& r) {
    std::string line;
    for (int i = 1; i <= 30; ++i) {
        if (i > 1) line += "|";
        line += std::to_string(r.Best[i]);
    }
    return line;
}
}  // namespace

void ReadScoresFile(const std::string& path) {
    if (platform::FileType(path) != 1) return;  // first run: the list stays as it is
    platform::TextReader in(path);
    if (!in.IsOpen()) {
        LogLine("\tScores file could not be read");
        return;
    }
    ScoresList.clear();
    size_t skipped = 0;
    while (!in.Eof()) {
        const std::string line = in.ReadLine();
        if (line.find('|') == std::string::npos) continue;
        const std::string best = in.ReadLine();  // a missing line gives thirty zeros
        if (ScoresList.size() >= kMaxScoreRecords) {
            ++skipped;
            continue;
        }
        ScoresList.push_back(ReadRecord(line, best));
    }
    in.Close();
    if (skipped > 0) LogLine("\tScores file: " + std::to_string(skipped) + " records beyond the limit ignored");
    SortScores();
    // The newest record's name, even when the file was not in date order.
    if (!ScoresList.empty()) PlayerName = ScoresList.front().Name;
}

void LoadScores() {
    if (ScoresLoaded) return;
    ScoresLoaded = 1;
    ReadScoresFile(kScoresFileName);
}

bool WriteScoresFile(const std::string& path) {
    SortScores();
    platform::TextWriter out(path);
    if (!out.IsOpen()) {
        LogLine("\tScores file could not be created");
        return false;
    }
    for (const Scores& r : ScoresList) {
        out.WriteLine(FirstLine(r));
        out.WriteLine(SecondLine(r));
    }
    if (!out.Commit()) {
        LogLine("\tScores file could not be written");
        return false;
    }
    return true;
}

bool SaveScores() { return WriteScoresFile(kScoresFileName); }

void AddScoreRecord(const Scores& record) {
    // In front, so that it also leads any record made in the same second.
    ScoresList.push_front(record);
    // Stored as the file will hold it, so memory and file agree.
    ScoresList.front().Name = CleanScoreName(record.Name);
    SortScores();
    SaveScores();
}
