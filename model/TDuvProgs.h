#pragma once

#include "TDuvProg.h"

#include <array>
#include <string>

// The eleven programs of a document, always all present:
// 0 main, 1 preheating, 2..4 emergency 1.1..1.3, 5..10 emergency 2.1..3.3.
class TDuvProgs {
  public:
    static constexpr int ProgCount = 11;
    enum Slot { Main = 0, Preheat = 1, Emergency11 = 2, Emergency12 = 3, Emergency13 = 4 };

    std::array<TDuvProg, ProgCount> Progs;

    TDuvProgs() { Reset(); }

    // Slot s; a slot outside 0..10 yields slot 0.
    TDuvProg& Prog(int s) noexcept { return Progs[Valid(s) ? s : 0]; }
    const TDuvProg& Prog(int s) const noexcept { return Progs[Valid(s) ? s : 0]; }
    // Every slot gets its kind and default name, then is cleared.
    void Reset();
    // The default name of a slot (Windows-1251 bytes); slot 0's for an invalid slot.
    static std::string DefaultName(int s);

  private:
    static constexpr bool Valid(int s) noexcept { return s >= 0 && s < ProgCount; }
};
