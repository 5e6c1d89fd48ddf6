#include "ZoneCheck.h"

#include "LeadingInt.h"
#include "TDuvProgs.h"

#include <optional>

namespace {
// The first overlap with another emergency program of group 1, by the fixed order of the
// checks; zones must lie in the order 1.1, 1.2, 1.3 and may touch.
std::optional<QString> Overlap(int slot, TMyTime start, TMyTime stop, const TDuvProgs& progs) {
    const auto defined = [&progs](int s) { return progs.Prog(s).Defined != 0; };
    const auto startOf = [&progs](int s) { return progs.Prog(s).ZoneStart.Value(); };
    const auto stopOf = [&progs](int s) { return progs.Prog(s).ZoneStop.Value(); };
    const QString first2 = QStringLiteral("Временные интервалы 1-го и 2-го режимов пересекаются");
    const QString first3 = QStringLiteral("Временные интервалы 1-го и 3-го режимов пересекаются");
    const QString second3 = QStringLiteral("Временные интервалы 2-го и 3-го режимов пересекаются");
    switch (slot) {
    case TDuvProgs::Emergency11:
        if (defined(TDuvProgs::Emergency12) && stop.Value() > startOf(TDuvProgs::Emergency12))
            return first2;
        if (defined(TDuvProgs::Emergency13) && stop.Value() > startOf(TDuvProgs::Emergency13))
            return first3;
        break;
    case TDuvProgs::Emergency12:
        if (defined(TDuvProgs::Emergency13) && stop.Value() > startOf(TDuvProgs::Emergency13))
            return second3;
        if (defined(TDuvProgs::Emergency11) && start.Value() < stopOf(TDuvProgs::Emergency11))
            return first2;
        break;
    case TDuvProgs::Emergency13:
        if (defined(TDuvProgs::Emergency11) && start.Value() < stopOf(TDuvProgs::Emergency11))
            return first3;
        if (defined(TDuvProgs::Emergency12) && start.Value() < stopOf(TDuvProgs::Emergency12))
            return second3;
        break;
    default:
        break;
    }
    return std::nullopt;
}
} // namespace

ZoneCheckResult CheckZone(const ZoneInput& in, const TDuvProgs& progs) {
    ZoneCheckResult result;
    const int onMin = LeadingInt(in.OnMin), onSec = LeadingInt(in.OnSec);
    const int onTenths = LeadingInt(in.OnMillSec);
    const int offMin = LeadingInt(in.OffMin), offSec = LeadingInt(in.OffSec);
    const int offTenths = LeadingInt(in.OffMillSec);
    const auto outside = [](int value, int last) { return value < 0 || value > last; };

    // Each range check reports on its own, so the user sees every wrong field at once.
    if (outside(onMin, 540) || outside(offMin, 540))
        result.Messages.push_back(QStringLiteral("Должно быть не более 540 минут"));
    if (outside(onSec, 59) || outside(offSec, 59))
        result.Messages.push_back(QStringLiteral("Секунты должны находится в интервале 0..59"));
    if (outside(onTenths, 99) || outside(offTenths, 99))
        result.Messages.push_back(
            QStringLiteral("Миллисекунты должны находится в интервале 0..99"));

    result.Start = TMyTime(onMin, onSec, onTenths);
    result.Stop = TMyTime(offMin, offSec, offTenths);
    if (result.Start.Value() >= result.Stop.Value())
        result.Messages.push_back(QStringLiteral("Старт должен быть раньше останова"));

    if (auto overlap = Overlap(in.ProgIndex, result.Start, result.Stop, progs))
        result.Messages.push_back(*overlap);
    return result;
}

QString ZoneCheckCaption() {
    return QStringLiteral("Проверка времени");
}
