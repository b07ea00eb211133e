#include "frame/text_fields.h"

#include <climits>

std::string TrimBlanks(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && static_cast<unsigned char>(text[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(text[b - 1]) <= 32) --b;
    return text.substr(a, b - a);
}

std::string UpperCase(const std::string& text) {
    std::string s = text;
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

std::string LowerCase(const std::string& text) {
    std::string s = text;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    std::string out;
    size_t pos = 0;
    while (true) {
        size_t hit = text.find(what, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos);
        out += with;
        pos = hit + what.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

std::string GetField(const std::string& text, char separator, int n) {
    const std::string t = TrimBlanks(text);
    // Positions are 1-based as in the description of the format.
    size_t start = 1, last = 0;
    bool missing = false;
    for (int i = 1; i < n; ++i) {
        size_t found = t.find(separator, start - 1);
        size_t p = (found == std::string::npos ? 0 : found + 1) + 1;
        if (p <= last) {
            // Once a field is missing every later one is too, so stop searching:
            // a huge field number then costs no more than the separators present.
            missing = true;
            break;
        } else {
            last = p;
        }
        start = last;
    }
    if (missing) return "-+-";
    if (start - 1 >= t.size()) return "";
    size_t end = t.find(separator, start - 1);
    if (end == std::string::npos) end = t.size();
    return t.substr(start - 1, end - (start - 1));
}

namespace {
int64_t Accumulate(int64_t value, int digit, int base, bool& saturated) {
    if (saturated) return value;
    if (value > (INT64_MAX - digit) / base) {
        saturated = true;
        return INT64_MAX;
    }
    return value * base + digit;
}

int DigitValue(char c, int base) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return (d >= 0 && d < base) ? d : -1;
}

int64_t ReadWithBases(const std::string& text, bool allowPrefixes) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n' ||
                               text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (allowPrefixes && i < text.size()) {
        if (text[i] == '%') { base = 2; ++i; }
        else if (text[i] == '$') { base = 16; ++i; }
    }
    int64_t value = 0;
    bool saturated = false;
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) break;
        value = Accumulate(value, d, base, saturated);
    }
    return negative ? -value : value;
}
}  // namespace

int64_t ReadInteger(const std::string& text) { return ReadWithBases(text, true); }

int ReadInt(const std::string& text) {
    int64_t v = ReadInteger(text);
    if (v > INT_MAX) return INT_MAX;
    if (v < -INT_MAX) return -INT_MAX;  // so that taking the absolute value is safe
    return static_cast<int>(v);
}

int64_t ReadDecimal(const std::string& text) { return ReadWithBases(text, false); }
