#pragma once

class TDuvProg;

// How the rows of a program window stand for the operation slots of its program: row i is slot
// i, the rows in use come first and the slot under the empty last row is always empty. These
// moves keep that true; nothing in them touches a slot beyond the rows in use plus one.
namespace ProgramSlots {
// The most operation rows a window holds: the device's channel count, never more than a
// program's sixteen slots and never less than none.
int RowLimit(int channelCount) noexcept;
// Moves the used slots (Channel > 0) to the front, keeping their order, and clears the slots
// behind them. Returns how many are in use.
int Compact(TDuvProg& prog);
// Opens an empty slot at `at` (0..rows) of a program with `rows` slots in use (rows < 16): the
// slots at..rows-1 move one down, slot `at` is cleared.
void Insert(TDuvProg& prog, int at, int rows);
// Closes slot `at` (0..rows-1) of a program with `rows` slots in use: the slots below move one
// up and the last slot in use is cleared.
void Erase(TDuvProg& prog, int at, int rows);
} // namespace ProgramSlots
