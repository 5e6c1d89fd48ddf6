#pragma once

#include "Cp1251Literal.h"
#include "TDuvProg.h"

#include <cstdint>
#include <initializer_list>
#include <string>

// One operation to put into a test program.
struct TestOp {
    int Slot;
    int Channel;
    std::uint16_t On;
    std::uint16_t Off;
    const char* Name = "Операция"; // UTF-8 here; stored as Windows-1251 like the model holds it
};

inline TDuvProg MakeProg(std::initializer_list<TestOp> ops) {
    TDuvProg prog;
    for (TDuvRec& op : prog.Ops)
        op.Clear();
    for (const TestOp& t : ops) {
        TDuvRec& op = prog.Op(t.Slot);
        op.Channel = t.Channel;
        op.OnTime = TMyTime(t.On);
        op.OffTime = TMyTime(t.Off);
        op.Name = Cp1251Literal(t.Name);
    }
    return prog;
}

// Times of the example chart: the latest operation ends at 6:9,0 = 738 half-seconds.
inline constexpr std::uint16_t Min1 = 120;    // 1:0,0
inline constexpr std::uint16_t Min2 = 240;    // 2:0,0
inline constexpr std::uint16_t Example = 738; // 6:9,0
