#include "TMyTime.h"

#include <gtest/gtest.h>

struct TimeCase {
    int minutes, seconds, tenths;
    std::uint16_t value;
    const char* text;
};

class TMyTimeExamples : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TMyTimeExamples, buildsAndShows)
{
    const auto& c = GetParam();
    const TMyTime t(c.minutes, c.seconds, c.tenths);
    EXPECT_EQ(t.Value(), c.value);
    EXPECT_EQ(t.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TMyTimeExamples,
    ::testing::Values(TimeCase{1, 30, 5, 181, "1:30,5"},     // a typical time
                      TimeCase{1, 5, 0, 130, "1:5,0"},       // seconds without a leading zero
                      TimeCase{0, 0, 3, 0, "0:0,0"},         // tenths below 5 add nothing
                      TimeCase{0, 0, 7, 1, "0:0,5"},         // tenths 5..9 add one half-second
                      TimeCase{540, 59, 5, 64919, "540:59,5"}, // the largest operation time
                      TimeCase{540, 59, 99, 64937, "541:8,5"})); // the largest zone bound

TEST(TMyTime, reservedCodesShowAsPlainTimes)
{
    EXPECT_EQ(TMyTime(TMyTime::TimeUndefined).Text(), "546:7,5");
    EXPECT_EQ(TMyTime(TMyTime::StateOn).Text(), "546:7,0");
    EXPECT_EQ(TMyTime(TMyTime::StateOff).Text(), "546:6,5");
}
