// Polled input: keys by Windows virtual-key code, typed characters, the mouse on
// the virtual surface, the window system's close request, and joysticks.
#pragma once
#include <string>

namespace platform {

// Reads pending events into the key, mouse and character state. Called by Flip
// and Delay; callers that poll in a loop may call it directly.
void PollEvents();

// Virtual-key codes used by the game.
enum Keys {
    kKeyBackspace = 8, kKeyTab = 9, kKeyReturn = 13, kKeyEscape = 27, kKeySpace = 32,
    kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40,
    kKeyF4 = 115, kKeyF11 = 122, kKeyF12 = 123, kKeyLAlt = 164, kKeyRAlt = 165
};

// Number of presses of the key since the last KeyHit of it (clears the count).
int KeyHit(int code);
bool KeyDown(int code);
// Next typed character (Latin-1 code, 1..255), 0 when the queue is empty.
int GetChar();
// Clears hit counts and the character queue.
void FlushKeys();

// Mouse position on the virtual surface.
double MouseX();
double MouseY();
void MoveMouse(double x, double y);
// Buttons: 1 left, 2 right, 3 middle.
int MouseHit(int button);
bool MouseDown(int button);
void FlushMouse();

// True once the window system asked the program to close (stays true).
bool AppTerminate();
void ClearAppTerminate();

// Joysticks, numbered from 0.
int JoyCount();
std::string JoyName(int port);
// Button capability mask: 2^buttons - 1.
int JoyButtonCaps(int port);
// Axis 0..5 = X, Y, Z, R, U, V in -1..1.
double JoyAxis(int port, int axis);
// Hat: -1 centred, else 0 up, 0.125 up-right, 0.25 right ... clockwise.
double JoyHat(int port);
bool JoyButtonDown(int port, int button);

}  // namespace platform
