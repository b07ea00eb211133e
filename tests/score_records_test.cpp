#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

#include "platform/files.h"
#include "platform/testing.h"
#include "scores/score_records.h"

namespace {
namespace fs = std::filesystem;

// Each test runs in an empty folder of its own, which is the current folder, with
// an empty list and the start name.
class ScoreRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        oldDir_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("wordloom_scores_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
        ScoresList.clear();
        PlayerName = "Player";
        ScoresLoaded = 0;
    }
    void TearDown() override {
        fs::current_path(oldDir_);
        fs::remove_all(dir_);
        ScoresList.clear();
        PlayerName = "Player";
    }
    static void WriteFile(const std::string& bytes) {
        std::ofstream(kScoresFileName, std::ios::binary) << bytes;
    }
    static std::string ReadFile() {
        std::ifstream in(kScoresFileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static Scores Record(int64_t score, const std::string& name, int64_t timestamp) {
        Scores r;
        r.Score = score;
        r.Name = name;
        r.Timestamp = timestamp;
        return r;
    }
    fs::path oldDir_, dir_;
};

void ExpectSameRecord(const Scores& a, const Scores& b) {
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.Timestamp, b.Timestamp);
    EXPECT_EQ(a.Badges, b.Badges);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Best, b.Best);
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.GameMode, b.GameMode);
    EXPECT_EQ(a.GameFlags, b.GameFlags);
    EXPECT_EQ(a.Quit, b.Quit);
}

TEST_F(ScoreRecordsTest, CompareOrdersNewestFirstWithoutOverflow) {
    const Scores older = Record(0, "a", 100), newer = Record(0, "b", 200);
    EXPECT_GT(older.Compare(newer), 0);
    EXPECT_LT(newer.Compare(older), 0);
    EXPECT_EQ(older.Compare(Record(5, "c", 100)), 0);
    // A plain subtraction would wrap here and put the records the wrong way round.
    EXPECT_LT(Record(0, "x", INT64_MAX).Compare(Record(0, "y", INT64_MIN)), 0);
    EXPECT_GT(Record(0, "x", INT64_MIN).Compare(Record(0, "y", INT64_MAX)), 0);
}

TEST_F(ScoreRecordsTest, SavedFileHasTheTwoLineLayout) {
    ScoresList.push_back(Record(152, "Player", 65150251200LL));
    ASSERT_TRUE(SaveScores());
    EXPECT_EQ(ReadFile(), "152|Player|0|65150251200|0|0|0|0\r\n0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0\r\n");
    EXPECT_EQ(platform::FileType(std::string(kScoresFileName) + ".tmp"), 0);  // renamed into place
}

TEST_F(ScoreRecordsTest, RoundTripKeepsEveryFieldAndTheOrder) {
    Scores a = Record(-50, "Zoe", 300), b = Record(INT64_MAX, "\xe9lan 2", 200), c = Record(7, "", 100);
    a.Badges = 0x8001;
    a.Best[1] = 3;
    a.Best[30] = 1;
    a.Level = 2;
    a.GameMode = 3;
    a.GameFlags = 4;
    a.Quit = 1;
    for (int i = 1; i <= 30; ++i) b.Best[i] = i * 1000;
    b.Timestamp = INT64_MIN + 1;  // extreme but still ordered
    // Stored out of order: saving sorts newest first.
    ScoresList = {c, b, a};
    ASSERT_TRUE(SaveScores());
    EXPECT_NE(ReadFile().find("-50|Zoe|"), std::string::npos);

    ScoresList.clear();
    ReadScoresFile(kScoresFileName);
    ASSERT_EQ(ScoresList.size(), 3u);
    auto it = ScoresList.begin();
    ExpectSameRecord(*it++, a);
    ExpectSameRecord(*it++, c);
    ExpectSameRecord(*it++, b);
    EXPECT_EQ(PlayerName, "Zoe");
}

TEST_F(ScoreRecordsTest, OutOfOrderFileReadsNewestFirstAndNamesTheNewest) {
    WriteFile("5|Old|0|100|0|0|0|0\r\n\r\n9|Newest|0|900|0|0|0|0\r\n\r\n7|Middle|0|500|0|0|0|0\r\n\r\n");
    ReadScoresFile(kScoresFileName);
    ASSERT_EQ(ScoresList.size(), 3u);
    EXPECT_EQ(ScoresList.front().Name, "Newest");
    EXPECT_EQ(ScoresList.back().Name, "Old");
    EXPECT_EQ(PlayerName, "Newest");
}

TEST_F(ScoreRecordsTest, DamagedLinesReadWhatTheyCan) {
    // Stray text and a short first line; the file ends right after the last first line.
    WriteFile("garbage\r\n\r\n  12 | Ann |-3\r\n1|2|x|4\r\n-7|Bob|1|50|-2|0|0|0");
    ReadScoresFile(kScoresFileName);
    ASSERT_EQ(ScoresList.size(), 2u);
    const Scores& bob = ScoresList.front();  // timestamp 50 against Ann's 0
    EXPECT_EQ(bob.Score, -7);
    EXPECT_EQ(bob.Level, 2);  // stored as its absolute value
    EXPECT_EQ(bob.Best, (std::array<int, 31>{}));
    const Scores& ann = ScoresList.back();
    EXPECT_EQ(ann.Score, 12);
    EXPECT_EQ(ann.Name, "Ann");
    EXPECT_EQ(ann.Badges, 3);
    EXPECT_EQ(ann.Timestamp, 0);
    EXPECT_EQ(ann.Best[1], 1);
    EXPECT_EQ(ann.Best[2], 2);
    EXPECT_EQ(ann.Best[3], 0);
    EXPECT_EQ(ann.Best[4], 4);
    EXPECT_EQ(ann.Best[5], 0);
}

TEST_F(ScoreRecordsTest, HostileFilesNeverCrashAndStayBounded) {
    std::string bytes;
    // Huge numbers saturate, binary bytes and a megabyte line are survived.
    bytes += "99999999999999999999999|Big|99999999999|-99999999999999999999|-2147483648|0|0|0\r\n";
    bytes += "-99999999999|2147483648\r\n";
    bytes += std::string("\x01\x02\xff|\x00|\x7f\r\n", 9);
    bytes += "1|" + std::string(1 << 20, 'y') + "|0|5\r\n\r\n";
    for (int i = 0; i < 12000; ++i) bytes += std::to_string(i) + "|N|0|" + std::to_string(i) + "|0|0|0|0\r\n\r\n";
    WriteFile(bytes);
    ReadScoresFile(kScoresFileName);
    EXPECT_EQ(ScoresList.size(), kMaxScoreRecords);
    bool sawBig = false;
    for (const Scores& r : ScoresList) {
        EXPECT_LE(r.Name.size(), platform::TextReader::kMaxLine);
        EXPECT_GE(r.Level, 0);
        EXPECT_GE(r.Badges, 0);
        for (int i = 1; i <= 30; ++i) EXPECT_GE(r.Best[i], 0);
        if (r.Name == "Big") {
            sawBig = true;
            EXPECT_EQ(r.Score, INT64_MAX);
            EXPECT_EQ(r.Timestamp, INT64_MIN + 1);
            EXPECT_EQ(r.Best[2], INT_MAX);
        }
    }
    EXPECT_TRUE(sawBig);
}

TEST_F(ScoreRecordsTest, MissingFileLeavesListAndName) {
    ScoresList.push_back(Record(1, "Kept", 1));
    PlayerName = "Me";
    ReadScoresFile(kScoresFileName);
    EXPECT_EQ(ScoresList.size(), 1u);
    EXPECT_EQ(PlayerName, "Me");
}

TEST_F(ScoreRecordsTest, NamesWithSeparatorsReadBackAsStored) {
    // A name typed elsewhere than the name entry may still hold "|" or a line break.
    AddScoreRecord(Record(10, " Al|ice\n ", 100));
    EXPECT_EQ(ScoresList.front().Name, "Alice");
    Scores direct = Record(20, "Bo|b", 200);
    direct.Quit = 1;
    ScoresList.push_front(direct);
    ASSERT_TRUE(SaveScores());
    ScoresList.clear();
    ReadScoresFile(kScoresFileName);
    ASSERT_EQ(ScoresList.size(), 2u);
    EXPECT_EQ(ScoresList.front().Name, "Bob");
    EXPECT_EQ(ScoresList.front().Quit, 1);  // fields did not shift
    EXPECT_EQ(ScoresList.back().Name, "Alice");
    EXPECT_EQ(ScoresList.back().Score, 10);
}

TEST_F(ScoreRecordsTest, AddScoreRecordSavesAtOnceNewestFirst) {
    AddScoreRecord(Record(1, "First", 500));
    AddScoreRecord(Record(2, "Second", 500));  // same second: the later game leads
    AddScoreRecord(Record(3, "Older", 100));
    ScoresList.clear();
    ReadScoresFile(kScoresFileName);
    ASSERT_EQ(ScoresList.size(), 3u);
    auto it = ScoresList.begin();
    EXPECT_EQ((it++)->Name, "Second");
    EXPECT_EQ((it++)->Name, "First");
    EXPECT_EQ((it++)->Name, "Older");
}

TEST_F(ScoreRecordsTest, DisplayChangeReloadKeepsTheGamesOfThisRun) {
    WriteFile("5|FromFile|0|100|0|0|0|0\r\n\r\n");
    LoadScores();  // start-up
    ASSERT_EQ(ScoresList.size(), 1u);
    ScoresList.push_front(Record(9, "ThisRun", 200));  // not saved yet
    PlayerName = "ThisRun";
    LoadScores();  // a later common asset loading
    ASSERT_EQ(ScoresList.size(), 2u);
    EXPECT_EQ(ScoresList.front().Name, "ThisRun");
    EXPECT_EQ(PlayerName, "ThisRun");
}
}  // namespace
