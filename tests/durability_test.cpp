// A process killed at any moment while it saves leaves Setup.ini and scores.dat
// each either as they were or as the new whole file, never torn.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>

#include "frame/setup_file.h"
#include "main/program_state.h"
#include "platform/files.h"
#include "scores/score_records.h"
#include "support/test_env.h"

namespace {


// Version v of the files: a different master volume and a list of v + 1 games.
void MakeVersion(int v) {
    SetSettingsDefaults();
    Settings[11] = 10 + v;
    ScoresList.clear();
    for (int i = 0; i <= v * 40; ++i) {
        Scores s;
        s.Score = 1000 + i;
        s.Timestamp = 65150251200 + i;
        s.Name = "Player " + std::to_string(i);
        ScoresList.push_back(s);
    }
}

TEST(Durability, KilledDuringSavesLeavesOldOrNewWholeFiles) {
    testenv::Begin();
    std::string root = testenv::ScratchFolder();
    platform::CreateDir(root + GameFolder());
    std::string game = root + GameFolder();
    std::string versions[2][2];  // [version][0 setup, 1 scores]
    for (int v = 0; v < 2; ++v) {
        platform::ChangeDir(game);
        MakeVersion(v);
        WriteSetup();
        SaveScores();
        versions[v][0] = testenv::ReadFile(root + "Setup.ini");
        versions[v][1] = testenv::ReadFile(game + "scores.dat");
    }
    ASSERT_NE(versions[0][0], versions[1][0]);
    ASSERT_NE(versions[0][1], versions[1][1]);
    std::mt19937 rng(12345);
    int killedMidway = 0;
    for (int round = 0; round < 30; ++round) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Alternate the two versions as fast as possible until killed.
            platform::ChangeDir(game);
            for (int i = 0;; ++i) {
                MakeVersion(i % 2);
                WriteSetup();
                SaveScores();
            }
        }
        usleep(2000 + rng() % 20000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        ++killedMidway;
        std::string setup = testenv::ReadFile(root + "Setup.ini"), scores = testenv::ReadFile(game + "scores.dat");
        EXPECT_TRUE(setup == versions[0][0] || setup == versions[1][0]) << "round " << round;
        EXPECT_TRUE(scores == versions[0][1] || scores == versions[1][1]) << "round " << round;
    }
    EXPECT_EQ(killedMidway, 30);
}

}  // namespace
