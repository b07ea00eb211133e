// The mixing core, on known buffers.
#include <gtest/gtest.h>

#include <vector>

#include "platform/audio.h"

namespace {

TEST(Mixer, AppliesVolumeAndPanToEachSide) {
    std::vector<float> samples(8, 0.5f);
    struct Case {
        double volume, pan, left, right;
    } cases[] = {{1, 0, 0.5, 0.5}, {0.5, 0, 0.25, 0.25}, {1, -1, 0.5, 0}, {1, 1, 0, 0.5}, {1, 0.5, 0.25, 0.5},
                 {1, -3, 0.5, 0}};
    for (const Case& c : cases) {
        platform::MixVoice v;
        v.samples = samples.data();
        v.length = 8;
        v.playing = true;
        v.volume = c.volume;
        v.pan = c.pan;
        std::vector<float> out(8, 0.0f);
        platform::MixVoices(&v, 1, out.data(), 4);
        EXPECT_FLOAT_EQ(out[0], c.left) << c.volume << " " << c.pan;
        EXPECT_FLOAT_EQ(out[1], c.right);
    }
}

TEST(Mixer, RateStepsThroughTheSampleWithLinearInterpolation) {
    std::vector<float> ramp = {0.0f, 1.0f, 2.0f, 3.0f, 4.0f};
    platform::MixVoice v;
    v.samples = ramp.data();
    v.length = 5;
    v.playing = true;
    v.rate = 0.5;
    std::vector<float> out(2 * 6, 0.0f);
    platform::MixVoices(&v, 1, out.data(), 6);
    const float expected[6] = {0, 0.5f, 1, 1.5f, 2, 2.5f};
    for (int i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(out[2 * i], expected[i]) << i;
    EXPECT_TRUE(v.playing);

    platform::MixVoice fast = v;
    fast.position = 0;
    fast.rate = 2;
    std::vector<float> out2(2 * 4, 0.0f);
    platform::MixVoices(&fast, 1, out2.data(), 4);
    EXPECT_FLOAT_EQ(out2[0], 0);
    EXPECT_FLOAT_EQ(out2[2], 2);
    EXPECT_FLOAT_EQ(out2[4], 4);
    EXPECT_FLOAT_EQ(out2[6], 0);  // past the end: silence, and the voice has stopped
    EXPECT_FALSE(fast.playing);
}

TEST(Mixer, PausedAndStoppedVoicesAddNothingAndVoicesSum) {
    std::vector<float> one(4, 1.0f);
    platform::MixVoice voices[3];
    for (auto& v : voices) {
        v.samples = one.data();
        v.length = 4;
        v.playing = true;
        v.volume = 0.25;
    }
    voices[1].paused = true;
    std::vector<float> out(8, 0.0f);
    platform::MixVoices(voices, 3, out.data(), 4);
    EXPECT_FLOAT_EQ(out[0], 0.5f);
    EXPECT_DOUBLE_EQ(voices[1].position, 0);
    voices[0].playing = false;
    std::fill(out.begin(), out.end(), 0.0f);
    platform::MixVoices(voices, 3, out.data(), 1);
    EXPECT_FLOAT_EQ(out[0], 0.0f);  // voice 2 has run out of samples by now
}

}  // namespace
