#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "frame/setup_file.h"
#include "music/music_player.h"
#include "music/music_samples.h"
#include "music/song_file.h"
#include "music_fixture.h"
#include "platform/files.h"
#include "platform/system.h"
#include "services/sound_effects.h"

namespace {

std::vector<int> Range(int from, int to, int stride = 1) {
    std::vector<int> steps;
    for (int s = from; s <= to; s += stride) steps.push_back(s);
    return steps;
}

class MusicPlayerTest : public MusicFolderTest {
protected:
    void SetUp() override {
        MusicFolderTest::SetUp();
        WriteSampleSet();
        LoadMusicSamples();
        Settings[11] = 50;
        Settings[13] = 50;
        for (int c = 0; c < 20; ++c) Channels[c] = 0;
        MusicPlaying = 0;
        platform::SetVirtualClock(0);
    }

    void TearDown() override {
        StopSong();
        MusicFolderTest::TearDown();
    }

    // A song with one line per pool, every pool played as written unless the
    // drum stretch line says otherwise.
    void WriteSong(const std::string& name, const std::string& drums, const std::string& chords,
                   const std::string& bass, const std::string& melody, const std::string& accompany,
                   const std::string& drumStretch = "STRETCH FALSE") {
        WriteFile(name + ".ini", "[DRUMS]\n" + drumStretch + "\n\"" + drums + "\"\n[CHORDS]\n\"" + chords +
                                     "\"\n[BASS]\nSTRETCH FALSE\n\"" + bass + "\"\n[MELODY]\nSTRETCH FALSE\n\"" +
                                     melody + "\"\n[ACCOMPANY]\nSTRETCH FALSE\n\"" + accompany + "\"\n");
    }

    void CopyDemoSong() {
        std::ifstream in(std::string(WORDLOOM_SOURCE_DIR) + "/data/demo_song.ini", std::ios::binary);
        ASSERT_TRUE(in.good());
        WriteFile("demo_song.ini", std::string(std::istreambuf_iterator<char>(in), {}));
    }

    // Plays exactly one step (the clock moves just past its time) and returns what
    // it started and stopped.
    std::vector<platform::SoundRecord> Step() {
        platform::ClearSoundLog();
        platform::SetVirtualClock(NextStepTime + 1);
        UpdateMusic();
        return platform::SoundLog();
    }

    // The steps, counted from 0 over the run, on which the sound started.
    std::vector<int> StepsPlaying(int sound, int steps) {
        std::vector<int> hits;
        for (int s = 0; s < steps; ++s)
            for (const platform::SoundRecord& r : Step())
                if (r.op == "play" && r.sound == sound) hits.push_back(s);
        return hits;
    }

    void UnmuteAll() {
        for (int c = 0; c < 20; ++c) ChannelMute[c] = 0;
    }
};

TEST_F(MusicPlayerTest, StepsComeEveryHalfStepParameterAfterA250msLeadIn) {
    WriteSong("s", "1", "qqqq", "q", "q", "q");
    platform::SetVirtualClock(1000);
    StartSong("s", 5, 251);
    EXPECT_EQ(MusicPlaying, 1);
    EXPECT_EQ(StepLength, 125);
    EXPECT_EQ(NextStepTime, 1250);

    platform::SetVirtualClock(1250);
    UpdateMusic();
    EXPECT_EQ(StepIndex, -1);
    platform::SetVirtualClock(1251);
    UpdateMusic();
    EXPECT_EQ(StepIndex, 0);
    UpdateMusic();
    EXPECT_EQ(StepIndex, 0);
    EXPECT_EQ(NextStepTime, 1375);

    // A long frame plays one step per call; the schedule falls behind the clock.
    platform::SetVirtualClock(9000);
    UpdateMusic();
    UpdateMusic();
    EXPECT_EQ(StepIndex, 2);
    EXPECT_EQ(NextStepTime, 1250 + 3 * 125);
}

TEST_F(MusicPlayerTest, DrumLinesStrikeOnTheirStepsAsWrittenAndStretched) {
    struct Case {
        std::string line, stretch;
        std::vector<int> first, second;  // steps of samples 1 and 2 in one block
    };
    // Over a two-block passage: the drum line starts again with the second block.
    auto twice = [](std::vector<int> steps) {
        const size_t n = steps.size();
        for (size_t k = 0; k < n; ++k) steps.push_back(steps[k] + 64);
        return steps;
    };
    const std::vector<Case> cases = {
        {"1 2 1 2 ", "STRETCH FALSE", Range(0, 63, 4), Range(2, 63, 4)},
        {"1 2 1 2 ", "", Range(0, 63, 8), Range(4, 63, 8)},
        {"1 2 1 2 ", "STRETCH DOUBLE", {0, 16, 32, 48}, {8, 24, 40, 56}},
        // Seven characters: the line repeats every seven steps, not at the block.
        {"1 2 1 2", "STRETCH FALSE",
         {0, 4, 7, 11, 14, 18, 21, 25, 28, 32, 35, 39, 42, 46, 49, 53, 56, 60, 63},
         {2, 6, 9, 13, 16, 20, 23, 27, 30, 34, 37, 41, 44, 48, 51, 55, 58, 62}},
    };
    for (const Case& c : cases) {
        WriteSong("drums", c.line, "qqqqqqqq", " ", " ", " ", c.stretch);
        StartSong("drums", 11, 250);
        UnmuteAll();
        std::vector<int> first, second, kitB;
        for (int s = 0; s < 128; ++s)
            for (const platform::SoundRecord& r : Step()) {
                if (r.op != "play") continue;
                if (r.sound == MusicSamples[1]) first.push_back(s);
                if (r.sound == MusicSamples[2]) second.push_back(s);
                if (r.sound == MusicSamples[11]) kitB.push_back(s);
            }
        EXPECT_EQ(first, twice(c.first)) << "'" << c.line << "' " << c.stretch;
        EXPECT_EQ(second, twice(c.second)) << "'" << c.line << "' " << c.stretch;
        // Kit B plays the same single line of the pool on its own samples.
        EXPECT_EQ(kitB, twice(c.first)) << "'" << c.line << "' " << c.stretch;
    }
}

TEST_F(MusicPlayerTest, PicksDependOnSeedBlockAndSaltAndStretchByMode) {
    // Forty distinct lines of three characters in every section.
    std::string text;
    for (const char* header : {"[DRUMS]", "[CHORDS]", "[BASS]", "[MELODY]", "[ACCOMPANY]"}) {
        text += std::string(header) + "\n";
        for (int n = 10; n < 50; ++n) text += "\"q" + std::to_string(n) + "\"\n";
    }
    WriteFile("picks.ini", text);
    ASSERT_TRUE(ReadSongFile("picks"));
    SongSeed = 5;
    PassageBlock = 1;

    // A pick is drawn from a sequence seeded afresh from the song seed, the block
    // numbers and the salt: the same inputs give the same line whatever was drawn
    // before, and over many blocks most of the pool turns up.
    std::set<std::string> seen;
    for (BlockCount = 0; BlockCount < 200; ++BlockCount) {
        const std::string line = PickSongLine(kChordsSection, 13);
        platform::Rand(0, 1000);
        EXPECT_EQ(PickSongLine(kChordsSection, 13), line);
        seen.insert(line);
    }
    EXPECT_GE(seen.size(), 30u);

    struct Case {
        int section, mode;
        std::set<size_t> lengths;
    };
    const std::vector<Case> cases = {
        {kBassSection, -2, {12}},         {kBassSection, -1, {6}},
        {kBassSection, 0, {3}},           {kMelodySection, 1, {3, 6}},
        {kDrumsSection, 2, {3, 6, 12}},   {kChordsSection, -2, {3}},
        {kAccompanySection, 2, {3, 6, 12}},
    };
    for (const Case& c : cases) {
        StretchMode[c.section] = c.mode;
        std::set<size_t> lengths;
        for (BlockCount = 0; BlockCount < 100; ++BlockCount) {
            const std::string line = PickSongLine(c.section, 7);
            lengths.insert(line.size());
            // A stretched line keeps its characters on the even places.
            if (line.size() > 3) {
                EXPECT_EQ(line.substr(0, 2), "q ");
            }
        }
        EXPECT_EQ(lengths, c.lengths) << "section " << c.section << " mode " << c.mode;
    }
}

TEST_F(MusicPlayerTest, TheChordLineTransposesEverySixteenSteps) {
    WriteSong("chords", " ", "qqer", "q", " ", " ");
    StartSong("chords", 3, 250);
    UnmuteAll();
    const int bass = MusicSamples[20 + InstrumentChoice[1]];
    std::vector<double> rates;
    for (int s = 0; s < 64; ++s)
        for (const platform::SoundRecord& r : Step())
            if (r.op == "play" && r.sound == bass) rates.push_back(r.rate);
    ASSERT_EQ(rates.size(), 64u);
    for (int s = 0; s < 64; ++s) {
        const float expected[4] = {1.0f, 1.0f, 1.26f, 1.335f};
        EXPECT_FLOAT_EQ(static_cast<float>(rates[s]), expected[s / 16]) << "step " << s;
    }
}

TEST_F(MusicPlayerTest, PitchedLinesRunOnAcrossTheBlocksOfAPassage) {
    // 96 steps: q at 0 and e at 48; a two-block passage plays it a block and a half.
    const std::string bass = "q" + std::string(47, ' ') + "e" + std::string(47, ' ');
    WriteSong("run", " ", "qqqqqqqq", bass, " ", " ");
    StartSong("run", 6, 250);
    UnmuteAll();
    const int sound = MusicSamples[20 + InstrumentChoice[1]];
    std::vector<std::pair<int, float>> notes;
    for (int s = 0; s < 128; ++s)
        for (const platform::SoundRecord& r : Step())
            if (r.op == "play" && r.sound == sound) notes.emplace_back(s, static_cast<float>(r.rate));
    EXPECT_EQ(notes, (std::vector<std::pair<int, float>>{{0, 1.0f}, {48, 1.26f}, {96, 1.0f}}));
}

TEST_F(MusicPlayerTest, FiveVoicesPlayTheirSamplesWithTheirPansRatesAndVolumes) {
    WriteSong("voices", "1", "wwww", "q", "e", "t");
    StartSong("voices", 8, 250);
    UnmuteAll();
    const std::vector<platform::SoundRecord> first = Step();
    struct Expect {
        int sound;
        double pan, rate, volume;
    };
    // Rates include the chord w (1.122); drums keep the sample's own rate and
    // the melody stays centred.
    const Expect expected[5] = {
        {MusicSamples[1], 0.3, 1.0, 0.25},
        {MusicSamples[11], -0.3, 1.0, 0.25},
        {MusicSamples[20 + InstrumentChoice[1]], -0.3, 1.122f * 1.0f, 0.25},
        {MusicSamples[30 + InstrumentChoice[2]], 0.0, 1.122f * 1.26f, 0.25},
        {MusicSamples[40 + InstrumentChoice[3]], 0.3, 1.122f * 1.498f, 0.125},
    };
    ASSERT_EQ(first.size(), 5u);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(first[c].op, "play");
        EXPECT_EQ(first[c].sound, expected[c].sound) << "voice " << c;
        EXPECT_NE(first[c].sound, 0) << "voice " << c;
        EXPECT_EQ(first[c].channel, Channels[c]) << "voice " << c;
        EXPECT_DOUBLE_EQ(first[c].pan, expected[c].pan) << "voice " << c;
        EXPECT_FLOAT_EQ(static_cast<float>(first[c].rate), static_cast<float>(expected[c].rate)) << "voice " << c;
        EXPECT_DOUBLE_EQ(first[c].volume, expected[c].volume) << "voice " << c;
    }

    // The next note of a voice cuts the one still ringing; a new spread applies.
    int previous[5];
    for (int c = 0; c < 5; ++c) previous[c] = Channels[c];
    SetPanSpread(0.5);
    const std::vector<platform::SoundRecord> second = Step();
    ASSERT_EQ(second.size(), 10u);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(second[2 * c].op, "stop") << "voice " << c;
        EXPECT_EQ(second[2 * c].channel, previous[c]) << "voice " << c;
        EXPECT_EQ(second[2 * c + 1].op, "play") << "voice " << c;
    }
    EXPECT_DOUBLE_EQ(second[1].pan, 0.5);
    EXPECT_DOUBLE_EQ(second[3].pan, -0.5);
    EXPECT_DOUBLE_EQ(second[5].pan, -0.5);
    EXPECT_DOUBLE_EQ(second[7].pan, 0.0);
    EXPECT_DOUBLE_EQ(second[9].pan, 0.5);

    // Volumes out of range in the setup file count as their nearest bound.
    Settings[11] = -50;
    Settings[13] = -50;
    for (const platform::SoundRecord& r : Step())
        if (r.op == "play") {
            EXPECT_EQ(r.volume, 0.0);
        }
    Settings[11] = 400;
    Settings[13] = 100;
    for (const platform::SoundRecord& r : Step())
        if (r.op == "play") {
            EXPECT_EQ(r.volume, r.channel == Channels[4] ? 0.5 : 1.0);
        }
}

TEST_F(MusicPlayerTest, AVoiceOfTheNextPassageEntersDuringTheLeadIn) {
    struct Case {
        std::string chords;
        int nextMute, entry, steps;
        std::vector<int> bassSteps;
    };
    const std::vector<Case> cases = {
        {"qqerqqet", 0, 1, 128, Range(112, 127)},  // two blocks: last 16 steps of block 2
        {"qqerqqet", 0, 2, 128, Range(120, 127)},  // last 8 steps
        {"qqerqqet", 1, 1, 128, {}},               // muted next passage too: stays out
        {"qqer", 0, 1, 64, Range(48, 63)},
        {"qqerqq", 0, 1, 64, {}},                  // the two extra chords are never reached
    };
    for (const Case& c : cases) {
        WriteSong("lead", " ", c.chords, "q", " ", " ");
        StartSong("lead", 21, 250);
        ChannelMute[2] = 1;
        NextChannelMute[2] = c.nextMute;
        ChannelEntry[2] = c.entry;
        EXPECT_EQ(StepsPlaying(MusicSamples[20 + InstrumentChoice[1]], c.steps), c.bassSteps)
            << c.chords << " next " << c.nextMute << " entry " << c.entry;
    }
}

TEST_F(MusicPlayerTest, MutesCarryOverAndKeepDrumsAndATuneGoing) {
    WriteSong("mutes", "1", "qqqq", "q", "q", "q");
    int allFive = 0, accompanyResting = 0;
    for (int seed = 1; seed <= 200; ++seed) {
        StartSong("mutes", seed, 250);
        for (int passage = 0; passage < 5; ++passage) {
            ASSERT_FALSE(ChannelMute[0] == 1 && ChannelMute[1] == 1) << "seed " << seed;
            ASSERT_FALSE(ChannelMute[2] == 1 && ChannelMute[3] == 1) << "seed " << seed;
            allFive += std::count(ChannelMute, ChannelMute + 5, 0) == 5;
            accompanyResting += ChannelMute[4];
            int drawn[20];
            std::copy(NextChannelMute, NextChannelMute + 20, drawn);
            BuildMusicBlock();  // one-block passages: every block starts a new one
            for (int c = 0; c < 20; ++c) {
                // Only the two guarantees may lift a drawn mute.
                if (c < 4) EXPECT_LE(ChannelMute[c], drawn[c]) << "seed " << seed;
                else EXPECT_EQ(ChannelMute[c], drawn[c]) << "seed " << seed;
            }
        }
    }
    EXPECT_GT(allFive, 0);
    EXPECT_GT(accompanyResting, 0);
}

TEST_F(MusicPlayerTest, OneSeedAlwaysGivesTheSameMusic) {
    CopyDemoSong();
    using Note = std::tuple<int, std::string, int, double, double, double>;
    auto play = [this](int seed) {
        platform::SetVirtualClock(5000);
        StartSong("demo_song", seed, 250);
        std::vector<Note> notes;
        for (int s = 0; s < 1000; ++s)
            for (const platform::SoundRecord& r : Step()) notes.emplace_back(s, r.op, r.sound, r.volume, r.pan, r.rate);
        StopSong();
        return notes;
    };
    const std::vector<Note> first = play(1234);
    EXPECT_GT(first.size(), 500u);
    EXPECT_EQ(play(1234), first);
    EXPECT_NE(play(4321), first);

    // Seed -1 takes the clock.
    platform::SetVirtualClock(777);
    StartSong("demo_song", -1, 250);
    EXPECT_EQ(SongSeed, 777);
    const std::string lines = ChordLine + "|" + DrumLineA + "|" + BassLine + "|" + MelodyLine;
    StartSong("demo_song", 777, 250);
    EXPECT_EQ(ChordLine + "|" + DrumLineA + "|" + BassLine + "|" + MelodyLine, lines);
}

TEST_F(MusicPlayerTest, StopSongSilencesEveryVoiceAndStaysIdle) {
    CopyDemoSong();
    StartSong("demo_song", 99, 250);
    UnmuteAll();
    for (int s = 0; s < 10; ++s) Step();
    platform::ClearSoundLog();
    StopSong();
    EXPECT_EQ(MusicPlaying, 0);
    for (int c = 0; c < 20; ++c) EXPECT_EQ(Channels[c], 0) << c;
    EXPECT_FALSE(platform::SoundLog().empty());  // the ringing notes were stopped
    platform::ClearSoundLog();
    for (int f = 0; f < 100; ++f) {
        platform::AdvanceVirtualClock(100);
        UpdateMusic();
    }
    EXPECT_TRUE(platform::SoundLog().empty());
}

TEST_F(MusicPlayerTest, SongsMissingOrWithoutAPoolAreNotPlayed) {
    WriteSong("good", "1", "qqqq", "q", "q", "q");
    StartSong("good", 4, 250);
    Step();
    const std::string chords = ChordLine;

    // A missing file leaves the song playing as it was.
    StartSong("absent", 5, 300);
    EXPECT_EQ(MusicPlaying, 1);
    EXPECT_EQ(SongSeed, 4);
    EXPECT_EQ(StepLength, 125);
    EXPECT_EQ(StepIndex, 0);

    const std::vector<std::string> refused = {
        "[CHORDS]\n\"qqqq\"\n[BASS]\n\"q\"\n[MELODY]\n\"q\"\n[ACCOMPANY]\n\"q\"\n",
        "[DRUMS]\n\"1\"\n[CHORDS]\n\"qqqq\"\n[MELODY]\n\"q\"\n[ACCOMPANY]\n\"q\"\n",
        "[DRUMS]\n\"1\"\n[CHORDS]\n\"qqqq\"\n[BASS]\n\"q\"\n[ACCOMPANY]\n\"q\"\n",
        "[DRUMS]\n\"1\"\n[CHORDS]\n\"qqqq\"\n[BASS]\n\"q\"\n[MELODY]\n\"q\"\n",
        "",
    };
    for (const std::string& text : refused) {
        StartSong("good", 4, 250);
        UnmuteAll();
        Step();
        WriteFile("bad.ini", text);
        StartSong("bad", 6, 250);
        EXPECT_EQ(MusicPlaying, 0) << text;
        for (int c = 0; c < 20; ++c) EXPECT_EQ(Channels[c], 0) << text;
        platform::ClearSoundLog();
        platform::AdvanceVirtualClock(1000);
        UpdateMusic();
        EXPECT_TRUE(platform::SoundLog().empty()) << text;
    }
}

TEST_F(MusicPlayerTest, EmptyLinesMissingSamplesAndNoChordsPlayAsRests) {
    // An empty drum line and a bass family without files keep those voices
    // silent; without chords the pitched voices are started at rate 0.
    for (int n = 1; n <= 2; ++n) RemoveFile("bass" + std::to_string(n) + ".wav");
    LoadMusicSamples();
    ASSERT_EQ(InstrumentCount[1], 0);
    WriteSong("chords", "1", "eeee", "q", "q", "q");
    WriteFile("sparse.ini", "[DRUMS]\n\"\"\n[BASS]\n\"q\"\n[MELODY]\n\"q\"\n[ACCOMPANY]\n\"q\"\n");
    for (int seed = 1; seed <= 8; ++seed) {
        // The song before has chords; they must not leak into one without any.
        StartSong("chords", seed, 250);
        StartSong("sparse", seed, 250);
        ASSERT_EQ(MusicPlaying, 1);
        UnmuteAll();
        int melody = 0;
        for (int s = 0; s < 64; ++s) {
            for (const platform::SoundRecord& r : Step()) {
                if (r.op != "play") continue;
                EXPECT_NE(r.sound, 0);
                EXPECT_NE(r.sound, MusicSamples[1]);
                EXPECT_NE(r.sound, MusicSamples[11]);
                EXPECT_EQ(r.rate, 0.0) << "seed " << seed;
                melody += r.sound == MusicSamples[31];
            }
        }
        EXPECT_EQ(melody, 32);  // no stretch line: "q" plays as "q "
    }
}

TEST_F(MusicPlayerTest, SongFilesOfAnyBytesNeverBreakThePlayer) {
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"[DRUMS]", "[CHORDS]", "[BASS]", "[MELODY]", "[ACCOMPANY]",
                                             "\"", "\n", "\r", "STRETCH RANDOM+", "stretch double",
                                             "12", "qwe", " ", std::string(1, '\0')};
    for (int file = 0; file < 60; ++file) {
        std::string bytes;
        const int count = static_cast<int>(random() % 400);
        for (int k = 0; k < count; ++k) {
            if (random() % 3 == 0) bytes += static_cast<char>(random() % 256);
            else bytes += pieces[random() % pieces.size()];
        }
        WriteFile("fuzz.ini", bytes);
        StartSong("fuzz", file * 7919 - 100000, static_cast<int>(random() % 600) - 100);
        for (int s = 0; s < 150 && MusicPlaying == 1; ++s) Step();
    }
    // A line far longer than any song needs is cut by the reader, not kept whole.
    WriteFile("long.ini", "[DRUMS]\n\"" + std::string(200000, '1') + "\"\n[BASS]\n\"q\"\n[MELODY]\n\"q\"\n"
                          "[ACCOMPANY]\n\"q\"\n");
    StartSong("long", 1, 250);
    EXPECT_LE(SongLines[1].size(), platform::TextReader::kMaxLine);
    for (int s = 0; s < 70; ++s) Step();
    EXPECT_EQ(MusicPlaying, 1);
}

TEST_F(MusicPlayerTest, TheDemoSongMixesToTenAudibleUnclippedSeconds) {
    CopyDemoSong();
    // Which test sample each loaded sound holds.
    std::map<int, const std::vector<float>*> sampleOf;
    const char* const families[5] = {"d1-", "d2-", "bass", "lead", "accompany"};
    for (int f = 0; f < 5; ++f)
        for (int n = 1; n <= 8; ++n) {
            const int slot = f * 10 + n;
            auto found = samples_.find(std::string(families[f]) + std::to_string(n) + ".wav");
            if (MusicSamples[slot] != 0 && found != samples_.end()) sampleOf[MusicSamples[slot]] = &found->second;
        }

    platform::SetVirtualClock(0);
    StartSong("demo_song", 2024, 250);
    std::vector<platform::MixVoice> voices;
    std::vector<int> voiceChannel;
    std::vector<float> out(static_cast<size_t>(platform::kMixRate) * 2 * 10, 0.0f);
    int64_t written = 0;
    for (int frame = 1; frame <= 600; ++frame) {
        platform::ClearSoundLog();
        platform::SetVirtualClock(frame * 1000 / 60);
        UpdateMusic();
        for (const platform::SoundRecord& r : platform::SoundLog()) {
            for (size_t v = 0; v < voices.size(); ++v)
                if (voiceChannel[v] == r.channel) voices[v].playing = false;
            if (r.op != "play") continue;
            ASSERT_TRUE(sampleOf.count(r.sound)) << r.sound;
            platform::MixVoice voice;
            voice.samples = sampleOf[r.sound]->data();
            voice.length = static_cast<int64_t>(sampleOf[r.sound]->size());
            voice.rate = r.rate;
            voice.volume = r.volume;
            voice.pan = r.pan;
            voice.playing = true;
            voices.push_back(voice);
            voiceChannel.push_back(r.channel);
        }
        const int64_t until = static_cast<int64_t>(frame) * platform::kMixRate / 60;
        const int frames = static_cast<int>(until - written);
        platform::MixVoices(voices.data(), static_cast<int>(voices.size()), out.data() + written * 2, frames);
        written = until;
        for (size_t v = voices.size(); v-- > 0;)
            if (!voices[v].playing) {
                voices.erase(voices.begin() + static_cast<long>(v));
                voiceChannel.erase(voiceChannel.begin() + static_cast<long>(v));
            }
    }
    ASSERT_EQ(written, platform::kMixRate * 10);

    float peak = 0;
    for (float s : out) peak = std::max(peak, std::fabs(s));
    EXPECT_LT(peak, 1.0f);
    // Every second after the first step carries sound.
    for (int second = 0; second < 10; ++second) {
        double energy = 0;
        const size_t from = static_cast<size_t>(second) * platform::kMixRate * 2;
        for (size_t k = from; k < from + platform::kMixRate * 2; ++k) energy += out[k] * out[k];
        const double rms = std::sqrt(energy / (platform::kMixRate * 2));
        EXPECT_GT(rms, 0.005) << "second " << second;
    }
}

}  // namespace
