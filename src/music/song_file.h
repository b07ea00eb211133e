// Song files: five pools of pattern lines (drums, chords, bass, melody,
// accompaniment) with a stretch option per pool, read from music/<name>.ini.
#pragma once
#include <string>

// Section numbers, which index the song tables.
constexpr int kDrumsSection = 0;
constexpr int kChordsSection = 1;
constexpr int kBassSection = 2;
constexpr int kMelodySection = 3;
constexpr int kAccompanySection = 4;

// At most this many pattern lines are kept per section.
constexpr int kMaxSongLines = 998;

// Line n (from 1) of section s is entry s * 1000 + n.
extern std::string SongLines[5000];
// Lines stored per section.
extern int SongLineCount[5];
// Per section: -1 stretched once (no stretch line), 0 as written ("FALSE"),
// 1 maybe once ("RANDOM"), 2 as written, once or twice ("RANDOM+"),
// -2 always twice ("DOUBLE").
extern int StretchMode[5];

// Reads music/<name>.ini from the current folder into the song tables. Returns
// false, changing nothing, when the file is not there.
bool ReadSongFile(const std::string& name);

// Pitch ratio of a one-character note text (letters in either case), 0 for a
// rest, any other character or any text that is not one character long.
float NoteRatio(const std::string& text);
// The same for one character.
float NoteRatio(char c);
