#include "wordgame/tile_bag.h"

int LetterValue[30], LetterCount[30];
int TileBag[200];
int TilesLeft = 0;
int RackLetter[20], RackSlot[20], RackX[20], RackY[20];
double RackTargetX[20], RackTargetY[20];
int BoardBonus[20], BoardTile[20];

void FillLetterTables() {
    //                      A  B  C  D  E   F  G  H  I  J  K  L  M  N  O  P  Q   R  S  T  U  V  W  X  Y  Z   blank
    static const int value[28] = {0, 1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10, 0};
    static const int count[28] = {0, 9, 2, 2, 4, 12, 2, 3, 2, 9, 1, 1, 4, 2, 6, 8, 2, 1, 6, 4, 6, 4, 2, 2, 1, 2, 1, 2};
    for (int letter = 1; letter <= 27; ++letter) {
        LetterValue[letter] = value[letter];
        LetterCount[letter] = count[letter];
    }
}
