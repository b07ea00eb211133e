// The debug log Debug.txt: one line per event, bytes ended by CR LF.
#pragma once
#include <string>

// Creates Debug.txt in the current folder, replacing an earlier one. When it
// cannot be created, logging becomes a no-op.
void OpenDebugLog();
void CloseDebugLog();
void LogLine(const std::string& text);
