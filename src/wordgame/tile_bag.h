// The tiles of a game: letter values and counts, the bag, the rack of nine and
// the thirteen board slots. Letters are 1..26 for A..Z and 27 for the blank.
#pragma once

extern int LetterValue[30], LetterCount[30];
extern int TileBag[200];
extern int TilesLeft;
extern int RackLetter[20], RackSlot[20], RackX[20], RackY[20];
extern double RackTargetX[20], RackTargetY[20];
extern int BoardBonus[20], BoardTile[20];

// Fills LetterValue and LetterCount (100 tiles in all).
void FillLetterTables();
