#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "frame/text_fields.h"

namespace {

struct FieldCase {
    const char* text;
    char separator;
    int n;
    const char* expected;
};

TEST(TextFieldsTest, GetFieldSplitsLikeTheFileFormatsExpect) {
    const FieldCase cases[] = {
        {"Key=3,38", '=', 2, "3,38"},
        {"3,38", ',', 1, "3"},
        {"3,38", ',', 2, "38"},
        {"  Width = 1024 ", '=', 1, "Width "},  // outer blanks trimmed, inner kept
        {"  Width = 1024 ", '=', 2, " 1024"},
        {"abc", '=', 1, "abc"},
        {"abc", '=', 2, "abc"},  // no separator: the whole text is field 2 too
        {"abc", '=', 3, "-+-"},
        {"a=b", '=', 3, "-+-"},  // one separator: missing from field 3 on
        {"a==b", '=', 2, ""},
        {"a==b", '=', 3, "b"},
        {"a=", '=', 2, ""},
        {"=b", '=', 1, ""},
        {"a=b=c", '=', 3, "c"},
        {"a=b=c", '=', 4, "-+-"},
        {"a|b|c|", '|', 4, ""},
        {"", '=', 1, ""},
        {"", '=', 2, ""},
        {"", '=', 3, "-+-"},
        {"\t\r\n x=y \x01", '=', 2, "y"},  // control characters count as blanks
        {"a=b", '=', 0, "a"},              // no field before the first: field 1
        {"a=b", '=', -5, "a"},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(GetField(c.text, c.separator, c.n), c.expected)
            << "text \"" << c.text << "\" field " << c.n;
}

// A caller asking for an absurd field number must get its answer at once rather
// than after billions of separator searches.
TEST(TextFieldsTest, GetFieldAnswersHugeFieldNumbersAtOnce) {
    EXPECT_EQ(GetField("a=b=c", '=', INT_MAX), "-+-");
    EXPECT_EQ(GetField(std::string(100000, '='), '=', INT_MAX), "-+-");
}

struct IntegerCase {
    const char* text;
    int64_t expected;
};

TEST(TextFieldsTest, ReadIntegerTakesSignsBasesAndStopsAtJunk) {
    const IntegerCase cases[] = {
        {"1024", 1024},
        {"  -1024", -1024},
        {"\t+7", 7},
        {"1024 ; big", 1024},
        {"12abc", 12},
        {"%101", 5},
        {"%102", 2},  // binary stops at the first digit above 1
        {"$ff", 255},
        {"$FF", 255},
        {"-$10", -16},
        {"$1g", 1},
        {"%", 0},
        {"$", 0},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},   // nothing may stand between sign and digits
        {"+-5", 0},
        {"0x10", 0},  // only "$" marks hexadecimal
        {"$-1", 0},
        {"99999999999999999999999", INT64_MAX},  // saturates rather than wrapping
        {"-99999999999999999999999", -INT64_MAX},
        {"$FFFFFFFFFFFFFFFFFFFF", INT64_MAX},
    };
    for (const IntegerCase& c : cases) EXPECT_EQ(ReadInteger(c.text), c.expected) << "text \"" << c.text << "\"";
}

TEST(TextFieldsTest, ReadIntStaysInsideIntSoItsAbsoluteValueIsSafe) {
    EXPECT_EQ(ReadInt("99999999999"), INT_MAX);
    EXPECT_EQ(ReadInt("-99999999999"), -INT_MAX);
    EXPECT_EQ(ReadInt("-2147483648"), -INT_MAX);
    EXPECT_EQ(ReadInt("-2147483647"), -INT_MAX);
    EXPECT_EQ(ReadInt("$7FFFFFFF"), INT_MAX);
}

}  // namespace
