#pragma once

#include "TMyTime.h"

#include <QStringView>

// A number typed into an edit, read the way the controller's technologists have always typed
// them: leading blanks skipped, an optional sign, then decimal digits up to the first other
// character. Text without digits reads as 0; values beyond the int range saturate.
int LeadingInt(QStringView text) noexcept;

// A time typed as minutes, seconds and tenths of a second, each read with LeadingInt.
TMyTime LeadingTime(QStringView minutes, QStringView seconds, QStringView tenths) noexcept;
