// The ring of sound-effect channels, the clamps and the volume rule.
#include <gtest/gtest.h>

#include "frame/setup_file.h"
#include "platform/audio.h"
#include "platform/testing.h"
#include "services/sound_effects.h"
#include "support/test_env.h"

namespace {

class SoundEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::Begin();
        std::string dir = testenv::ScratchFolder();
        testenv::WriteTestWav(dir + "long.wav", 44100 * 10);  // ten seconds: still sounding
        testenv::WriteTestWav(dir + "short.wav", 441);        // ten milliseconds
        longSound = platform::LoadSound(dir + "long.wav");
        shortSound = platform::LoadSound(dir + "short.wav");
        ASSERT_NE(longSound, 0);
        for (int& c : Channels) c = 0;
        SfxSlot = 20;
        SoundEffects[1] = longSound;
        SoundEffects[2] = shortSound;
        SoundEffects[3] = 0;
    }
    const platform::SoundRecord& LastPlay() {
        for (auto it = platform::SoundLog().rbegin(); it != platform::SoundLog().rend(); ++it)
            if (it->op == "play") return *it;
        static platform::SoundRecord none;
        return none;
    }
    int longSound = 0, shortSound = 0;
};

TEST_F(SoundEffectsTest, TheRingRunsFrom21To255ThenWrapsTo20AndCutsOnlyWhatStillSounds) {
    for (int i = 1; i <= 235; ++i) PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(SfxSlot, 255);
    PlaySfx(1, 1, 1, 0);
    EXPECT_EQ(SfxSlot, 20);
    int channel21 = Channels[21];
    platform::ClearSoundLog();
    PlaySfx(1, 1, 1, 0);  // the 237th: entry 21 still sounds and is cut
    EXPECT_EQ(SfxSlot, 21);
    ASSERT_GE(platform::SoundLog().size(), 2u);
    EXPECT_EQ(platform::SoundLog()[0].op, "stop");
    EXPECT_EQ(platform::SoundLog()[0].channel, channel21);

    // A finished effect's channel is used again without a stop.
    SfxSlot = 29;
    PlaySfx(2, 1, 1, 0);
    platform::AdvanceVirtualClock(100);
    platform::ClearSoundLog();
    SfxSlot = 29;
    PlaySfx(2, 1, 1, 0);
    ASSERT_EQ(platform::SoundLog().size(), 1u);
    EXPECT_EQ(platform::SoundLog()[0].op, "play");
}

TEST_F(SoundEffectsTest, ArgumentsAreClampedAndTheVolumeIsTheProductOfTheSettings) {
    struct Case {
        double rate, volume, pan;
        int master, sound;
        double wantRate, wantVolume, wantPan;
    } cases[] = {
        {1, 1, 0, 50, 50, 1, 0.25, 0},
        {0.1, 1.5, -3, 100, 100, 0.25, 1, -1},
        {9, -1, 3, 100, 100, 4, 0, 1},
        {std::numeric_limits<double>::quiet_NaN(), 0.5, 0.2, 100, 40, 0.25, 0.2, 0.2},
        {1, 1, 0, 0, 80, 1, 0, 0},  // master 0: started silent, still takes an entry
    };
    for (const Case& c : cases) {
        Settings[11] = c.master;
        Settings[12] = c.sound;
        int before = SfxSlot;
        PlaySfx(1, c.rate, c.volume, c.pan);
        EXPECT_EQ(SfxSlot, before + 1);
        EXPECT_DOUBLE_EQ(LastPlay().rate, c.wantRate);
        EXPECT_DOUBLE_EQ(LastPlay().volume, c.wantVolume);
        EXPECT_DOUBLE_EQ(LastPlay().pan, c.wantPan);
    }
}

TEST_F(SoundEffectsTest, SilenceWhenTheSoundVolumeIsZeroOrTheEffectIsMissing) {
    Settings[11] = 100;
    for (auto [sound, effect] : {std::pair{0, 1}, {-5, 1}, {50, 3}, {50, 0}, {50, 201}}) {
        Settings[12] = sound;
        platform::ClearSoundLog();
        PlaySfx(effect, 1, 1, 0);
        EXPECT_TRUE(platform::SoundLog().empty());
        EXPECT_EQ(SfxSlot, 20) << "the ring does not advance";
    }
}

}  // namespace
