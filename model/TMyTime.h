#pragma once

#include <cstdint>
#include <string>

// A time of the press cycle: an unsigned 16-bit count of half-seconds. The same 16 bits go into
// the document file and into the controller's image, so width and reserved codes are fixed.
class TMyTime {
  public:
    static constexpr std::uint16_t TimeUndefined = 0xFFFF; // no time / no state set
    static constexpr std::uint16_t StateOn = 0xFFFE;       // preheating: channel on ("Вкл.")
    static constexpr std::uint16_t StateOff = 0xFFFD;      // preheating: channel off ("Выкл.")

    constexpr TMyTime() noexcept = default;
    constexpr TMyTime(std::uint16_t raw) noexcept : value_(raw) {}
    // From the parts as a dialog parsed them; tenths beyond 9 add tenths div 5 half-seconds.
    // Only the low 16 bits of the count are kept.
    TMyTime(int minutes, int seconds, int tenths) noexcept;

    int Minutes() const noexcept { return value_ / 120; }
    int Seconds() const noexcept { return (value_ % 120) / 2; }
    int Tenths() const noexcept { return (value_ * 5) % 10; }
    // "%d:%d,%d" of minutes, seconds and tenths; reserved codes are not treated specially.
    std::string Text() const;
    constexpr std::uint16_t Value() const noexcept { return value_; }
    // True for 0..65532, false for the three reserved codes.
    constexpr bool IsTime() const noexcept { return value_ < StateOff; }

    friend constexpr bool operator==(TMyTime a, TMyTime b) noexcept = default;

  private:
    std::uint16_t value_ = 0;
};
