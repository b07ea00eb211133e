#include "controls/key_names.h"

#include <array>

namespace {

// Names of the keys by Windows virtual-key code; an empty entry means the code
// has no key name and is named like a joystick part instead. The punctuation
// follows a United Kingdom keyboard.
std::array<const char*, 256> BuildKeyTable() {
    std::array<const char*, 256> t{};
    t[1] = "Left Mousebutton";
    t[2] = "Right Mousebutton";
    t[3] = "Middle Mousebutton";
    t[8] = "Backspace";
    t[9] = "Tab";
    t[12] = "Clear";
    t[13] = "Return";
    t[19] = "Pause";
    t[20] = "CapsLock";
    t[27] = "Escape";
    static const char* const block32[] = {"Space", "Page Up", "Page Down", "End", "Home",
                                          "Left", "Up", "Right", "Down", "Select", "Print",
                                          "Execute", "Screen", "Insert", "Delete", "Help"};
    for (int i = 0; i < 16; ++i) t[32 + i] = block32[i];
    static const char* const digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 10; ++i) {
        t[48 + i] = digits[i];
        t[96 + i] = digits[i];  // the numeric keypad shows the same digits
    }
    static const char* const letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                          "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                          "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (int i = 0; i < 26; ++i) t[65 + i] = letters[i];
    t[91] = "Sys Left";
    t[92] = "Sys Right";
    t[106] = "*";
    t[107] = "+";
    t[109] = "-";
    t[110] = ".";
    t[111] = "/";
    static const char* const functionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                               "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i) t[112 + i] = functionKeys[i];
    t[144] = "NumLock";
    t[145] = "ScrollLock";
    static const char* const modifiers[] = {"LShift", "RShift", "LControl", "RControl", "LAlt", "RAlt"};
    for (int i = 0; i < 6; ++i) t[160 + i] = modifiers[i];
    t[173] = "Mute";
    t[174] = "Volume Down";
    t[175] = "Volume Up";
    static const char* const punctuation[] = {";", "=", ",", "-", ".", "/", "'"};
    for (int i = 0; i < 7; ++i) t[186 + i] = punctuation[i];
    t[219] = "[";
    t[220] = "\\";
    t[221] = "]";
    t[222] = "#";
    t[223] = "`";
    t[226] = "\\";
    return t;
}

const std::array<const char*, 256> KeyTable = BuildKeyTable();

}  // namespace

std::string KeyName(int code) {
    // Code 0 is "no binding"; the part rule would call it "Y-", which would send
    // the player looking for a joystick that is not bound.
    if (code == 0) return "None";
    if (code > 0 && code < 256 && KeyTable[code]) return KeyTable[code];
    const int part = code % 50;
    switch (part) {
        case 0: return "Y-";
        case 1: return "Y+";
        case 2: return "X-";
        case 3: return "X+";
        case 4: return "Z-";
        case 5: return "Z+";
        case 6: return "U-";
        case 7: return "U+";
        case 8: return "V-";
        case 9: return "V+";
        case 10: return "R-";
        case 11: return "R+";
        case 20: return "Up";
        case 23: return "Left";
        case 25: return "Right";
        case 28: return "Down";
        default: return std::to_string(part - 30);  // button number from 0
    }
}
