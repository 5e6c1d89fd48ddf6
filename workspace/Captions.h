#pragma once

#include <QString>

class TDuvProg;

// The titles of the main window and of the program windows, and the name a saved document gets.
namespace Captions {
// "КРЖ-4 ДУВ Технолога" when channelCount is 4, "КРЖ-12 ДУВ Технолога" for every other count.
QString DeviceTitle(int channelCount);
// The device title, a blank and the file name (the blank stays when there is no file name).
QString DocumentTitle(int channelCount, const QString& fileName);
// What follows an emergency program's name in its window title: "  (интервал не определен)"
// while ZoneStart is undefined, else "  (start - stop)". Empty for slots 0 and 1 and beyond 4.
QString ZoneSuffix(const TDuvProg& prog, int slot);
// The title after a zone was applied: "name  (start ... stop)".
QString AppliedZoneTitle(const TDuvProg& prog);
// The chosen name, with ".dv3" added unless it already ends in it (in any letter case).
QString WithDocumentExtension(const QString& chosen);
} // namespace Captions
