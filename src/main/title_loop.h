// One frame of the title screen, with the state the loop keeps between frames.
#pragma once

struct TitleState {
    int slide = 0;         // 0..32: every moving element is placed by it
    int startPressed = 0;  // button 1 was down at the end of the previous frame
    int startHeld = 0;     // set when a game ends; no game starts until button 1 is up
    int escapeHeld = 0;    // set when a game ends; Escape does not leave until it is up
    int quit = 0;
};

void TitleFrame(TitleState& t);
