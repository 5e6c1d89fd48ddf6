#pragma once

#include "TMyTime.h"

#include <cstdint>
#include <string>

// One operation: which channel is switched on when and off when. Channel 0 or less marks an empty
// slot. In the preheating program the two times hold channel states (StateOn/StateOff).
class TDuvRec {
  public:
    TMyTime OnTime{TMyTime::TimeUndefined};
    TMyTime OffTime{TMyTime::TimeUndefined};
    std::int32_t Channel = 0;
    std::string Name = "Untitled operation"; // Windows-1251 bytes

    // Sets the switch-on time keeping the duration; a reserved code leaves OffTime alone.
    void SetOnTime(TMyTime t) noexcept;
    // OffTime - OnTime on 16 bits, wrapping.
    TMyTime Duration() const noexcept;
    void Assign(const TDuvRec& other);
    // Back to the empty slot (note the capital O of the name).
    void Clear();
    bool IsEmpty() const noexcept { return Channel <= 0; }
};
