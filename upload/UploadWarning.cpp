#include "UploadWarning.h"

#include <QStringList>

std::optional<QString> UploadWarning(const TDuvProgs& progs, int channelCount) {
    if (channelCount <= 4)
        return std::nullopt;
    QStringList zones;
    for (int zone = 1; zone <= 3; ++zone) {
        const TDuvProg& prog = progs.Prog(zone + 1);
        if (prog.ZoneStart.Value() == TMyTime::TimeUndefined &&
            prog.ZoneStop.Value() == TMyTime::TimeUndefined)
            zones << QString::number(zone);
    }
    if (zones.isEmpty())
        return std::nullopt;
    return QStringLiteral("Не определены аварии для зон: ") + zones.join(QStringLiteral(", ")) +
           QStringLiteral(". Продолжить?");
}
