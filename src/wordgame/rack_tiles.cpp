#include "wordgame/rack_tiles.h"

#include "frame/draw_helpers.h"
#include "platform/input.h"
#include "services/display_setup.h"
#include "services/sound_effects.h"
#include "wordgame/game_layout.h"
#include "wordgame/tile_bag.h"

int DraggedTile = 0;
int HoverSlot = 0;

namespace {
// A third of the remaining distance each frame; the last few pixels in one step.
int Glide(int position, double target) {
    int moved = static_cast<int>(position - (position - target) / 3);
    double left = moved - target;
    if (left < 0) left = -left;
    return left < 8 ? static_cast<int>(target) : moved;
}

void SendHome(int i) {
    RackTargetX[i] = RackHomeX(i);
    RackTargetY[i] = RackHomeY();
}
}  // namespace

void UpdateRackTile(int i) {
    // A position that lost its tile can no longer be held by the pointer.
    if (DraggedTile == i && RackLetter[i] < 0) DraggedTile = 0;
    if (RackSlot[i] != 0) {
        // Follows its slot, also when the drawing surface changed size mid-game.
        RackTargetX[i] = SlotX(RackSlot[i]);
        RackTargetY[i] = SlotY();
    } else if (i != DraggedTile) {
        SendHome(i);
    }
    if (RackLetter[i] < 0) return;

    RackX[i] = Glide(RackX[i], RackTargetX[i]);
    RackY[i] = Glide(RackY[i], RackTargetY[i]);
    DrawCountedImage(GfxImage, RackX[i], RackY[i], RackLetter[i] - 1, 1);

    bool button = platform::MouseDown(1);
    bool touched = MouseWasIn(RackX[i], RackY[i], kTileSize, kTileSize) || i == DraggedTile;
    if (touched && button && (DraggedTile == 0 || DraggedTile == i)) {
        if (DraggedTile == 0) PlaySfx(3, 1, 1, 0);
        DraggedTile = i;
        LiftTile(i);
        // The tile's centre follows the pointer.
        RackTargetX[i] = MouseX - kTileSize / 2;
        RackTargetY[i] = MouseY - kTileSize / 2;
    }
    if (!button && DraggedTile == i) {
        DraggedTile = 0;
        if (HoverSlot > 0) {
            PlaySfx(2, 1, 1, 0);
            // On a taken slot the tile stays off the board and goes home next frame.
            PlaceTile(i, HoverSlot);
        } else {
            PlaySfx(4, 1, 1, 0);
            SendHome(i);
        }
    }
}
