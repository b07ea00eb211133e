// The bag, the rack and the board on their own: drawing and returning tiles, the
// deal, laying and lifting tiles, and the refill after a word.
#include <gtest/gtest.h>

#include "platform/system.h"
#include "platform/testing.h"
#include "services/display_setup.h"
#include "wordgame/game_layout.h"
#include "wordgame/tile_bag.h"

namespace {

class TileBagTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::EnableTestMode();
        ScreenWidth = 1280;
        ScreenHeight = 960;
        FillLetterTables();
        SetBonusLayout();
        ClearBoard();
        platform::SeedRnd(7);
        FillTileBag();
        DealRack();
    }
};

TEST_F(TileBagTest, TheBagHoldsTheHundredTilesOfTheLetterTable) {
    // A fresh deal leaves 91 in the bag; with the rack that is every tile once.
    EXPECT_EQ(TilesLeft, 91);
    EXPECT_EQ(RackTileCount(), 9);
    EXPECT_EQ(BrokenTileRule(), "");
    int tiles = 0, points = 0;
    for (int letter = 1; letter <= 27; ++letter) {
        tiles += LetterCount[letter];
        points += LetterCount[letter] * LetterValue[letter];
    }
    EXPECT_EQ(tiles, 100);
    EXPECT_EQ(points, 187);
    EXPECT_EQ(LetterValue[17], 10);  // Q
    EXPECT_EQ(LetterCount[5], 12);   // E
    EXPECT_EQ(LetterValue[27], 0);   // blank
    EXPECT_EQ(LetterCount[27], 2);
    const int layout[14] = {0, 5, 1, 3, 1, 2, 1, 4, 1, 2, 1, 3, 1, 5};
    for (int s = 1; s <= 13; ++s) EXPECT_EQ(BoardBonus[s], layout[s]) << s;
}

TEST_F(TileBagTest, TilesLeaveFromTheTopAndTheEmptyBagGivesNone) {
    TilesLeft = 0;
    ReturnTile(3);
    ReturnTile(26);
    EXPECT_EQ(DrawTile(), 26);
    EXPECT_EQ(DrawTile(), 3);
    EXPECT_EQ(DrawTile(), kNoTile);
    EXPECT_EQ(TilesLeft, 0);
    // Nothing but a letter goes back.
    ReturnTile(kNoTile);
    ReturnTile(0);
    ReturnTile(28);
    EXPECT_EQ(TilesLeft, 0);
    // Shuffling one tile or none changes nothing.
    ShuffleTileBag();
    EXPECT_EQ(TilesLeft, 0);
    ReturnTile(9);
    ShuffleTileBag();
    EXPECT_EQ(TilesLeft, 1);
    EXPECT_EQ(TileBag[1], 9);
}

TEST_F(TileBagTest, TheDealStartsWithAnEmptyBoardWhateverCameBefore) {
    PlaceTile(1, 4);
    BoardTile[9] = 3;  // left over from an earlier game
    ClearBoard();
    FillTileBag();
    DealRack();
    for (int s = 1; s <= 13; ++s) EXPECT_EQ(BoardTile[s], 0);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(RackSlot[i], 0);
        EXPECT_EQ(RackX[i], 190 + (i - 1) * 100);
        EXPECT_EQ(RackY[i], 756);
        EXPECT_EQ(RackTargetX[i], RackX[i]);
    }
}

TEST_F(TileBagTest, ASlotHoldsOneTileAndLiftingFreesIt) {
    EXPECT_TRUE(PlaceTile(1, 4));
    EXPECT_EQ(RackTargetX[1], SlotX(4));
    EXPECT_EQ(RackTargetY[1], SlotY());
    EXPECT_FALSE(PlaceTile(2, 4));
    EXPECT_EQ(BoardTile[4], 1);
    EXPECT_EQ(RackSlot[2], 0);
    // Moving a tile to another slot frees the first.
    EXPECT_TRUE(PlaceTile(1, 6));
    EXPECT_EQ(BoardTile[4], 0);
    EXPECT_TRUE(PlaceTile(2, 4));
    LiftTile(2);
    EXPECT_EQ(BoardTile[4], 0);
    EXPECT_EQ(RackSlot[2], 0);
    EXPECT_TRUE(PlaceTile(3, 4));
    // An empty rack position and indexes off the rack or the board are refused.
    int letter = RackLetter[5];
    RackLetter[5] = kNoTile;
    EXPECT_FALSE(PlaceTile(5, 1));
    EXPECT_FALSE(PlaceTile(0, 1));
    EXPECT_FALSE(PlaceTile(10, 1));
    EXPECT_FALSE(PlaceTile(4, 0));
    EXPECT_FALSE(PlaceTile(4, 14));
    LiftTile(0);
    LiftTile(12);
    RackLetter[5] = letter;
    EXPECT_EQ(BrokenTileRule(), "");
}

TEST_F(TileBagTest, RefillReplacesOnlyTheUsedTilesAndEmptiesTheBoard) {
    int kept[10];
    for (int i = 1; i <= 9; ++i) kept[i] = RackLetter[i];
    PlaceTile(2, 7);
    PlaceTile(5, 8);
    RackX[2] = SlotX(7);
    RackY[2] = SlotY();
    int top = TileBag[TilesLeft], next = TileBag[TilesLeft - 1];
    RefillUsedTiles();
    EXPECT_EQ(RackLetter[2], top);
    EXPECT_EQ(RackLetter[5], next);
    EXPECT_EQ(TilesLeft, 89);
    // The new tile starts where the used one lay and glides home.
    EXPECT_EQ(RackX[2], SlotX(7));
    EXPECT_EQ(RackTargetX[2], RackHomeX(2));
    for (int i : {1, 3, 4, 6, 7, 8, 9}) {
        EXPECT_EQ(RackLetter[i], kept[i]);
        EXPECT_EQ(RackX[i], RackHomeX(i));
    }
    for (int s = 1; s <= 13; ++s) EXPECT_EQ(BoardTile[s], 0);
    EXPECT_EQ(BrokenTileRule(), "");

    // When the bag runs dry, used positions stay empty.
    TilesLeft = 1;
    PlaceTile(1, 1);
    PlaceTile(3, 2);
    RefillUsedTiles();
    EXPECT_GE(RackLetter[1], 1);
    EXPECT_EQ(RackLetter[3], kNoTile);
    EXPECT_EQ(TilesLeft, 0);
}

TEST_F(TileBagTest, TheRuleCheckSeesDoubledSlotsAndLostTiles) {
    BoardTile[3] = 4;  // slot claims a tile that is not on it
    EXPECT_NE(BrokenTileRule(), "");
    BoardTile[3] = 0;
    RackLetter[6] = kNoTile;  // a tile vanished
    EXPECT_NE(BrokenTileRule(), "");
}

}  // namespace
