#include "TMyTime.h"

#include <cstdio>

TMyTime::TMyTime(int minutes, int seconds, int tenths) noexcept {
    if (minutes >= 0 && seconds >= 0 && tenths >= 0) {
        // Exact for every non-negative triple; 64-bit so that large inputs wrap like the original.
        const long long count = 120LL * minutes + 2LL * seconds + tenths / 5;
        value_ = static_cast<std::uint16_t>(count);
        return;
    }
    // Negative parts never pass the dialogs' checks; keep the extended-precision formula for them
    // so the value is still the documented one.
    const long double count =
        (static_cast<long double>(minutes) * 60 + seconds + tenths * 0.1L) * 2;
    value_ = static_cast<std::uint16_t>(static_cast<long long>(count));
}

std::string TMyTime::Text() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%d,%d", Minutes(), Seconds(), Tenths());
    return buf;
}
