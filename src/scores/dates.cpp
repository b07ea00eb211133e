#include "scores/dates.h"

#include "frame/text_fields.h"
#include "platform/system.h"

// Fixed English abbreviations: the platform's date text uses them whatever the
// locale, so the table never depends on the system language.
const char* const MonthNames[13] = {"",    "JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

namespace {
// Characters first..last (1-based, inclusive) of text; short texts give what is
// there, so a truncated date or time reads its missing parts as 0.
std::string Chars(const std::string& text, size_t first, size_t last) {
    if (first - 1 >= text.size()) return "";
    return text.substr(first - 1, last - first + 1);
}

// Every part is at most four characters, so the sums below cannot overflow.
int64_t ReadPart(const std::string& text) { return ReadDecimal(text); }

// The last `width` characters of zeros followed by the number, as the panel
// pads its figures.
std::string Padded(int64_t value, size_t width) {
    std::string s = std::string(width, '0') + std::to_string(value);
    return s.substr(s.size() - width);
}
}  // namespace

int64_t MakeTimestamp(const std::string& dateText) {
    std::string s = dateText.empty() ? platform::CurrentDate() : dateText;
    s = UpperCase(s);
    const int64_t year = ReadPart(Chars(s, 8, 11));
    const std::string monthText = Chars(s, 4, 6);
    int64_t month = 0;
    for (int m = 1; m <= 12; ++m)
        if (monthText == MonthNames[m]) month = m;
    const int64_t day = ReadPart(Chars(s, 1, 2));

    const std::string t = platform::CurrentTime();
    const int64_t hour = ReadPart(Chars(t, 1, 2));
    const int64_t minute = ReadPart(Chars(t, 4, 5));
    const int64_t second = ReadPart(Chars(t, 7, 8));

    return year * kSecondsPerYear + month * kSecondsPerMonth + day * kSecondsPerDay + hour * 3600 +
           minute * 60 + second;
}

std::string TimeText(int64_t timestamp) {
    const int64_t second = timestamp % 60;
    const int64_t minute = (timestamp / 60) % 60;
    const int64_t hour = (timestamp / 3600) % 24;
    return Padded(hour, 2) + ":" + Padded(minute, 2) + ":" + Padded(second, 2);
}

std::string DateText(int64_t timestamp) {
    // Day 1 of month 1 of year 0 is day 31 + 1 = 32 of the count, hence the shift.
    const int64_t t = timestamp / kSecondsPerDay - 32;
    const int64_t day = (t % 31) + 1;
    const int64_t month = ((t / 31) % 12) + 1;
    const int64_t year = t / 372;
    return Padded(day, 2) + "-" + Padded(month, 2) + "-" + Padded(year, 4);
}
