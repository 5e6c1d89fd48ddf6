#include "TDuvRec.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {
TDuvRec Record(std::uint16_t on, std::uint16_t off, int channel = 3, const char* name = "Пресс") {
    TDuvRec rec;
    rec.OnTime = on;
    rec.OffTime = off;
    rec.Channel = channel;
    rec.Name = name;
    return rec;
}
} // namespace

TEST(TDuvRec, constructedRecordIsAnEmptySlot) {
    const TDuvRec rec;
    EXPECT_EQ(rec.OnTime.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(rec.OffTime.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(rec.Channel, 0);
    EXPECT_EQ(rec.Name, "Untitled operation");
    EXPECT_TRUE(rec.IsEmpty());
}

struct SetOnTimeCase {
    std::uint16_t on, off, t;
    std::uint16_t expectedOff;
};

void PrintTo(const SetOnTimeCase& c, std::ostream* os) {
    *os << c.on << "_" << c.off << "_to_" << c.t;
}

class TDuvRecSetOnTime : public ::testing::TestWithParam<SetOnTimeCase> {};

TEST_P(TDuvRecSetOnTime, keepsDurationOrLeavesOffTimeForCodes) {
    const auto& c = GetParam();
    TDuvRec rec = Record(c.on, c.off);
    rec.SetOnTime(c.t);
    EXPECT_EQ(rec.OnTime.Value(), c.t);
    EXPECT_EQ(rec.OffTime.Value(), c.expectedOff);
    EXPECT_EQ(rec.Channel, 3);
    EXPECT_EQ(rec.Name, "Пресс");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TDuvRecSetOnTime,
    ::testing::Values(SetOnTimeCase{10, 30, 100, 120},       // moved later, length 20 kept
                      SetOnTimeCase{100, 120, 10, 30},       // moved earlier
                      SetOnTimeCase{10, 30, 0xFFFE, 30},     // StateOn leaves OffTime alone
                      SetOnTimeCase{10, 30, 0xFFFD, 30},     // StateOff leaves OffTime alone
                      SetOnTimeCase{10, 30, 0xFFFF, 30},     // TimeUndefined leaves OffTime alone
                      SetOnTimeCase{0xFFFF, 0xFFFF, 50, 50}, // empty slot: first time sets both
                      SetOnTimeCase{0xFFFE, 0xFFFD, 0, 0xFFFF}, // codes: 0xFFFD - 0xFFFE wraps
                      SetOnTimeCase{10, 30, 65532, 16},         // 65532 is still a time; sum wraps
                      SetOnTimeCase{30, 10, 5, 65521},          // a negative length wraps through
                      SetOnTimeCase{65000, 100, 600, 1236}));   // a wrapped length is kept too

TEST(TDuvRec, durationWrapsAroundOnSixteenBits) {
    EXPECT_EQ(Record(0xFFFF, 0xFFFF).Duration().Value(), 0);
    EXPECT_EQ(Record(10, 30).Duration().Value(), 20);
    EXPECT_EQ(Record(30, 10).Duration().Value(), 65516);
    EXPECT_EQ(Record(0, 0xFFFF).Duration().Value(), 0xFFFF);
    EXPECT_EQ(Record(0xFFFF, 0).Duration().Value(), 1);
}

TEST(TDuvRec, assignCopiesAllFourFields) {
    const TDuvRec source = Record(30, 10, 7, "Подача пара");
    TDuvRec target = Record(1000, 2000, 2, "Другая");
    target.Assign(source);
    EXPECT_EQ(target.OnTime.Value(), 30);
    EXPECT_EQ(target.OffTime.Value(), 10); // the source's, whatever SetOnTime computed
    EXPECT_EQ(target.Channel, 7);
    EXPECT_EQ(target.Name, "Подача пара");
}

TEST(TDuvRec, assignCopiesPreheatingStates) {
    const TDuvRec source = Record(TMyTime::StateOn, TMyTime::StateOff, 1, "");
    TDuvRec target = Record(10, 30);
    target.Assign(source);
    EXPECT_EQ(target.OnTime.Value(), TMyTime::StateOn);
    EXPECT_EQ(target.OffTime.Value(), TMyTime::StateOff);
    EXPECT_EQ(target.Channel, 1);
    EXPECT_EQ(target.Name, "");
}

TEST(TDuvRec, assignFromItselfChangesNothing) {
    TDuvRec rec = Record(30, 10, 7, "Подача пара");
    rec.Assign(rec);
    EXPECT_EQ(rec.OnTime.Value(), 30);
    EXPECT_EQ(rec.OffTime.Value(), 10);
    EXPECT_EQ(rec.Channel, 7);
    EXPECT_EQ(rec.Name, "Подача пара");
}

TEST(TDuvRec, clearGivesTheEmptySlotWithCapitalO) {
    TDuvRec rec = Record(10, 30, 5, "Пресс");
    rec.Clear();
    EXPECT_EQ(rec.OnTime.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(rec.OffTime.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(rec.Channel, 0);
    EXPECT_EQ(rec.Name, "Untitled Operation");
    EXPECT_NE(rec.Name, TDuvRec().Name);
}

TEST(TDuvRec, channelZeroOrBelowMarksAnEmptySlot) {
    EXPECT_TRUE(Record(10, 30, 0).IsEmpty());
    EXPECT_TRUE(Record(10, 30, -5).IsEmpty());
    EXPECT_FALSE(Record(10, 30, 1).IsEmpty());
    EXPECT_FALSE(Record(10, 30, 12).IsEmpty());
}
