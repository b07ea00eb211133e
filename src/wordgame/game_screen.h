// The screen on which one game is played, from the deal to "Game Over".
#pragma once
#include <functional>

// Plays one game; returns after the game's score record is stored.
void PlayGame();

// The parts of PlayGame's loop: the deal with the start values of a game, and one
// frame of play (input, rules, drawing, EndFrame). The benchmark runs frames alone.
void StartGame();
void GameFrame();

// Called right after the deal of every game (nothing by default): lets a test lay
// out the bag and the rack it needs.
void SetGameStartHook(std::function<void()> hook);
