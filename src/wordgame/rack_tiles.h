// The rack tiles on the game screen: each glides towards where it belongs, is
// drawn, and can be picked up with the left button, dragged, and dropped on a
// board slot or back into the rack.
#pragma once

// Rack index of the tile being dragged, 0 when none.
extern int DraggedTile;
// Board slot under the pointer this frame, 0 when none.
extern int HoverSlot;

// One frame of rack tile i (1..9): target, glide, drawing, pick-up and drop.
void UpdateRackTile(int i);
