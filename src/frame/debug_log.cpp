#include "frame/debug_log.h"

#include <cstdio>

namespace {
FILE* DebugLog = nullptr;
}

void OpenDebugLog() {
    CloseDebugLog();
    DebugLog = std::fopen("Debug.txt", "wb");
}

void CloseDebugLog() {
    if (DebugLog) std::fclose(DebugLog);
    DebugLog = nullptr;
}

void LogLine(const std::string& text) {
    if (!DebugLog) return;
    std::fwrite(text.data(), 1, text.size(), DebugLog);
    std::fwrite("\r\n", 1, 2, DebugLog);
    // Flushed at once so that the log tells what happened before a crash.
    std::fflush(DebugLog);
}
