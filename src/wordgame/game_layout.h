// Where the game screen puts things: board slots, rack homes, the two bands that
// play a word, the swap and quit buttons. Everything follows the virtual surface
// (ScreenWidth x ScreenHeight), so the rack and the board stay centred on both
// 4:3 and wide surfaces.
#pragma once

constexpr int kTileSize = 96;  // tiles, slots, rack backdrop cells and buttons

// Top-left corner of board slot s (1..13).
int SlotX(int s);
int SlotY();
// Home of rack tile i (1..9) in the rack.
int RackHomeX(int i);
int RackHomeY();
// The bands above and below the board that play a word when clicked. Heights are
// real for drawing and truncated for hit tests.
double UpperBandHeight();
double LowerBandHeight();
int LowerBandY();
// Hit tests of the bands on this frame's pointer.
bool MouseInBand();
// The tenth rack place holds the swap button, rack place zero the quit button.
int SwapButtonX();
int QuitButtonX();
int ButtonY();
