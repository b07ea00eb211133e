// The tiles of a game: letter values and counts, the bag, the rack of nine and
// the thirteen board slots. Letters are 1..26 for A..Z and 27 for the blank.
//
// The rules that always hold: a slot holds at most one tile and a tile lies on at
// most one slot (BoardTile[s] = i exactly when RackSlot[i] = s); a rack position
// without a tile (letter -1) never lies on a slot; every one of the 100 tiles is
// in the bag, on the rack or among the played tiles.
#pragma once
#include <string>

constexpr int kRackTiles = 9;
constexpr int kBoardSlots = 13;
constexpr int kBlankLetter = 27;
constexpr int kNoTile = -1;

extern int LetterValue[30], LetterCount[30];
extern int TileBag[200];
extern int TilesLeft;
extern int RackLetter[20], RackSlot[20], RackX[20], RackY[20];
extern double RackTargetX[20], RackTargetY[20];
extern int BoardBonus[20], BoardTile[20];
// Tiles of each letter used up by played words in this game.
extern int PlayedTiles[30];

// Fills LetterValue and LetterCount (100 tiles in all).
void FillLetterTables();

// Bonus kinds of the slots: 1 plain, 2 double letter, 3 triple letter, 4 double
// word, 5 triple word; symmetric, triple word at both ends.
void SetBonusLayout();
// No tile on any slot.
void ClearBoard();

// The bag in letter order (nine A first, two blanks last), then shuffled.
void FillTileBag();
void ShuffleTileBag();
// Takes the top tile of the bag; -1 when the bag is empty.
int DrawTile();
// Puts a tile back on top of the bag.
void ReturnTile(int letter);
// Nine tiles from the bag into the rack, each at its home.
void DealRack();
// Takes rack tile i off its slot, if it lies on one.
void LiftTile(int i);
// Lays rack tile i on slot s when the slot is empty; false when it is taken.
bool PlaceTile(int i, int s);
// Replaces every tile on the board by a new one from the bag and clears the
// board: the new tile starts where the used one lay and glides home.
void RefillUsedTiles();

// Number of rack positions holding a tile.
int RackTileCount();
// Empty when every rule above holds, else a description of the first one broken.
std::string BrokenTileRule();
