#include "music/music_samples.h"

#include <string>

#include "platform/audio.h"
#include "platform/files.h"

int MusicSamples[50];
int InstrumentCount[5];

namespace {

// Puts a freshly loaded sound into a slot and releases the one it replaces, so a
// display change that reloads the set does not pile up copies of every sample.
void PutSample(int slot, int sound) {
    int old = MusicSamples[slot];
    MusicSamples[slot] = sound;
    if (old != 0 && old != sound) platform::FreeSound(old);
}

}  // namespace

void LoadMusicSamples() {
    static const char* const kFamilies[4] = {"", "music/bass", "music/lead", "music/accompany"};
    // Counts are found anew: an instrument that has gone since the last load must
    // not stay selectable.
    for (int f = 1; f <= 3; ++f) InstrumentCount[f] = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string number = std::to_string(n);
        // The drum kits are always loaded; a missing file simply gives no sound.
        PutSample(n, platform::LoadSound("music/d1-" + number + ".wav"));
        PutSample(n + 10, platform::LoadSound("music/d2-" + number + ".wav"));
        for (int f = 1; f <= 3; ++f) {
            const std::string path = std::string(kFamilies[f]) + number + ".wav";
            const int slot = f * 10 + 10 + n;
            if (platform::FileType(path) == 1) {
                InstrumentCount[f] = n;
                PutSample(slot, platform::LoadSound(path));
            } else {
                PutSample(slot, 0);
            }
        }
    }
}
