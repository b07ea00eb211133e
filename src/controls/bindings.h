// Control codes, the binding table and the joystick state of up to four ports.
// A control code is 0 (none), 1..255 (a key by Windows virtual-key code), or
// 300 + 50 * (port - 1) + part for joystick port 1..4.
#pragma once
#include <string>

extern int ControlKeys[101];  // entry (player - 1) * 20 + control

extern int JoyPorts;  // joysticks in use, at most 4
extern std::string JoyNames[5];
extern int JoyButtonCaps[5];
extern double JoyRestX[5], JoyRestY[5], JoyRestZ[5], JoyRestU[5], JoyRestV[5], JoyRestR[5];
extern int JoyHatCentred[5];
extern int JoyEnabled[5];

// Default bindings of player 1 (arrows, Z X C V).
void SetControlDefaults();
// Reads the joysticks the platform reports, with their rest readings.
void SurveyJoysticks();

int ControlDown(int code);
int PlayerControlDown(int control, int player);
int CaptureControl();
