#include "music/music_player.h"

#include "frame/setup_file.h"
#include "music/music_samples.h"
#include "music/song_file.h"
#include "platform/audio.h"
#include "platform/system.h"
#include "services/sound_effects.h"

int MusicPlaying = 0;
int32_t SongSeed = 0;
int StepLength = 0;
int64_t NextStepTime = 0;
int StepIndex = -1;
int PassageBlock = -1;
int BlockCount = -1;
double PanSpread = 0.3;
std::string ChordLine, DrumLineA, DrumLineB, BassLine, MelodyLine, AccompanyLine;
int InstrumentChoice[5];
int ChannelMute[20];
int NextChannelMute[20];
int ChannelEntry[20];
float StepValues[1300];

namespace {

// Seed sums wrap at 32 bits, so a large song seed still gives a defined seed.
int32_t BlockSeed(int32_t salt) {
    uint32_t sum = static_cast<uint32_t>(SongSeed) << 10;
    sum += static_cast<uint32_t>(PassageBlock) + static_cast<uint32_t>(BlockCount) +
           static_cast<uint32_t>(salt);
    return static_cast<int32_t>(sum);
}

// Every character followed by one blank: each step of the line lasts two.
std::string StretchLine(const std::string& line) {
    std::string out;
    out.reserve(line.size() * 2);
    for (char c : line) {
        out += c;
        out += ' ';
    }
    return out;
}

// A drum character strikes the sample of its digit; anything else is a rest.
int ClampPercent(int value) { return value < 0 ? 0 : (value > 100 ? 100 : value); }

int DrumDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : 0; }

void FillStepValues() {
    const std::string* drums[2] = {&DrumLineA, &DrumLineB};
    const std::string* tunes[3] = {&BassLine, &MelodyLine, &AccompanyLine};
    // Pitched lines run on across the blocks of a passage; drum lines restart
    // with every block.
    const int64_t passageStep = (static_cast<int64_t>(PassageBlock) - 1) * 64;
    for (int i = 0; i < 64; ++i) {
        for (int c = 0; c < 2; ++c) {
            const std::string& line = *drums[c];
            // An empty line keeps its voice silent for the passage.
            StepValues[c * 70 + i] = line.empty() ? 0.0f : static_cast<float>(DrumDigit(line[i % line.size()]));
        }
        for (int t = 0; t < 3; ++t) {
            const std::string& line = *tunes[t];
            const int64_t length = static_cast<int64_t>(line.size());
            StepValues[(t + 2) * 70 + i] = length == 0 ? 0.0f : NoteRatio(line[(passageStep + i) % length]);
        }
    }
}

void StartNewPassage() {
    for (int f = 1; f <= 3; ++f) InstrumentChoice[f] = platform::Rand(1, InstrumentCount[f]);
    PassageBlock = 1;
    ChordLine = PickSongLine(kChordsSection, 13);
    // These draws continue the sequence the chord pick left behind.
    for (int i = 0; i < 20; ++i) {
        ChannelMute[i] = NextChannelMute[i];
        NextChannelMute[i] = platform::Rand(0, 1);
        ChannelEntry[i] = platform::Rand(1, 2);
    }
    // Some drums and one of bass or melody always play; the accompaniment may rest.
    if (ChannelMute[0] == 1 && ChannelMute[1] == 1) ChannelMute[platform::Rand(0, 1)] = 0;
    if (ChannelMute[2] == 1 && ChannelMute[3] == 1) ChannelMute[platform::Rand(2, 3)] = 0;
    DrumLineA = PickSongLine(kDrumsSection, 3);
    DrumLineB = PickSongLine(kDrumsSection, 7);
    BassLine = PickSongLine(kBassSection, 13);
    MelodyLine = PickSongLine(kMelodySection, 19);
    AccompanyLine = PickSongLine(kAccompanySection, 29);
}

// 2 in the last eight steps of a passage, 1 in the eight before them, else 0
// (for chord lines of a multiple of four characters).
int LeadInPhase() {
    const int64_t length = static_cast<int64_t>(ChordLine.size());
    const int64_t b = PassageBlock;
    const int64_t i = StepIndex;
    if ((b - 1) * 8 + i / 8 >= 2 * length - 1) return 2;
    if ((b - 1) * 4 + i / 16 >= length - 1) return 1;
    return 0;
}

float ChordRatio() {
    const int64_t index = (static_cast<int64_t>(PassageBlock) - 1) * 4 + StepIndex / 16;
    if (index < 0 || index >= static_cast<int64_t>(ChordLine.size())) return 0.0f;
    return NoteRatio(ChordLine[index]);
}

// Starts the sample on music voice c, cutting the note it still plays.
void StrikeVoice(int c, int sound, double rate, double volume) {
    if (Channels[c] != 0 && platform::ChannelPlaying(Channels[c])) platform::StopChannel(Channels[c]);
    Channels[c] = platform::AllocChannel();
    if (Channels[c] == 0) return;  // no channel to be had: the note is skipped
    Channels[c] = platform::CueSound(sound, Channels[c]);
    if (Channels[c] == 0) return;
    if (c == 0 || c == 4) platform::ChannelPan(Channels[c], PanSpread);
    if (c == 1 || c == 2) platform::ChannelPan(Channels[c], -PanSpread);
    if (c >= 2) platform::ChannelRate(Channels[c], rate);
    platform::ChannelVolume(Channels[c], volume);
    platform::ResumeChannel(Channels[c]);
}

}  // namespace

std::string PickSongLine(int section, int salt) {
    if (section < 0 || section > 4) return std::string();
    platform::SeedRnd(BlockSeed(salt));
    const int64_t discards = static_cast<int64_t>(BlockCount) * 4 + salt;
    for (int64_t j = 0; j < discards; ++j) platform::Rand(0, 1000);
    const int count = SongLineCount[section];
    const int n = platform::Rand(1, count);
    // An empty pool (only the chords may reach here empty) gives an empty line,
    // never a stale line of an earlier song.
    if (n < 1 || n > count) return std::string();
    std::string line = SongLines[section * 1000 + n];
    if (section == kChordsSection) return line;

    const int r = platform::Rand(0, 2);
    const int mode = StretchMode[section];
    if ((mode > 0 && r > 0) || mode < 0) line = StretchLine(line);
    if ((mode == 2 && r == 2) || mode == -2) line = StretchLine(line);
    return line;
}

void BuildMusicBlock() {
    platform::SeedRnd(BlockSeed(0));
    ++BlockCount;
    ++PassageBlock;
    if (ChordLine.empty() || PassageBlock > static_cast<int64_t>(ChordLine.size() / 4)) StartNewPassage();
    FillStepValues();
}

void StartSong(const std::string& song, int seed, int stepParameter) {
    if (!ReadSongFile(song)) return;
    // Every voice but the chords indexes its line by the pool: a song without
    // drum, bass, melody or accompaniment lines is refused, and since its tables
    // have replaced those of the song before, that one cannot go on either.
    if (SongLineCount[kDrumsSection] == 0 || SongLineCount[kBassSection] == 0 ||
        SongLineCount[kMelodySection] == 0 || SongLineCount[kAccompanySection] == 0) {
        StopSong();
        return;
    }
    if (seed == -1) seed = static_cast<int32_t>(static_cast<uint32_t>(platform::Millisecs()));
    platform::SeedRnd(static_cast<int32_t>(static_cast<uint32_t>(seed) << 10));

    SongSeed = seed;
    PanSpread = 0.3;
    ChordLine.clear();
    StepIndex = -1;
    PassageBlock = -1;
    BlockCount = -1;
    StepLength = stepParameter / 2;
    for (int i = 0; i < 20; ++i) NextChannelMute[i] = platform::Rand(0, 1);
    BuildMusicBlock();
    NextStepTime = platform::Millisecs() + 250;
    MusicPlaying = 1;
}

void StopSong() {
    MusicPlaying = 0;
    for (int i = 0; i < 20; ++i) {
        if (Channels[i] != 0 && platform::ChannelPlaying(Channels[i])) platform::StopChannel(Channels[i]);
        Channels[i] = 0;
    }
}

void SetPanSpread(double spread) { PanSpread = spread; }

void UpdateMusic() {
    if (MusicPlaying == 0 || platform::Millisecs() <= NextStepTime) return;
    // Steps are scheduled from the last step's time, not from the clock, so a
    // late frame does not shift the beat.
    NextStepTime += StepLength;
    if (++StepIndex >= 64) {
        StepIndex = 0;
        BuildMusicBlock();
    }

    const int phase = LeadInPhase();
    const float chord = ChordRatio();
    // M x A is formed as a whole number; the divisions are real. Percentages
    // read from the setup file are clamped where they are used.
    const int64_t level = static_cast<int64_t>(ClampPercent(Settings[13])) * ClampPercent(Settings[11]);

    for (int c = 0; c < 5; ++c) {
        bool muted = ChannelMute[c] == 1;
        // A voice that plays in the next passage may come in early.
        if (muted && NextChannelMute[c] == 0 && (phase == 2 || (phase == 1 && ChannelEntry[c] == 1)))
            muted = false;
        if (muted) continue;

        const float v = StepValues[c * 70 + StepIndex];
        int slot = 0;
        if (c < 2) {
            const int digit = static_cast<int>(v);
            if (digit < 1 || digit > 8) continue;
            slot = digit + c * 10;
        } else {
            if (v == 0.0f) continue;
            slot = c * 10 + InstrumentChoice[c - 1];  // 21.., 31.., 41..
        }
        // A sample that is not loaded plays as a rest: the voice stays silent and
        // lets its last note ring.
        if (slot < 0 || slot >= 50 || MusicSamples[slot] == 0) continue;

        const double volume = static_cast<double>(level) / 100.0 / (c == 4 ? 200.0 : 100.0);
        StrikeVoice(c, MusicSamples[slot], static_cast<double>(v * chord), volume);
    }
}
