#include <gtest/gtest.h>

#include "platform/testing.h"
#include "scores/dates.h"

namespace {
class DatesTest : public ::testing::Test {
protected:
    void SetUp() override { platform::EnableTestMode(); }
    void TearDown() override { platform::SetFakeDateTime("09 Dec 2026", "19:32:27"); }
    static int64_t At(const std::string& date, const std::string& time) {
        platform::SetFakeDateTime("01 Jan 2000", time);
        return MakeTimestamp(date);
    }
};

TEST_F(DatesTest, TimestampAndTextsOfKnownMoments) {
    struct Case {
        std::string date, time;
        int64_t stamp;
        std::string dateText, timeText;
    };
    const Case cases[] = {
        {"09 Dec 2026", "20:00:00", 65150251200LL, "09-12-2026", "20:00:00"},
        {"31 Jan 2026", "23:59:59", 2026 * kSecondsPerYear + 1 * kSecondsPerMonth + 31 * kSecondsPerDay + 86399,
         "31-01-2026", "23:59:59"},
        {"01 jan 2027", "00:00:00", 2027 * kSecondsPerYear + kSecondsPerMonth + kSecondsPerDay, "01-01-2027",
         "00:00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date + " " + c.time);
        const int64_t t = At(c.date, c.time);
        EXPECT_EQ(t, c.stamp);
        EXPECT_EQ(DateText(t), c.dateText);
        EXPECT_EQ(TimeText(t), c.timeText);
    }
}

TEST_F(DatesTest, LaterMomentsGiveLargerTimestamps) {
    EXPECT_LT(At("31 Jan 2026", "23:59:59"), At("01 Feb 2026", "00:00:00"));
    EXPECT_LT(At("31 Dec 2026", "23:59:59"), At("01 Jan 2027", "00:00:00"));
    EXPECT_LT(At("09 Dec 2026", "09:59:59"), At("09 Dec 2026", "10:00:00"));
}

TEST_F(DatesTest, EmptyDateMeansTodayFromThePlatform) {
    platform::SetFakeDateTime("09 Dec 2026", "20:00:00");
    EXPECT_EQ(MakeTimestamp(""), 65150251200LL);
}

TEST_F(DatesTest, ZeroAndUnknownMonth) {
    EXPECT_EQ(DateText(0), "00-00-0000");
    EXPECT_EQ(TimeText(0), "00:00:00");
    // An unknown month is month 0; the rest of the timestamp is still built.
    EXPECT_EQ(At("09 Foo 2026", "20:00:00"), 2026 * kSecondsPerYear + 9 * kSecondsPerDay + 72000);
}

TEST_F(DatesTest, GarbageDateTextsNeverFail) {
    for (const std::string date : {"x", "\xff\xfe", "99 DEC 9999", "-1 ABC -999"}) {
        const int64_t t = At(date, "ab:cd");
        EXPECT_EQ(DateText(t).size(), 10u) << date;
        EXPECT_EQ(TimeText(t).size(), 8u) << date;
    }
    // Extreme stored timestamps still give texts of the usual shape.
    for (int64_t t : {INT64_MAX, INT64_MIN, int64_t{-1}}) {
        EXPECT_EQ(DateText(t).size(), 10u);
        EXPECT_EQ(TimeText(t).size(), 8u);
    }
}
}  // namespace
