#include "controls/bindings.h"

#include <algorithm>

#include "platform/input.h"

int ControlKeys[101];

int JoyPorts = 0;
std::string JoyNames[5];
int JoyButtonCaps[5];
double JoyRestX[5], JoyRestY[5], JoyRestZ[5], JoyRestU[5], JoyRestV[5], JoyRestR[5];
int JoyHatCentred[5];
int JoyEnabled[5];

namespace {

// How far an axis must move from its rest reading to count as pushed.
constexpr double kAxisThreshold = 0.3;

// Platform axis numbers.
enum { kAxisX = 0, kAxisY = 1, kAxisZ = 2, kAxisR = 3, kAxisU = 4, kAxisV = 5 };

// Parts 0..11 pair up as (minus, plus) per axis in the order Y, X, Z, U, V, R.
bool AxisPartDown(int port, int part) {
    static const int axisOfPair[6] = {kAxisY, kAxisX, kAxisZ, kAxisU, kAxisV, kAxisR};
    static double* const restOfPair[6] = {JoyRestY, JoyRestX, JoyRestZ, JoyRestU, JoyRestV, JoyRestR};
    const int pair = part / 2;
    const double value = platform::JoyAxis(port - 1, axisOfPair[pair]);
    const double rest = restOfPair[pair][port];
    if (part % 2 == 0) return value < rest - kAxisThreshold;
    return value > rest + kAxisThreshold;
}

// The hat windows overlap so that a diagonal counts for both neighbours.
bool HatPartDown(int port, int part) {
    if (JoyHatCentred[port] != 1) return false;
    const double h = platform::JoyHat(port - 1);
    switch (part) {
        case 20: return h >= 0 && (h < 0.2 || h > 0.8);
        case 25: return h > 0.1 && h < 0.4;
        case 28: return h > 0.3 && h < 0.7;
        case 23: return h > 0.6 && h < 0.9;
        default: return false;
    }
}

// Key codes 1..3 stand for the mouse buttons (left, right, middle), which the
// platform keeps apart from the keys; the capture must see a click as input.
bool KeyHeld(int code) {
    if (code >= 1 && code <= 3) return platform::KeyDown(code) || platform::MouseDown(code);
    return platform::KeyDown(code);
}

}  // namespace

void SetControlDefaults() {
    std::fill(std::begin(ControlKeys), std::end(ControlKeys), 0);
    ControlKeys[0] = 38;   // up: Up arrow
    ControlKeys[3] = 37;   // left: Left arrow
    ControlKeys[5] = 39;   // right: Right arrow
    ControlKeys[8] = 40;   // down: Down arrow
    ControlKeys[10] = 90;  // button 1 (start): Z
    ControlKeys[11] = 88;  // button 2: X
    ControlKeys[12] = 67;  // button 3: C
    ControlKeys[13] = 86;  // button 4: V
}

void SurveyJoysticks() {
    // A fresh survey forgets every port first, so a port that is gone reads as absent.
    for (int p = 0; p < 5; ++p) {
        JoyNames[p].clear();
        JoyButtonCaps[p] = 0;
        JoyRestX[p] = JoyRestY[p] = JoyRestZ[p] = JoyRestU[p] = JoyRestV[p] = JoyRestR[p] = 0;
        JoyHatCentred[p] = 0;
        JoyEnabled[p] = 0;
    }
    JoyPorts = std::clamp(platform::JoyCount(), 0, 4);
    for (int p = 1; p <= JoyPorts; ++p) {
        const int joy = p - 1;  // the platform numbers joysticks from 0
        JoyButtonCaps[p] = platform::JoyButtonCaps(joy);
        JoyNames[p] = platform::JoyName(joy);
        // Whatever the sticks read now is their neutral position.
        JoyRestX[p] = platform::JoyAxis(joy, kAxisX);
        JoyRestY[p] = platform::JoyAxis(joy, kAxisY);
        JoyRestZ[p] = platform::JoyAxis(joy, kAxisZ);
        JoyRestU[p] = platform::JoyAxis(joy, kAxisU);
        JoyRestV[p] = platform::JoyAxis(joy, kAxisV);
        JoyRestR[p] = platform::JoyAxis(joy, kAxisR);
        JoyEnabled[p] = 1;
        // Only a hat that reads exactly centred now can be trusted later.
        JoyHatCentred[p] = platform::JoyHat(joy) == -1.0 ? 1 : 0;
    }
}

int ControlDown(int code) {
    // Keys below 10 (mouse buttons, Backspace, Tab) and 255 never count as held.
    if (code >= 10 && code <= 254 && platform::KeyDown(code)) return 1;
    if (code < 300) return 0;
    const int port = code / 50 - 5;
    const int part = code % 50;
    // Codes of 500 and more name no port.
    if (port < 1 || port > 4 || port > JoyPorts || JoyEnabled[port] == 0) return 0;
    if (part <= 11) return AxisPartDown(port, part) ? 1 : 0;
    if (part >= 20 && part <= 28) return HatPartDown(port, part) ? 1 : 0;
    if (part >= 30) return platform::JoyButtonDown(port - 1, part - 30) ? 1 : 0;
    return 0;
}

int PlayerControlDown(int control, int player) {
    // Worked out in 64 bits so that no player or control number can overflow.
    const long long entry = (static_cast<long long>(player) - 1) * 20 + control;
    if (entry < 0 || entry > 100) return 0;
    return ControlDown(ControlKeys[entry]);
}

int CaptureControl() {
    // F11 and F12 take the screenshot and switch the statistics overlay.
    if (platform::KeyDown(122) || platform::KeyDown(123)) return 0;
    for (int code = 1; code <= 255; ++code)
        if (KeyHeld(code)) return code;
    for (int port = 1; port <= JoyPorts; ++port) {
        if (JoyEnabled[port] != 1) continue;
        const int base = 300 + 50 * (port - 1);
        for (int part = 0; part <= 11; ++part)
            if (AxisPartDown(port, part)) return base + part;
        // Only the four straight hat positions are captured, never a diagonal.
        if (JoyHatCentred[port] == 1) {
            const double h = platform::JoyHat(port - 1);
            if (h == 0.0) return base + 20;
            if (h == 0.25) return base + 25;
            if (h == 0.5) return base + 28;
            if (h == 0.75) return base + 23;
        }
        // Buttons from 19 up are never captured, so the scan stops there.
        const int buttons = std::min(JoyButtonCaps[port], 19);
        for (int k = 0; k < buttons; ++k)
            if (platform::JoyButtonDown(port - 1, k)) return base + 30 + k;
    }
    return 0;
}
