// The music sample set: two drum kits and the numbered bass, lead and
// accompaniment instruments that songs are assembled from.
#pragma once

// Sound handles by slot: 1..8 drum kit A, 11..18 drum kit B, 21..28 bass,
// 31..38 lead, 41..48 accompaniment; 0 where nothing is loaded.
extern int MusicSamples[50];
// Entry 1 bass, 2 lead, 3 accompaniment: the highest instrument number found
// (0 when the family has no file). Entries 0 and 4 are not used.
extern int InstrumentCount[5];

// Loads music/d1-N.wav, music/d2-N.wav and, where they exist, music/bassN.wav,
// music/leadN.wav and music/accompanyN.wav for N = 1..8 from the current folder.
void LoadMusicSamples();
