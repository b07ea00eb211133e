// The field splitter and number readers every text format goes through. Input:
// one byte separator, four bytes field number (little-endian), then the text.
#include <climits>
#include <cstring>

#include "frame/text_fields.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 5) return 0;
    const char separator = static_cast<char>(data[0]);
    int32_t n;
    std::memcpy(&n, data + 1, 4);
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);

    const std::string field = GetField(text, separator, n);
    if (field != "-+-") {
        if (field.find(separator) != std::string::npos) FuzzFailure("a field holds its separator");
        if (field.size() > text.size()) FuzzFailure("a field longer than its text");
    }

    // Every number reads back from its own decimal form, and ReadInt is the clamp.
    const int64_t value = ReadInteger(text);
    if (ReadInteger(std::to_string(value)) != value) FuzzFailure("ReadInteger does not read its own result");
    const int64_t clamped = value > INT_MAX ? INT_MAX : (value < -INT_MAX ? -INT_MAX : value);
    if (ReadInt(text) != clamped) FuzzFailure("ReadInt is not ReadInteger clamped");
    const int64_t decimal = ReadDecimal(text);
    if (ReadDecimal(std::to_string(decimal)) != decimal) FuzzFailure("ReadDecimal does not read its own result");

    const std::string trimmed = TrimBlanks(text);
    if (!trimmed.empty() && (static_cast<unsigned char>(trimmed.front()) <= 32 ||
                             static_cast<unsigned char>(trimmed.back()) <= 32))
        FuzzFailure("TrimBlanks left a blank at an end");
    return 0;
}
