#include "platform/input.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <deque>
#include <map>
#include <vector>

#include "platform/internal.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace platform {

namespace {

int keyHits[256];
bool keyDown[256];
int mouseHits[4];
bool mouseDown[4];
double mouseX = 0, mouseY = 0;
std::deque<int> typed;
bool terminateRequested = false;

// SDL key codes to Windows virtual-key codes.
int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    switch (key) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_CLEAR: return 12;
        case SDLK_RETURN: return 13;
        case SDLK_KP_ENTER: return 13;
        case SDLK_PAUSE: return 19;
        case SDLK_CAPSLOCK: return 20;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_SELECT: return 41;
        case SDLK_PRINTSCREEN: return 44;
        case SDLK_EXECUTE: return 43;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_HELP: return 47;
        case SDLK_LGUI: return 91;
        case SDLK_RGUI: return 92;
        case SDLK_KP_0: return 96;
        case SDLK_KP_MULTIPLY: return 106;
        case SDLK_KP_PLUS: return 107;
        case SDLK_KP_MINUS: return 109;
        case SDLK_KP_PERIOD: return 110;
        case SDLK_KP_DIVIDE: return 111;
        case SDLK_NUMLOCKCLEAR: return 144;
        case SDLK_SCROLLLOCK: return 145;
        case SDLK_LSHIFT: return 160;
        case SDLK_RSHIFT: return 161;
        case SDLK_LCTRL: return 162;
        case SDLK_RCTRL: return 163;
        case SDLK_LALT: return 164;
        case SDLK_RALT: return 165;
        case SDLK_MUTE: return 173;
        case SDLK_VOLUMEDOWN: return 174;
        case SDLK_VOLUMEUP: return 175;
        case SDLK_SEMICOLON: return 186;
        case SDLK_EQUALS: return 187;
        case SDLK_COMMA: return 188;
        case SDLK_MINUS: return 189;
        case SDLK_PERIOD: return 190;
        case SDLK_SLASH: return 191;
        case SDLK_QUOTE: return 192;
        case SDLK_LEFTBRACKET: return 219;
        case SDLK_BACKSLASH: return 220;
        case SDLK_RIGHTBRACKET: return 221;
        case SDLK_HASH: return 222;
        case SDLK_BACKQUOTE: return 223;
        default: return 0;
    }
}

void PressKey(int code) {
    if (code <= 0 || code > 255) return;
    if (!keyDown[code]) ++keyHits[code];
    keyDown[code] = true;
}
void ReleaseKey(int code) {
    if (code > 0 && code <= 255) keyDown[code] = false;
}
void PressMouse(int button) {
    if (button < 1 || button > 3) return;
    ++mouseHits[button];
    mouseDown[button] = true;
}
void ReleaseMouse(int button) {
    if (button >= 1 && button <= 3) mouseDown[button] = false;
}

void QueueChar(int c) {
    // The queue is bounded: characters beyond it are dropped.
    if (c > 0 && c < 256 && typed.size() < 256) typed.push_back(c);
}

int SdlButton(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return 1;
    if (button == SDL_BUTTON_RIGHT) return 2;
    if (button == SDL_BUTTON_MIDDLE) return 3;
    return 0;
}

// UTF-8 text input to Latin-1 characters; others are dropped.
void QueueUtf8(const char* text) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        unsigned int code;
        int extra;
        if (*p < 0x80) { code = *p; extra = 0; }
        else if ((*p & 0xE0) == 0xC0) { code = *p & 0x1F; extra = 1; }
        else if ((*p & 0xF0) == 0xE0) { code = *p & 0x0F; extra = 2; }
        else if ((*p & 0xF8) == 0xF0) { code = *p & 0x07; extra = 3; }
        else { ++p; continue; }
        ++p;
        bool valid = true;
        for (int i = 0; i < extra; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) { valid = false; break; }
            code = (code << 6) | (*p & 0x3F);
        }
        if (valid && code >= 32 && code < 256 && !(code >= 127 && code < 160)) QueueChar(static_cast<int>(code));
    }
}

// Scripted input of test mode: groups of events, one group applied per poll.
struct ScriptEvent {
    enum Kind { KeyDown, KeyUp, KeyTap, Char, MouseMove, MouseDown, MouseUp, Close } kind;
    int code = 0;
    double x = 0, y = 0;
};
std::deque<std::vector<ScriptEvent>> scriptFrames(1);
std::vector<int> tapsToRelease;

std::vector<SDL_Joystick*> joysticks;
bool joysticksOpened = false;

void OpenJoysticks() {
    if (joysticksOpened) return;
    joysticksOpened = true;
    InitSystem();
    int n = SDL_NumJoysticks();
    for (int i = 0; i < n && i < 8; ++i) {
        SDL_Joystick* j = SDL_JoystickOpen(i);
        if (j) joysticks.push_back(j);
    }
}

}  // namespace

namespace detail {

void PumpSdlEvents() {
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: terminateRequested = true; break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) terminateRequested = true;
                break;
            case SDL_KEYDOWN:
                if (!e.key.repeat) PressKey(VirtualKey(e.key.keysym.sym));
                break;
            case SDL_KEYUP: ReleaseKey(VirtualKey(e.key.keysym.sym)); break;
            case SDL_TEXTINPUT: QueueUtf8(e.text.text); break;
            case SDL_MOUSEMOTION:
                // With a logical size set, SDL reports motion on the virtual surface.
                mouseX = e.motion.x;
                mouseY = e.motion.y;
                break;
            case SDL_MOUSEBUTTONDOWN:
                mouseX = e.button.x;
                mouseY = e.button.y;
                PressMouse(SdlButton(e.button.button));
                break;
            case SDL_MOUSEBUTTONUP: ReleaseMouse(SdlButton(e.button.button)); break;
            default: break;
        }
    }
}

void ApplyScriptedFrame() {
    for (int code : tapsToRelease) ReleaseKey(code);
    tapsToRelease.clear();
    if (scriptFrames.empty()) return;
    std::vector<ScriptEvent> frame = std::move(scriptFrames.front());
    scriptFrames.pop_front();
    if (scriptFrames.empty()) scriptFrames.emplace_back();
    for (const ScriptEvent& e : frame) {
        switch (e.kind) {
            case ScriptEvent::KeyDown: PressKey(e.code); break;
            case ScriptEvent::KeyUp: ReleaseKey(e.code); break;
            case ScriptEvent::KeyTap:
                PressKey(e.code);
                tapsToRelease.push_back(e.code);
                break;
            case ScriptEvent::Char: QueueChar(e.code); break;
            case ScriptEvent::MouseMove:
                mouseX = e.x;
                mouseY = e.y;
                break;
            case ScriptEvent::MouseDown: PressMouse(e.code); break;
            case ScriptEvent::MouseUp: ReleaseMouse(e.code); break;
            case ScriptEvent::Close: terminateRequested = true; break;
        }
    }
}

}  // namespace detail

void PollEvents() {
    auto& t = detail::Test();
    if (t.enabled) {
        ++t.polls;
        if (t.pollHook) t.pollHook(t.polls);
        detail::ApplyScriptedFrame();
        return;
    }
    detail::PumpSdlEvents();
}

int KeyHit(int code) {
    if (code <= 0 || code > 255) return 0;
    int n = keyHits[code];
    keyHits[code] = 0;
    return n;
}

bool KeyDown(int code) { return code > 0 && code <= 255 && keyDown[code]; }

int GetChar() {
    if (typed.empty()) return 0;
    int c = typed.front();
    typed.pop_front();
    return c;
}

void FlushKeys() {
    std::fill(std::begin(keyHits), std::end(keyHits), 0);
    typed.clear();
}

double MouseX() { return mouseX; }
double MouseY() { return mouseY; }

void MoveMouse(double x, double y) {
    mouseX = x;
    mouseY = y;
}

int MouseHit(int button) {
    if (button < 1 || button > 3) return 0;
    int n = mouseHits[button];
    mouseHits[button] = 0;
    return n;
}

bool MouseDown(int button) { return button >= 1 && button <= 3 && mouseDown[button]; }

void FlushMouse() { std::fill(std::begin(mouseHits), std::end(mouseHits), 0); }

bool AppTerminate() { return terminateRequested; }
void ClearAppTerminate() { terminateRequested = false; }

int JoyCount() {
    if (detail::Test().enabled) return static_cast<int>(detail::Test().joysticks.size());
    OpenJoysticks();
    return static_cast<int>(joysticks.size());
}

std::string JoyName(int port) {
    if (detail::Test().enabled) {
        FakeJoystick* j = FakeJoy(port);
        return j ? j->name : std::string();
    }
    OpenJoysticks();
    if (port < 0 || port >= static_cast<int>(joysticks.size())) return std::string();
    const char* name = SDL_JoystickName(joysticks[port]);
    return name ? name : "Joystick";
}

int JoyButtonCaps(int port) {
    int buttons = 0;
    if (detail::Test().enabled) {
        FakeJoystick* j = FakeJoy(port);
        buttons = j ? j->buttons : 0;
    } else {
        OpenJoysticks();
        if (port >= 0 && port < static_cast<int>(joysticks.size())) buttons = SDL_JoystickNumButtons(joysticks[port]);
    }
    buttons = std::clamp(buttons, 0, 30);
    return (1 << buttons) - 1;
}

double JoyAxis(int port, int axis) {
    if (axis < 0 || axis > 5) return 0;
    if (detail::Test().enabled) {
        FakeJoystick* j = FakeJoy(port);
        return j ? j->axes[axis] : 0;
    }
    OpenJoysticks();
    if (port < 0 || port >= static_cast<int>(joysticks.size())) return 0;
    if (axis >= SDL_JoystickNumAxes(joysticks[port])) return 0;
    double v = SDL_JoystickGetAxis(joysticks[port], axis) / 32767.0;
    return std::clamp(v, -1.0, 1.0);
}

double JoyHat(int port) {
    if (detail::Test().enabled) {
        FakeJoystick* j = FakeJoy(port);
        return j ? j->hat : -1;
    }
    OpenJoysticks();
    if (port < 0 || port >= static_cast<int>(joysticks.size())) return -1;
    if (SDL_JoystickNumHats(joysticks[port]) < 1) return -1;
    switch (SDL_JoystickGetHat(joysticks[port], 0)) {
        case SDL_HAT_UP: return 0;
        case SDL_HAT_RIGHTUP: return 0.125;
        case SDL_HAT_RIGHT: return 0.25;
        case SDL_HAT_RIGHTDOWN: return 0.375;
        case SDL_HAT_DOWN: return 0.5;
        case SDL_HAT_LEFTDOWN: return 0.625;
        case SDL_HAT_LEFT: return 0.75;
        case SDL_HAT_LEFTUP: return 0.875;
        default: return -1;
    }
}

bool JoyButtonDown(int port, int button) {
    if (button < 0) return false;
    if (detail::Test().enabled) {
        FakeJoystick* j = FakeJoy(port);
        return j && button < 32 && j->buttonDown[button];
    }
    OpenJoysticks();
    if (port < 0 || port >= static_cast<int>(joysticks.size())) return false;
    if (button >= SDL_JoystickNumButtons(joysticks[port])) return false;
    return SDL_JoystickGetButton(joysticks[port], button) != 0;
}

// Scripted input (test mode).
namespace {
void Push(ScriptEvent e) { scriptFrames.back().push_back(e); }
}  // namespace
void ScriptKeyDown(int code) { Push({ScriptEvent::KeyDown, code}); }
void ScriptKeyUp(int code) { Push({ScriptEvent::KeyUp, code}); }
void ScriptKeyTap(int code) { Push({ScriptEvent::KeyTap, code}); }
void ScriptChar(int latin1) { Push({ScriptEvent::Char, latin1}); }
void ScriptMouseMove(double x, double y) { Push({ScriptEvent::MouseMove, 0, x, y}); }
void ScriptMouseDown(int button) { Push({ScriptEvent::MouseDown, button}); }
void ScriptMouseUp(int button) { Push({ScriptEvent::MouseUp, button}); }
void ScriptClose() { Push({ScriptEvent::Close}); }
void ScriptFrameMark() { scriptFrames.emplace_back(); }
void SetPollHook(std::function<void(long long)> hook) { detail::Test().pollHook = std::move(hook); }
void SetFakeJoysticks(const std::vector<FakeJoystick>& list) { detail::Test().joysticks = list; }
FakeJoystick* FakeJoy(int port) {
    auto& list = detail::Test().joysticks;
    if (port < 0 || port >= static_cast<int>(list.size())) return nullptr;
    return &list[port];
}

// Resets every input state; tests call it between cases.
void ResetInputForTests() {
    std::fill(std::begin(keyHits), std::end(keyHits), 0);
    std::fill(std::begin(keyDown), std::end(keyDown), false);
    std::fill(std::begin(mouseHits), std::end(mouseHits), 0);
    std::fill(std::begin(mouseDown), std::end(mouseDown), false);
    typed.clear();
    terminateRequested = false;
    scriptFrames.clear();
    scriptFrames.emplace_back();
    tapsToRelease.clear();
    detail::Test().pollHook = nullptr;
    detail::Test().polls = 0;
}

}  // namespace platform
