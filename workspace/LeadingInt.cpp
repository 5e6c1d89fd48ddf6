#include "LeadingInt.h"

#include <climits>

namespace {
bool IsBlank(QChar c) noexcept {
    // The blanks the C library skips before a number.
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}
} // namespace

int LeadingInt(QStringView text) noexcept {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulated one past INT_MAX at most, so a long run of digits cannot overflow.
    constexpr long long limit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            value = limit;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

TMyTime LeadingTime(QStringView minutes, QStringView seconds, QStringView tenths) noexcept {
    return TMyTime(LeadingInt(minutes), LeadingInt(seconds), LeadingInt(tenths));
}
