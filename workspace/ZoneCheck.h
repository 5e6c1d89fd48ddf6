#pragma once

#include "TMyTime.h"

#include <QString>

#include <vector>

class TDuvProgs;

// What the user typed into the zone dialog, and the program slot whose zone it is.
struct ZoneInput {
    QString OnMin, OnSec, OnMillSec;    // start: minutes, seconds, tenths of a second
    QString OffMin, OffSec, OffMillSec; // stop
    int ProgIndex = 0;
};

struct ZoneCheckResult {
    // Every message to show, in order, each with the caption ZoneCheckCaption(); empty when the
    // zone is to be accepted.
    std::vector<QString> Messages;
    TMyTime Start, Stop; // the bounds as read, also when a check failed
};

// Runs the checks of the zone dialog's OK against the other emergency programs of group 1.
ZoneCheckResult CheckZone(const ZoneInput& input, const TDuvProgs& progs);

// The caption of every message of the zone checks.
QString ZoneCheckCaption();
