#include "Captions.h"

#include "TDuvProg.h"
#include "TDuvProgs.h"
#include "TextCodec.h"

namespace Captions {
namespace {
QString TimeText(TMyTime t) {
    return QString::fromStdString(t.Text());
}
} // namespace

QString DeviceTitle(int channelCount) {
    return channelCount == 4 ? QStringLiteral("КРЖ-4 ДУВ Технолога")
                             : QStringLiteral("КРЖ-12 ДУВ Технолога");
}

QString DocumentTitle(int channelCount, const QString& fileName) {
    return DeviceTitle(channelCount) + QLatin1Char(' ') + fileName;
}

QString ZoneSuffix(const TDuvProg& prog, int slot) {
    if (slot < TDuvProgs::Emergency11 || slot > TDuvProgs::Emergency13)
        return {};
    // Only the start decides: a zone with a start and no stop shows the stop's raw code.
    if (prog.ZoneStart.Value() == TMyTime::TimeUndefined)
        return QStringLiteral("  (интервал не определен)");
    return QStringLiteral("  (%1 - %2)").arg(TimeText(prog.ZoneStart), TimeText(prog.ZoneStop));
}

QString AppliedZoneTitle(const TDuvProg& prog) {
    return TextCodec::ToUnicode(prog.Name) +
           QStringLiteral("  (%1 ... %2)").arg(TimeText(prog.ZoneStart), TimeText(prog.ZoneStop));
}

QString WithDocumentExtension(const QString& chosen) {
    const QString extension = QStringLiteral(".dv3");
    if (chosen.endsWith(extension, Qt::CaseInsensitive))
        return chosen;
    return chosen + extension;
}
} // namespace Captions
