#include "platform/system.h"

#include <SDL2/SDL.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <random>

#include "platform/input.h"
#include "platform/internal.h"

namespace platform {

namespace detail {
TestState& Test() {
    static TestState state;
    return state;
}

int NewHandle() {
    static int next = 0;
    return ++next;
}

namespace {
std::map<int, std::string>& HandlePaths() {
    static std::map<int, std::string> paths;
    return paths;
}
}  // namespace

void NoteHandlePath(int handle, const std::string& path) { HandlePaths()[handle] = path; }
void ForgetHandle(int handle) { HandlePaths().erase(handle); }
}  // namespace detail

std::string HandlePath(int handle) {
    auto& paths = detail::HandlePaths();
    auto it = paths.find(handle);
    return it == paths.end() ? std::string() : it->second;
}

void InitSystem() {
    static bool done = false;
    if (done) return;
    done = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS | SDL_INIT_JOYSTICK);
}

int64_t Millisecs() {
    if (detail::Test().enabled) return detail::Test().clock;
    return static_cast<int64_t>(SDL_GetTicks64());
}

void Delay(int ms) {
    if (detail::Test().enabled) {
        // The virtual clock: sleeping is instant and exact.
        detail::Test().clock += ms > 0 ? ms : 0;
        return;
    }
    detail::PumpSdlEvents();
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator(1);
    return generator;
}
}  // namespace

void SeedRnd(int32_t seed) { Generator().seed(static_cast<uint32_t>(seed)); }

int Rand(int lo, int hi) {
    if (lo > hi) std::swap(lo, hi);
    // Scaling a 32-bit draw keeps the sequence the same on every platform.
    uint64_t range = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
    uint64_t draw = Generator()();
    return static_cast<int>(lo + static_cast<int64_t>((draw * range) >> 32));
}

double RndReal(double lo, double hi) {
    double unit = static_cast<double>(Generator()()) / 4294967296.0;
    return lo + (hi - lo) * unit;
}

namespace {
const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
std::tm LocalNow() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}
}  // namespace

std::string CurrentDate() {
    if (detail::Test().enabled) return detail::Test().date;
    std::tm t = LocalNow();
    char text[32];
    std::snprintf(text, sizeof text, "%02d %s %04d", t.tm_mday, kMonths[t.tm_mon % 12], t.tm_year + 1900);
    return text;
}

std::string CurrentTime() {
    if (detail::Test().enabled) return detail::Test().time;
    std::tm t = LocalNow();
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

int64_t MemoryInUse() {
    struct mallinfo2 info = mallinfo2();
    return static_cast<int64_t>(info.uordblks + info.hblkhd);
}

int64_t MemoryCollect() {
    // The C heap has no collector; the figure is the free heap memory that a trim
    // could hand back to the system.
    struct mallinfo2 info = mallinfo2();
    return static_cast<int64_t>(info.fordblks);
}

void DiagLine(const std::string& text) {
    if (detail::Test().enabled) {
        auto& log = detail::Test().diag;
        if (log.size() < 100000) log.push_back(text);
        return;
    }
    static const bool show = std::getenv("WORDLOOM_DIAG") != nullptr;
    if (show) std::fprintf(stderr, "%s\n", text.c_str());
}

void EndProcess(int status) {
    if (detail::Test().enabled) throw ProcessEnded{status};
    std::fflush(nullptr);
    SDL_Quit();
    std::exit(status);
}

// Test-mode controls that live with the system state.
void EnableTestMode() {
    auto& t = detail::Test();
    t.enabled = true;
    t.clock = 0;
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    InitSystem();
}
bool InTestMode() { return detail::Test().enabled; }
void SetVirtualClock(int64_t ms) { detail::Test().clock = ms; }
void AdvanceVirtualClock(int64_t ms) { detail::Test().clock += ms; }
void SetFakeDateTime(const std::string& date, const std::string& time) {
    detail::Test().date = date;
    detail::Test().time = time;
}
void EnableDrawLog(bool on) { detail::Test().drawLog = on; }
std::vector<DrawRecord>& DrawLog() { return detail::Test().draws; }
void ClearDrawLog() { detail::Test().draws.clear(); }
std::vector<SoundRecord>& SoundLog() { return detail::Test().sounds; }
void ClearSoundLog() { detail::Test().sounds.clear(); }
std::vector<std::string>& DiagLog() { return detail::Test().diag; }

namespace detail {
void LogDraw(const DrawRecord& record) {
    auto& t = Test();
    if (!t.drawLog) return;
    // Bounded so that a long scripted run cannot grow without end.
    if (t.draws.size() >= 2000000) t.draws.clear();
    t.draws.push_back(record);
}
}  // namespace detail

}  // namespace platform
