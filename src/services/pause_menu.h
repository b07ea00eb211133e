// The pause menu: a spinning picture of the frozen game with Continue and Quit.
#pragma once

// Returns 1 for "Continue", 99 for "Quit".
int PauseMenu();
