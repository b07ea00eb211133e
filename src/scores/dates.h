// Timestamps of score records: a signed 64-bit count of seconds in a calendar of
// twelve 31-day months, built from the platform's date and time texts, and the
// date and time texts the score panel shows for them.
#pragma once
#include <cstdint>
#include <string>

// Seconds per 372-day year and per 31-day month of the score calendar.
constexpr int64_t kSecondsPerYear = 32140800;
constexpr int64_t kSecondsPerMonth = 2678400;
constexpr int64_t kSecondsPerDay = 86400;

// Month abbreviations as the platform's date text gives them, upper-cased,
// entries 1..12 (entry 0 is empty).
extern const char* const MonthNames[13];

// The timestamp of a date text like "09 Dec 2026" (empty: today) at the current
// time of day. An unknown month reads as 0 and unreadable numbers as 0.
int64_t MakeTimestamp(const std::string& dateText);
// "DD-MM-YYYY" of the day, month and year that went into the timestamp.
std::string DateText(int64_t timestamp);
// "HH:MM:SS" of the time of day that went into the timestamp.
std::string TimeText(int64_t timestamp);
