#include "wordgame/game_layout.h"

#include "frame/draw_helpers.h"
#include "services/display_setup.h"

int SlotX(int s) { return ScreenWidth / 2 - 624 + (s - 1) * kTileSize; }
int SlotY() { return static_cast<int>(ScreenHeight * 0.3); }

int RackHomeX(int i) { return ScreenWidth / 2 - 450 + (i - 1) * 100; }
int RackHomeY() { return ScreenHeight - 204; }

double UpperBandHeight() { return ScreenHeight * 0.28; }
double LowerBandHeight() { return ScreenHeight * 0.15; }
int LowerBandY() { return ScreenHeight / 2; }

bool MouseInBand() {
    return MouseIn(0, 0, ScreenWidth, static_cast<int>(UpperBandHeight())) ||
           MouseIn(0, LowerBandY(), ScreenWidth, static_cast<int>(LowerBandHeight()));
}

int SwapButtonX() { return ScreenWidth / 2 + 450; }
int QuitButtonX() { return ScreenWidth / 2 - 550; }
int ButtonY() { return ScreenHeight - 204; }
