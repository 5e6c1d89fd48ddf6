#include "TDuvProgs.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
// The slot names as the files of the workstation hold them, Windows-1251 bytes.
const char* const SlotNames[TDuvProgs::ProgCount] = {
    ("\xCE\xF1\xED\xEE\xE2\xED\xE0\xFF \xF0\xE0\xE1\xEE\xF7\xE0\xFF "
     "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0"), // Основная рабочая программа
    "\xCF\xF0\xEE\xE3\xF0\xE5\xE2",           // Прогрев
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 1.1",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 1.2",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 1.3",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 2.1",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 2.2",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 2.3",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 3.1",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 3.2",
    "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF \xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 3.3",
};

void ExpectAsAfterReset(const TDuvProgs& progs) {
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        SCOPED_TRACE(s);
        const TDuvProg& prog = progs.Prog(s);
        EXPECT_EQ(prog.Kind, s);
        EXPECT_EQ(prog.Name, SlotNames[s]);
        EXPECT_EQ(prog.Defined, 0);
        EXPECT_EQ(prog.ZoneStart.Value(), TMyTime::TimeUndefined);
        EXPECT_EQ(prog.ZoneStop.Value(), TMyTime::TimeUndefined);
        for (const auto& op : prog.Ops) {
            EXPECT_EQ(op.OnTime.Value(), TMyTime::TimeUndefined);
            EXPECT_EQ(op.OffTime.Value(), TMyTime::TimeUndefined);
            EXPECT_EQ(op.Channel, 0);
            EXPECT_EQ(op.Name, "Untitled Operation");
        }
    }
}
} // namespace

TEST(TDuvProgs, constructedSetIsAsAfterReset) {
    const TDuvProgs progs;
    ExpectAsAfterReset(progs);
}

TEST(TDuvProgs, resetRestoresEveryProgram) {
    TDuvProgs progs;
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        TDuvProg& prog = progs.Prog(s);
        prog.Kind = static_cast<std::int8_t>(10 - s);
        prog.Name = "";
        prog.Defined = 1;
        prog.ZoneStart = 1;
        prog.ZoneStop = 2;
        prog.Op(s).Channel = 4;
        prog.Op(s).OnTime = 0;
        prog.Op(s).Name = "x";
    }
    progs.Reset();
    ExpectAsAfterReset(progs);
}

TEST(TDuvProgs, defaultNameOfAnInvalidSlotIsTheMainProgramsName) {
    EXPECT_EQ(TDuvProgs::DefaultName(1), SlotNames[1]);
    EXPECT_EQ(TDuvProgs::DefaultName(11), SlotNames[0]);
    EXPECT_EQ(TDuvProgs::DefaultName(-1), SlotNames[0]);
}

class TDuvProgsSlot : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(TDuvProgsSlot, selectsSlotOrFallsBackToSlotZero) {
    const auto [index, slot] = GetParam();
    TDuvProgs progs;
    EXPECT_EQ(&progs.Prog(index), &progs.Progs[slot]);
    const TDuvProgs& constProgs = progs;
    EXPECT_EQ(&constProgs.Prog(index), &progs.Progs[slot]);
}

INSTANTIATE_TEST_SUITE_P(Slots, TDuvProgsSlot,
                         ::testing::Values(std::pair{0, 0},         // main program
                                           std::pair{1, 1},         // preheating
                                           std::pair{4, 4},         // emergency 1.3
                                           std::pair{10, 10},       // emergency 3.3
                                           std::pair{11, 0},        // one past the end
                                           std::pair{-1, 0},        // one before the start
                                           std::pair{INT_MAX, 0},   // far out
                                           std::pair{INT_MIN, 0})); // far out below
