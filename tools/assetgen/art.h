// The generators of every picture and sound the game loads; each writes its files
// into the given folder and returns false if a file could not be written.
#pragma once

#include <string>

#include "canvas.h"

// Game folder (250/).
bool MakeGfxSheet(const std::string& dir);      // gfx.png: tiles, slots, rack
bool MakeGameButtons(const std::string& dir);   // star.png, swap.png, x.png
bool MakeBadgeSheet(const std::string& dir);    // badges.png
bool MakeEffects(const std::string& dir);       // 001.wav .. 007.wav
bool MakeMusicSamples(const std::string& dir);  // music/*.wav
// Common folder.
bool MakeIconSheet(const std::string& dir);     // icons.png
bool MakeLogos(const std::string& dir);         // logo.png, Velloc.png
bool MakeJingle(const std::string& dir);        // badgeget.wav

// One letter tile of the given size (used by the tile sheet and the logo).
Canvas LetterTile(int size, const std::string& letter, int value);
// Smooth repeatable value noise in 0..1 over the plane.
double ValueNoise(double x, double y, unsigned seed);
