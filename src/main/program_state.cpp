#include "main/program_state.h"

const std::string GameName = "Wordloom";
const std::string GameSubtitle = "";
const int WeekNumber = 250;
std::string AppTitleText;
std::string Credits[100];
int CreditCount = 1;

int GameState = 0;
int64_t GameStartTime = 0;
int MouseMode = 1;
int CurrentGameMode = 0, CurrentLevel = 0, CurrentGameFlags = 0;
int BadgeCount = 16;

std::string GameFolder() {
    std::string number = "000" + std::to_string(WeekNumber);
    return number.substr(number.size() - 3) + "/";
}

void SetIdentity() {
    AppTitleText = "#" + std::to_string(WeekNumber) + " : " + GameName + " " + GameSubtitle;
    static const char* const lines[] = {
        "A Game by Marrowby",
        "velloc.example | marrowby.example",
        "",
        "Game",
        "Made with Torvane",
        "using Marrowby's Framework",
        "",
        "Graphics",
        "Font : SVBasicManual by Pell Ostrander",
        "Font : Blue Highway by Harrow Type",
        "Font : Acknowledge TT by Nils Caraway",
        "All other graphics by Marrowby",
        "",
        "Sound",
        "Title Music by Marrowby",
        "Sound Effects by Marrowby",
    };
    CreditCount = 1;
    for (const char* line : lines) Credits[CreditCount++] = line;
}
