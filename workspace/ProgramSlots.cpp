#include "ProgramSlots.h"

#include "TDuvProg.h"

#include <algorithm>
#include <vector>

namespace ProgramSlots {

int RowLimit(int channelCount) noexcept {
    return std::clamp(channelCount, 0, TDuvProg::OpCount);
}

int Compact(TDuvProg& prog) {
    std::vector<TDuvRec> used;
    for (const TDuvRec& op : prog.Ops)
        if (!op.IsEmpty())
            used.push_back(op);
    for (int i = 0; i < TDuvProg::OpCount; ++i) {
        if (i < static_cast<int>(used.size()))
            prog.Op(i).Assign(used[static_cast<std::size_t>(i)]);
        else if (!prog.Op(i).IsEmpty()) // moved forward; empty slots are left as they were
            prog.Op(i).Clear();
    }
    return static_cast<int>(used.size());
}

void Insert(TDuvProg& prog, int at, int rows) {
    rows = std::clamp(rows, 0, TDuvProg::OpCount - 1);
    at = std::clamp(at, 0, rows);
    for (int s = rows; s > at; --s)
        prog.Op(s).Assign(prog.Op(s - 1));
    prog.Op(at).Clear();
}

void Erase(TDuvProg& prog, int at, int rows) {
    rows = std::clamp(rows, 0, TDuvProg::OpCount);
    if (at < 0 || at >= rows)
        return;
    for (int s = at; s < rows - 1; ++s)
        prog.Op(s).Assign(prog.Op(s + 1));
    prog.Op(rows - 1).Clear();
}

} // namespace ProgramSlots
