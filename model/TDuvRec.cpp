#include "TDuvRec.h"

void TDuvRec::SetOnTime(TMyTime t) noexcept {
    const auto duration = static_cast<std::uint16_t>(OffTime.Value() - OnTime.Value());
    OnTime = t;
    if (t.IsTime())
        OffTime = static_cast<std::uint16_t>(duration + t.Value());
}

TMyTime TDuvRec::Duration() const noexcept {
    return static_cast<std::uint16_t>(OffTime.Value() - OnTime.Value());
}

void TDuvRec::Assign(const TDuvRec& other) {
    SetOnTime(other.OnTime);
    OffTime = other.OffTime;
    Channel = other.Channel;
    Name = other.Name;
}

void TDuvRec::Clear() {
    SetOnTime(TMyTime::TimeUndefined);
    OffTime = TMyTime::TimeUndefined;
    Channel = 0;
    Name = "Untitled Operation";
}
