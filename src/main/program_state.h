// Program identity and the program-wide state that every screen reads.
#pragma once
#include <cstdint>
#include <string>

extern const std::string GameName;      // "Wordloom"
extern const std::string GameSubtitle;  // empty
extern const int WeekNumber;            // 250, also the name of the game folder
extern std::string AppTitleText;        // "#250 : Wordloom " (window title)
extern std::string Credits[100];        // used from 1
extern int CreditCount;                 // next free entry (17 once filled)

// The game folder inside Files/, as a relative path: "250/".
std::string GameFolder();

extern int GameState;  // 0 title, 1 game running, 2 pause menu
extern int64_t GameStartTime;
extern int MouseMode;  // always 1 in this game
extern int CurrentGameMode, CurrentLevel, CurrentGameFlags;
extern int BadgeCount;  // 16

// Sets the identity constants, the window title text and the credit lines.
void SetIdentity();
