#include "TMyTime.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

struct TimeCase {
    int minutes, seconds, tenths;
    std::uint16_t value;
    const char* text;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << c.minutes << ":" << c.seconds << "," << c.tenths;
}

class TMyTimeExamples : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TMyTimeExamples, buildsAndShows) {
    const auto& c = GetParam();
    const TMyTime t(c.minutes, c.seconds, c.tenths);
    EXPECT_EQ(t.Value(), c.value);
    EXPECT_EQ(t.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TMyTimeExamples,
    ::testing::Values(TimeCase{1, 30, 5, 181, "1:30,5"},       // a typical time
                      TimeCase{1, 5, 0, 130, "1:5,0"},         // seconds without a leading zero
                      TimeCase{0, 0, 0, 0, "0:0,0"},           // the start of the cycle
                      TimeCase{0, 0, 3, 0, "0:0,0"},           // tenths below 5 add nothing
                      TimeCase{0, 0, 5, 1, "0:0,5"},           // an odd count shows tenths 5
                      TimeCase{0, 0, 7, 1, "0:0,5"},           // tenths 5..9 add one half-second
                      TimeCase{0, 1, 0, 2, "0:1,0"},           // an even count shows tenths 0
                      TimeCase{0, 59, 9, 119, "0:59,5"},       // last half-second of a minute
                      TimeCase{1, 0, 0, 120, "1:0,0"},         // a whole minute
                      TimeCase{0, 0, 10, 2, "0:1,0"},          // tenths beyond 9 add tenths div 5
                      TimeCase{0, 0, 99, 19, "0:9,5"},         // the largest tenths a zone takes
                      TimeCase{540, 59, 5, 64919, "540:59,5"}, // the largest operation time
                      TimeCase{540, 59, 99, 64937, "541:8,5"}, // the largest zone bound
                      TimeCase{546, 6, 5, 65533, "546:6,5"},   // lands on StateOff, no special text
                      TimeCase{546, 7, 0, 65534, "546:7,0"},   // lands on StateOn
                      TimeCase{546, 7, 5, 65535, "546:7,5"},   // lands on TimeUndefined
                      TimeCase{546, 8, 0, 0, "0:0,0"},         // 65536: only the low 16 bits stay
                      TimeCase{546, 8, 5, 1, "0:0,5"}));       // 65537 wraps to 1

TEST(TMyTime, reservedCodesShowAsPlainTimes) {
    EXPECT_EQ(TMyTime(TMyTime::TimeUndefined).Text(), "546:7,5");
    EXPECT_EQ(TMyTime(TMyTime::StateOn).Text(), "546:7,0");
    EXPECT_EQ(TMyTime(TMyTime::StateOff).Text(), "546:6,5");
    EXPECT_EQ(TMyTime(TMyTime::TimeUndefined).Minutes(), 546);
    EXPECT_EQ(TMyTime(TMyTime::TimeUndefined).Seconds(), 7);
    EXPECT_EQ(TMyTime(TMyTime::TimeUndefined).Tenths(), 5);
}

TEST(TMyTime, onlyValuesBelowStateOffAreTimes) {
    EXPECT_TRUE(TMyTime(0).IsTime());
    EXPECT_TRUE(TMyTime(65532).IsTime());
    EXPECT_FALSE(TMyTime(TMyTime::StateOff).IsTime());
    EXPECT_FALSE(TMyTime(TMyTime::StateOn).IsTime());
    EXPECT_FALSE(TMyTime(TMyTime::TimeUndefined).IsTime());
}

// Every raw value splits into parts that give it back, with tenths 5 exactly for odd counts.
TEST(TMyTime, everyRawValueSplitsIntoItsParts) {
    for (int v = 0; v <= 0xFFFF; ++v) {
        const TMyTime t(static_cast<std::uint16_t>(v));
        SCOPED_TRACE(v);
        ASSERT_EQ(t.Tenths(), v % 2 == 1 ? 5 : 0);
        ASSERT_GE(t.Seconds(), 0);
        ASSERT_LE(t.Seconds(), 59);
        ASSERT_EQ(t.Minutes() * 120 + t.Seconds() * 2 + t.Tenths() / 5, v);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d:%d,%d", t.Minutes(), t.Seconds(), t.Tenths());
        ASSERT_EQ(t.Text(), expected);
        ASSERT_EQ(TMyTime(t.Minutes(), t.Seconds(), t.Tenths()), t);
    }
}

namespace {
// The count as the controller's own software computes it: extended precision, the constant
// nearest to one tenth, truncation toward zero, the low 16 bits kept.
std::uint16_t ExtendedCount(int minutes, int seconds, int tenths) {
    const long double count =
        (static_cast<long double>(minutes) * 60 + seconds + tenths * 0.1L) * 2;
    return static_cast<std::uint16_t>(static_cast<long long>(count));
}
} // namespace

// Every triple that the operation and zone dialogs let through.
TEST(TMyTime, constructorAgreesWithExtendedPrecisionFormula) {
    for (int m = 0; m <= 540; ++m)
        for (int s = 0; s <= 59; ++s)
            for (int t = 0; t <= 99; ++t)
                if (TMyTime(m, s, t).Value() != ExtendedCount(m, s, t))
                    FAIL() << m << ":" << s << "," << t << " gives " << TMyTime(m, s, t).Value()
                           << ", the formula " << ExtendedCount(m, s, t);
}

// Negative and oversized parts never pass the dialogs, but still follow the same formula.
TEST(TMyTime, constructorAgreesWithFormulaOutsideDialogRanges) {
    for (int m = -3; m <= 3; ++m)
        for (int s = -60; s <= 60; ++s)
            for (int t = -100; t <= 100; ++t)
                ASSERT_EQ(TMyTime(m, s, t).Value(), ExtendedCount(m, s, t))
                    << m << ":" << s << "," << t;
    for (int m : {541, 546, 547, 1000, 99999, 1'000'000})
        ASSERT_EQ(TMyTime(m, 59, 99).Value(), ExtendedCount(m, 59, 99)) << m;
}
