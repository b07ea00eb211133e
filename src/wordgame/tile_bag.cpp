#include "wordgame/tile_bag.h"

#include "platform/system.h"
#include "wordgame/game_layout.h"

int LetterValue[30], LetterCount[30];
int TileBag[200];
int TilesLeft = 0;
int RackLetter[20], RackSlot[20], RackX[20], RackY[20];
double RackTargetX[20], RackTargetY[20];
int BoardBonus[20], BoardTile[20];
int PlayedTiles[30];

namespace {
constexpr int kBagCapacity = 199;  // entries 1..199 of TileBag

bool ValidRackIndex(int i) { return i >= 1 && i <= kRackTiles; }
bool ValidSlot(int s) { return s >= 1 && s <= kBoardSlots; }

void SendHome(int i) {
    RackTargetX[i] = RackHomeX(i);
    RackTargetY[i] = RackHomeY();
}
}  // namespace

void FillLetterTables() {
    //                      A  B  C  D  E   F  G  H  I  J  K  L  M  N  O  P  Q   R  S  T  U  V  W  X  Y  Z   blank
    static const int value[28] = {0, 1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};
    static const int count[28] = {0, 9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1, 2};
    for (int letter = 1; letter <= 27; ++letter) {
        LetterValue[letter] = value[letter];
        LetterCount[letter] = count[letter];
    }
}

void SetBonusLayout() {
    static const int layout[14] = {0, 5, 1, 3, 1, 2, 1, 4, 1, 2, 1, 3, 1, 5};
    for (int s = 1; s <= kBoardSlots; ++s) BoardBonus[s] = layout[s];
}

void ClearBoard() {
    for (int s = 0; s < 20; ++s) BoardTile[s] = 0;
}

void FillTileBag() {
    int n = 0;
    for (int letter = 1; letter <= 27; ++letter)
        for (int k = 0; k < LetterCount[letter] && n < kBagCapacity; ++k) TileBag[++n] = letter;
    TilesLeft = n;
    for (int& played : PlayedTiles) played = 0;
    ShuffleTileBag();
}

void ShuffleTileBag() {
    for (int i = 1; i <= TilesLeft; ++i) {
        int j = platform::Rand(1, i);
        int t = TileBag[i];
        TileBag[i] = TileBag[j];
        TileBag[j] = t;
    }
}

int DrawTile() {
    if (TilesLeft <= 0) return kNoTile;
    return TileBag[TilesLeft--];
}

void ReturnTile(int letter) {
    // Only real tiles go back, and never past the end of the bag.
    if (letter < 1 || letter > kBlankLetter || TilesLeft >= kBagCapacity) return;
    TileBag[++TilesLeft] = letter;
}

void DealRack() {
    for (int i = 1; i <= kRackTiles; ++i) {
        RackSlot[i] = 0;
        RackLetter[i] = DrawTile();
        SendHome(i);
        RackX[i] = RackHomeX(i);
        RackY[i] = RackHomeY();
    }
}

void LiftTile(int i) {
    if (!ValidRackIndex(i) || RackSlot[i] == 0) return;
    if (ValidSlot(RackSlot[i]) && BoardTile[RackSlot[i]] == i) BoardTile[RackSlot[i]] = 0;
    RackSlot[i] = 0;
}

bool PlaceTile(int i, int s) {
    if (!ValidRackIndex(i) || !ValidSlot(s) || RackLetter[i] < 1) return false;
    if (BoardTile[s] != 0) return false;
    // A tile lies on one slot only: moving it frees the slot it came from.
    LiftTile(i);
    BoardTile[s] = i;
    RackSlot[i] = s;
    RackTargetX[i] = SlotX(s);
    RackTargetY[i] = SlotY();
    return true;
}

void RefillUsedTiles() {
    for (int i = 1; i <= kRackTiles; ++i) {
        if (RackSlot[i] == 0) continue;
        RackSlot[i] = 0;
        SendHome(i);
        if (RackLetter[i] >= 1 && RackLetter[i] <= kBlankLetter) ++PlayedTiles[RackLetter[i]];
        RackLetter[i] = DrawTile();
    }
    ClearBoard();
}

int RackTileCount() {
    int count = 0;
    for (int i = 1; i <= kRackTiles; ++i)
        if (RackLetter[i] >= 0) ++count;
    return count;
}

std::string BrokenTileRule() {
    if (TilesLeft < 0 || TilesLeft > 100) return "bag count " + std::to_string(TilesLeft);
    for (int i = 1; i <= kRackTiles; ++i) {
        int letter = RackLetter[i], s = RackSlot[i];
        if (letter != kNoTile && (letter < 1 || letter > kBlankLetter))
            return "rack " + std::to_string(i) + " holds letter " + std::to_string(letter);
        if (s < 0 || s > kBoardSlots) return "rack " + std::to_string(i) + " on slot " + std::to_string(s);
        if (s != 0 && letter == kNoTile) return "empty rack position " + std::to_string(i) + " on the board";
        if (s != 0 && BoardTile[s] != i) return "rack " + std::to_string(i) + " not on its slot";
    }
    for (int s = 1; s <= kBoardSlots; ++s) {
        int i = BoardTile[s];
        if (i < 0 || i > kRackTiles) return "slot " + std::to_string(s) + " holds rack " + std::to_string(i);
        if (i != 0 && RackSlot[i] != s) return "slot " + std::to_string(s) + " and rack " + std::to_string(i) + " disagree";
    }
    int seen[30] = {};
    for (int n = 1; n <= TilesLeft; ++n) {
        if (TileBag[n] < 1 || TileBag[n] > kBlankLetter) return "bag entry " + std::to_string(n) + " is no letter";
        ++seen[TileBag[n]];
    }
    for (int i = 1; i <= kRackTiles; ++i)
        if (RackLetter[i] != kNoTile) ++seen[RackLetter[i]];
    for (int letter = 1; letter <= kBlankLetter; ++letter)
        if (seen[letter] + PlayedTiles[letter] != LetterCount[letter])
            return "letter " + std::to_string(letter) + " counted " + std::to_string(seen[letter] + PlayedTiles[letter]);
    return "";
}
