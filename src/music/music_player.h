// The music player: plays a song step by step on music voices 0..4, drawing
// new lines, instruments and mutes for every passage from the song's seed.
#pragma once
#include <cstdint>
#include <string>

// 1 while a song plays; UpdateMusic does nothing while it is 0.
extern int MusicPlaying;
extern int32_t SongSeed;
// Milliseconds per step.
extern int StepLength;
// Clock time after which the next step plays.
extern int64_t NextStepTime;
// Step within the current block (0..63), -1 before the first step.
extern int StepIndex;
// Block of the current passage, counted from 1.
extern int PassageBlock;
// Blocks prepared since the song started, -1 before the first.
extern int BlockCount;
// Pan magnitude of the side voices (0.3 at every song start).
extern double PanSpread;
// The lines of the current passage, after stretching.
extern std::string ChordLine, DrumLineA, DrumLineB, BassLine, MelodyLine, AccompanyLine;
// Entry 1 bass, 2 lead, 3 accompaniment instrument of the current passage.
extern int InstrumentChoice[5];
// Per music slot 0..19 (only 0..4 sound): silent in this passage, silent in the
// next one, and how early (1 = 16 steps, 2 = 8 steps) a voice muted now but
// playing next may come in before the passage ends.
extern int ChannelMute[20];
extern int NextChannelMute[20];
extern int ChannelEntry[20];
// Entry c * 70 + i: what voice c (0..4) does at step i (0..63) of this block:
// a drum digit for voices 0 and 1, a note ratio (0 = rest) for voices 2..4.
extern float StepValues[1300];

// Reads music/<song>.ini and starts it; the first step sounds 250 ms later and
// steps come every stepParameter / 2 ms. A seed of -1 takes the clock. A missing
// file changes nothing; a song without lines for drums, bass, melody or
// accompaniment is refused and leaves the player idle.
void StartSong(const std::string& song, int seed, int stepParameter);
// Silences every music voice at once and leaves the player idle.
void StopSong();
// Pan magnitude of the side voices; StartSong resets it, so set it afterwards.
void SetPanSpread(double spread);
// Plays at most one step when its time has come. Called once per frame.
void UpdateMusic();

// Prepares the next block, starting a new passage when the chord line is used up.
void BuildMusicBlock();
// Picks a line of the given section with the given salt and stretches it by the
// section's stretch mode (chord lines are never stretched).
std::string PickSongLine(int section, int salt);
