// The short screen after each game on which the player confirms or edits the
// name stored with the score.
#pragma once

// Runs until Enter, Escape or a click confirms; the name is left in PlayerName.
void EnterName();
