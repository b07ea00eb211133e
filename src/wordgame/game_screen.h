// The screen on which one game is played, from the deal to "Game Over".
#pragma once

// Returns after the game's score record is stored.
void PlayGame();
