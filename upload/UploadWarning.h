#pragma once

#include "TDuvProgs.h"

#include <QString>

#include <optional>

// The question asked before the upload dialog opens: the 12-channel model needs the zones of
// emergency programs 1.1..1.3. A zone is undefined when both its words are 0xFFFF.
// "Не определены аварии для зон: 1, 3. Продолжить?", or nothing when every zone is defined or
// the device has 4 channels (or fewer).
std::optional<QString> UploadWarning(const TDuvProgs& progs, int channelCount);
