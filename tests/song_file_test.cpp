#include <string>
#include <vector>

#include "music/music_samples.h"
#include "music/song_file.h"
#include "music_fixture.h"

namespace {

using SongFileTest = MusicFolderTest;

std::vector<std::string> Pool(int section) {
    std::vector<std::string> lines;
    for (int n = 1; n <= SongLineCount[section]; ++n) lines.push_back(SongLines[section * 1000 + n]);
    return lines;
}

TEST_F(SongFileTest, LinesAreTrimmedQuotesDroppedAndHeadersMatchedExactly) {
    WriteFile("song.ini",
              "Free text before any header\r\n"
              "\"ignored: no section yet\"\r\n"
              "STRETCH FALSE\r\n"
              "[DRUMS]\r\n"
              "  \"1 1 2 1\" \r\n"
              "\t\"tabbed\"\t\r\n"
              "\"no closing quote\r\n"
              "\"mid\"dle\" quote\"\r\n"
              "\"\"\r\n"
              "text \"not a pattern\"\r\n"
              "[melody]\r\n"
              "\"m1\"\r\n"
              "[Melody ]\r\n"
              "\"after a header that opens nothing\"\r\n"
              "[MELODY\r\n"
              "\"m3\"\r\n"
              "[chords]]\r\n"
              "\"c1\"\r\n"
              "[ BASS]\r\n"
              "\"c2\"\r\n"
              "[Drums]\n"
              "\"drums again\"\n");
    ASSERT_TRUE(ReadSongFile("song"));
    EXPECT_EQ(Pool(kDrumsSection), (std::vector<std::string>{"1 1 2 1", "tabbed", "no closing quote",
                                                             "middle quote", "", "drums again"}));
    EXPECT_EQ(Pool(kMelodySection), (std::vector<std::string>{"m1", "after a header that opens nothing", "m3"}));
    EXPECT_EQ(Pool(kChordsSection), (std::vector<std::string>{"c1", "c2"}));
    EXPECT_EQ(SongLineCount[kBassSection], 0);
    EXPECT_EQ(SongLineCount[kAccompanySection], 0);
    for (int s = 0; s < 5; ++s) EXPECT_EQ(StretchMode[s], -1) << "section " << s;
}

TEST_F(SongFileTest, StretchLinesSetTheModeByTheirEnding) {
    struct Case {
        std::string lines;
        int mode;
    };
    const std::vector<Case> cases = {
        {"", -1},
        {"Stretch: random+", 2},
        {"STRETCH RANDOM", 1},
        {"STRETCH=false", 0},
        {"stretch double", -2},
        {"STRETCHY", -1},
        {"Stretch randomly", -1},
        {"STRETCH FALSE\r\nSTRETCH DOUBLE", -2},  // a later line replaces an earlier one
        {"STRETCH FALSE\r\nSTRETCHY", 0},         // an unknown ending changes nothing
    };
    for (const Case& c : cases) {
        WriteFile("s.ini", "[BASS]\r\n" + c.lines + "\r\n\"q\"\r\n");
        ASSERT_TRUE(ReadSongFile("s"));
        EXPECT_EQ(StretchMode[kBassSection], c.mode) << c.lines;
        EXPECT_EQ(StretchMode[kDrumsSection], -1) << c.lines;
    }
}

TEST_F(SongFileTest, ASectionKeepsAtMost998Lines) {
    std::string text = "[DRUMS]\n";
    for (int n = 1; n <= 1005; ++n) text += "\"" + std::to_string(n) + "\"\n";
    text += "[CHORDS]\n\"qqqq\"\n";
    WriteFile("long.ini", text);
    SongLines[999] = "untouched";
    SongLines[1000] = "untouched";
    ASSERT_TRUE(ReadSongFile("long"));
    EXPECT_EQ(SongLineCount[kDrumsSection], 998);
    EXPECT_EQ(SongLines[998], "998");
    EXPECT_EQ(SongLines[999], "untouched");
    EXPECT_EQ(SongLines[1000], "untouched");
    EXPECT_EQ(Pool(kChordsSection), std::vector<std::string>{"qqqq"});
}

TEST_F(SongFileTest, AMissingSongChangesNothing) {
    WriteFile("one.ini", "[BASS]\nSTRETCH FALSE\n\"q\"\n");
    ASSERT_TRUE(ReadSongFile("one"));
    EXPECT_FALSE(ReadSongFile("absent"));
    EXPECT_EQ(SongLineCount[kBassSection], 1);
    EXPECT_EQ(StretchMode[kBassSection], 0);
}

TEST_F(SongFileTest, TheDemoSongFillsEverySectionAndStretchMode) {
    std::ifstream in(std::string(WORDLOOM_SOURCE_DIR) + "/data/demo_song.ini", std::ios::binary);
    ASSERT_TRUE(in.good());
    WriteFile("demo_song.ini", std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_TRUE(ReadSongFile("demo_song"));
    for (int s = 0; s < 5; ++s) {
        EXPECT_GT(SongLineCount[s], 0) << "section " << s;
        for (const std::string& line : Pool(s)) EXPECT_FALSE(line.empty()) << "section " << s;
    }
    EXPECT_EQ(StretchMode[kDrumsSection], -1);
    EXPECT_EQ(StretchMode[kChordsSection], 0);
    EXPECT_EQ(StretchMode[kBassSection], 1);
    EXPECT_EQ(StretchMode[kMelodySection], 2);
    EXPECT_EQ(StretchMode[kAccompanySection], -2);
}

TEST(NoteRatioTest, KeyboardRowsRiseInSemitonesFromTheOctaveBelow) {
    // Every note character in semitone order: each ratio lies one semitone above
    // the one before it (within the rounding of the fixed constants).
    const std::string order = "zsxdcvgbhnjmq2w3er5t6y7ui9o0p[=]";
    EXPECT_FLOAT_EQ(NoteRatio("z"), 0.5f);
    for (size_t k = 1; k < order.size(); ++k) {
        const float step = NoteRatio(order.substr(k, 1)) / NoteRatio(order.substr(k - 1, 1));
        EXPECT_NEAR(step, 1.0595f, 0.003f) << order[k - 1] << " -> " << order[k];
    }
}

TEST(NoteRatioTest, ListedConstantsCaseAndNonNotes) {
    const std::vector<std::pair<std::string, float>> cases = {
        {"q", 1.0f},   {"Q", 1.0f},   {"b", 0.749f}, {"B", 0.749f}, {"s", 0.5295f}, {"m", 0.944f},
        {"2", 1.059f}, {"e", 1.26f},  {"r", 1.335f}, {"i", 2.0f},   {"0", 2.378f},  {"[", 2.67f},
        {"=", 2.828f}, {"]", 2.996f}, {" ", 0.0f},   {"a", 0.0f},   {"1", 0.0f},    {"8", 0.0f},
        {"", 0.0f},    {"qq", 0.0f},  {"{", 0.0f},   {"\xE9", 0.0f}};
    for (const auto& [text, ratio] : cases) EXPECT_EQ(NoteRatio(text), ratio) << "'" << text << "'";
}

TEST_F(SongFileTest, InstrumentCountIsTheHighestNumberFound) {
    WriteSample("d1-1.wav", 200);
    WriteSample("d2-3.wav", 300);
    WriteSample("bass1.wav", 110);
    WriteSample("bass2.wav", 120);
    WriteSample("bass3.wav", 130);
    WriteSample("lead1.wav", 440);
    WriteSample("lead3.wav", 660);
    LoadMusicSamples();
    EXPECT_EQ(InstrumentCount[1], 3);
    EXPECT_EQ(InstrumentCount[2], 3);
    EXPECT_EQ(InstrumentCount[3], 0);
    EXPECT_NE(MusicSamples[1], 0);
    EXPECT_EQ(MusicSamples[2], 0);
    EXPECT_NE(MusicSamples[13], 0);
    EXPECT_EQ(MusicSamples[11], 0);
    for (int slot : {21, 22, 23, 31, 33}) EXPECT_NE(MusicSamples[slot], 0) << slot;
    for (int slot : {24, 32, 41}) EXPECT_EQ(MusicSamples[slot], 0) << slot;

    // Loading again after a family lost its files counts afresh.
    RemoveFile("bass2.wav");
    RemoveFile("bass3.wav");
    LoadMusicSamples();
    EXPECT_EQ(InstrumentCount[1], 1);
    EXPECT_EQ(MusicSamples[22], 0);
    EXPECT_NE(MusicSamples[21], 0);
}

}  // namespace
