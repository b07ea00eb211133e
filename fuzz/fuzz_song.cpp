// Song files: any bytes as music/fuzz.ini, read by ReadSongFile and then played by
// StartSong and a few thousand UpdateMusic steps on the virtual clock, with a
// small sample set of both drum kits and every instrument family.
#include "frame/setup_file.h"
#include "fuzz_support.h"
#include "music/music_player.h"
#include "music/music_samples.h"
#include "music/song_file.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "services/sound_effects.h"

namespace {
constexpr int kSteps = 3000;
// Steps of 1 ms rather than the usual 125: the mixer advances with the virtual
// clock, and short steps keep the mixing per input small (a note played at rate 0
// never ends) without changing which lines, notes and voices play.
constexpr int kStepParameter = 2;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::EnableTestMode();
    platform::OpenAudio();
    EnterScratchFolder("song");
    platform::CreateDir("music");
    // Samples of about a step (44 frames): some notes still ring at the next
    // step and are cut, others have ended; either way mixing costs little.
    for (int n = 1; n <= 8; ++n) {
        WriteTinyWav("music/d1-" + std::to_string(n) + ".wav", 20 + 5 * n, 100.0 + 40.0 * n);
        WriteTinyWav("music/d2-" + std::to_string(n) + ".wav", 20 + 5 * n, 500.0 + 40.0 * n);
    }
    WriteTinyWav("music/bass1.wav", 40, 110.0);
    WriteTinyWav("music/bass2.wav", 60, 146.8);
    WriteTinyWav("music/lead1.wav", 50, 440.0);
    WriteTinyWav("music/accompany1.wav", 70, 330.0);
    WriteTinyWav("music/accompany3.wav", 30, 220.0);  // number 2 missing: a gap in the family
    LoadMusicSamples();
    Settings[11] = 50;
    Settings[13] = 50;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteInputFile("music/fuzz.ini", data, size);
    if (!ReadSongFile("fuzz")) FuzzFailure("the song file was not found");
    for (int s = 0; s < 5; ++s)
        if (SongLineCount[s] < 0 || SongLineCount[s] > kMaxSongLines) FuzzFailure("line count out of range");

    // The seed follows from the input (never -1, which would take the clock).
    int32_t seed = static_cast<int32_t>(InputHash(data, size));
    if (seed == -1) seed = 1;
    StartSong("fuzz", seed, kStepParameter);
    for (int i = 0; i < kSteps && MusicPlaying; ++i) {
        const int64_t wait = NextStepTime + 1 - platform::Millisecs();
        platform::AdvanceVirtualClock(wait > 0 ? wait : 1);
        UpdateMusic();
    }
    StopSong();
    platform::ClearSoundLog();
    return 0;
}
