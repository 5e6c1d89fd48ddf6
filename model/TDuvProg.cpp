#include "TDuvProg.h"

void TDuvProg::Clear() {
    Defined = 0;
    ZoneStart = TMyTime::TimeUndefined;
    ZoneStop = TMyTime::TimeUndefined;
    for (auto& op : Ops)
        op.Clear();
}
