// The numbered sound effects and the ring of channels they play on.
#pragma once

// Audio channel handles: 0..19 music voices, 20..255 the sound-effect ring,
// 256 the start-up jingle.
extern int Channels[260];
// Sounds of the effects 1..200 (0 = not loaded).
extern int SoundEffects[201];
// The ring entry used last (starts at 20).
extern int SfxSlot;

// Plays effect n at rate (1 = as recorded), volume 0..1 and pan -1..1.
void PlaySfx(int n, double rate, double volume, double pan);
