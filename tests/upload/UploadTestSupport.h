#pragma once

#include "TDuvProgs.h"
#include "UploadTransfer.h"

// A program set whose image has no long runs of equal bytes, so that a byte out of place shows.
inline TDuvProgs SamplePrograms() {
    TDuvProgs progs;
    auto set = [&](int slot, int op, int channel, std::uint16_t on, std::uint16_t off) {
        TDuvRec& rec = progs.Prog(slot).Op(op);
        rec.Channel = channel;
        rec.OnTime = TMyTime(on);
        rec.OffTime = TMyTime(off);
    };
    set(TDuvProgs::Main, 0, 1, 0x0102, 0x0304);
    set(TDuvProgs::Main, 1, 3, 0x0A0B, 0x1234);
    set(TDuvProgs::Main, 2, 12, 240, 3600);
    set(TDuvProgs::Preheat, 0, 2, TMyTime::StateOn, TMyTime::StateOff);
    set(TDuvProgs::Emergency11, 0, 5, 20, 40);
    set(TDuvProgs::Emergency13, 0, 16, 0x7F00, 0x80FF);
    const std::uint16_t zones[3][2] = {{100, 200}, {300, 400}, {500, 0x0A0B}};
    for (int zone = 0; zone < 3; ++zone) {
        progs.Prog(zone + 2).ZoneStart = TMyTime(zones[zone][0]);
        progs.Prog(zone + 2).ZoneStop = TMyTime(zones[zone][1]);
    }
    return progs;
}

// The protocol's timing with room for a loaded machine: the controller runs on a thread of the
// test, and a late echo or copy byte would shift every byte after it. Waits that nothing can
// answer early (the handshake's) keep their values; the exact values have their own test.
inline UploadTransfer::Timing TolerantTiming() {
    UploadTransfer::Timing timing;
    timing.SendTimeout = 500;
    timing.ReadBackTimeout = 500;
    return timing;
}
