// Start-up and the title screen from which the player starts games.
#pragma once

// The program's entry. Does not return: the program ends in the closing screen.
[[noreturn]] void StartUp();
// The title screen loop; leaves through the closing screen.
[[noreturn]] void TitleLoop();
