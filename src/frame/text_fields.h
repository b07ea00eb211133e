// The field splitter and number readers shared by every text format of the game
// (setup file, scores file, option labels).
#pragma once
#include <cstdint>
#include <string>

// The n-th field (from 1) of text split at separator; outer blanks and control
// characters of the whole text are trimmed first. A text without separator gives
// itself as field 1 and 2; a missing later field gives "-+-".
std::string GetField(const std::string& text, char separator, int n);

// Reads a text as an integer: leading white space, an optional sign, then decimal
// digits, or binary digits after "%", or hexadecimal digits after "$". Stops at the
// first other character; no digits give 0. Saturates at the 64-bit limits.
int64_t ReadInteger(const std::string& text);
// ReadInteger clamped into the int range.
int ReadInt(const std::string& text);

// Plain decimal reading (white space, one sign, digits) as the score file uses.
int64_t ReadDecimal(const std::string& text);

std::string TrimBlanks(const std::string& text);  // removes codes 0..32 at both ends
std::string UpperCase(const std::string& text);   // ASCII letters only
std::string LowerCase(const std::string& text);
std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with);
