#include "LeadingInt.h"

#include <QString>

#include <gtest/gtest.h>

#include <climits>

struct LeadingIntCase {
    const char16_t* text;
    int value;
};

class LeadingIntExamples : public ::testing::TestWithParam<LeadingIntCase> {};

TEST_P(LeadingIntExamples, readsTheLeadingNumber) {
    const auto& c = GetParam();
    EXPECT_EQ(LeadingInt(QString::fromUtf16(c.text)), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LeadingIntExamples,
    ::testing::Values(LeadingIntCase{u"", 0},             // an empty edit is 0
                      LeadingIntCase{u"abc", 0},          // no digits at all
                      LeadingIntCase{u"12", 12},          // a plain number
                      LeadingIntCase{u"  7", 7},          // leading blanks skipped
                      LeadingIntCase{u"\t 3", 3},         // tabs are blanks too
                      LeadingIntCase{u"12abc", 12},       // digits up to the first other character
                      LeadingIntCase{u"1 2", 1},          // a blank ends the number
                      LeadingIntCase{u"-5", -5},          // a sign is taken
                      LeadingIntCase{u"+5", 5},           // the plus sign as well
                      LeadingIntCase{u"-", 0},            // a sign without digits
                      LeadingIntCase{u"- 5", 0},          // no blanks between sign and digits
                      LeadingIntCase{u"5 ", 5},           // trailing blanks ignored
                      LeadingIntCase{u"007", 7},          // leading zeros
                      LeadingIntCase{u"1,5", 1},          // a decimal comma ends the number
                      LeadingIntCase{u"\u0661\u0662", 0}, // only ASCII digits count
                      LeadingIntCase{u"\u00a012", 0},     // a no-break space is not a blank
                      LeadingIntCase{u"2147483647", INT_MAX}, // the largest int
                      LeadingIntCase{u"2147483648", INT_MAX}, // saturates instead of wrapping
                      LeadingIntCase{u"99999999999999999999999", INT_MAX}, // far beyond
                      LeadingIntCase{u"-2147483648", INT_MIN},             // the smallest int
                      LeadingIntCase{u"-99999999999999999999", INT_MIN})); // saturates below

TEST(LeadingTime, readsEachPartWithTheLeadingNumberRule) {
    EXPECT_EQ(LeadingTime(u"1", u"30", u"5").Value(), 181);
    EXPECT_EQ(LeadingTime(u"", u"", u"").Value(), 0);
    EXPECT_EQ(LeadingTime(u" 2min", u"0s", u"x").Value(), 240);
}
