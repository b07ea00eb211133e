// The mixing core: a pure function over buffers, so it can be tested exactly.
#include <algorithm>
#include <cmath>

#include "platform/audio.h"

namespace platform {

void MixVoices(MixVoice* voices, int voiceCount, float* out, int frames) {
    for (int v = 0; v < voiceCount; ++v) {
        MixVoice& voice = voices[v];
        if (!voice.playing || voice.paused || !voice.samples || voice.length <= 0) continue;
        double pan = std::clamp(voice.pan, -1.0, 1.0);
        double volume = std::clamp(voice.volume, 0.0, 1.0);
        float left = static_cast<float>(volume * std::min(1.0, 1.0 - pan));
        float right = static_cast<float>(volume * std::min(1.0, 1.0 + pan));
        double rate = voice.rate > 0 ? voice.rate : 0;
        for (int f = 0; f < frames; ++f) {
            if (voice.position >= static_cast<double>(voice.length)) {
                voice.playing = false;
                break;
            }
            int64_t i = static_cast<int64_t>(voice.position);
            double frac = voice.position - static_cast<double>(i);
            float a = voice.samples[i];
            float b = (i + 1 < voice.length) ? voice.samples[i + 1] : 0.0f;
            float s = static_cast<float>(a + (b - a) * frac);
            out[2 * f] += s * left;
            out[2 * f + 1] += s * right;
            voice.position += rate;
        }
        if (voice.position >= static_cast<double>(voice.length)) voice.playing = false;
    }
}

}  // namespace platform
