#include "TDuvProg.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TDuvProg, constructedProgramIsUndefined) {
    const TDuvProg prog;
    EXPECT_EQ(prog.Kind, 0);
    EXPECT_EQ(prog.Name, "Untitled program");
    EXPECT_EQ(prog.Defined, 0);
    EXPECT_EQ(prog.ZoneStart.Value(), TMyTime::TimeUndefined);
    EXPECT_EQ(prog.ZoneStop.Value(), TMyTime::TimeUndefined);
    EXPECT_FALSE(prog.HasZone());
    for (const auto& op : prog.Ops) {
        EXPECT_EQ(op.Channel, 0);
        EXPECT_EQ(op.Name, "Untitled operation");
    }
}

TEST(TDuvProg, clearKeepsNameAndKind) {
    TDuvProg prog;
    prog.Kind = 3;
    prog.Name = "Из файла";
    prog.Defined = 1;
    prog.ZoneStart = 100;
    prog.ZoneStop = 200;
    for (int i = 0; i < TDuvProg::OpCount; ++i) {
        prog.Op(i).Channel = i + 1;
        prog.Op(i).OnTime = 10;
        prog.Op(i).OffTime = 20;
        prog.Op(i).Name = "Операция";
    }
    prog.Clear();
    EXPECT_EQ(prog.Kind, 3);
    EXPECT_EQ(prog.Name, "Из файла");
    EXPECT_EQ(prog.Defined, 0);
    EXPECT_FALSE(prog.HasZone());
    for (const auto& op : prog.Ops) {
        EXPECT_EQ(op.OnTime.Value(), TMyTime::TimeUndefined);
        EXPECT_EQ(op.OffTime.Value(), TMyTime::TimeUndefined);
        EXPECT_EQ(op.Channel, 0);
        EXPECT_EQ(op.Name, "Untitled Operation");
    }
}

TEST(TDuvProg, zoneCountsAsDefinedWhenEitherBoundIsSet) {
    TDuvProg prog;
    prog.ZoneStart = 10;
    EXPECT_TRUE(prog.HasZone());
    prog.ZoneStart = TMyTime::TimeUndefined;
    prog.ZoneStop = 0;
    EXPECT_TRUE(prog.HasZone());
}

class TDuvProgOpIndex : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TDuvProgOpIndex, selectsSlotOrFallsBackToSlotZero) {
    const auto [index, slot] = GetParam();
    TDuvProg prog;
    EXPECT_EQ(&prog.Op(index), &prog.Ops[slot]);
    const TDuvProg& constProg = prog;
    EXPECT_EQ(&constProg.Op(index), &prog.Ops[slot]);
}

INSTANTIATE_TEST_SUITE_P(Indices, TDuvProgOpIndex,
                         ::testing::Values(std::pair{0, 0},         // first slot
                                           std::pair{7, 7},         // a middle slot
                                           std::pair{15, 15},       // last slot
                                           std::pair{16, 0},        // one past the end
                                           std::pair{-1, 0},        // one before the start
                                           std::pair{INT_MAX, 0},   // far out
                                           std::pair{INT_MIN, 0})); // far out below
