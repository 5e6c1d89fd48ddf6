#pragma once

#include "TDuvProgs.h"
#include "THeader.h"

#include <iosfwd>

// Stream writers and readers of the document format, in four granularities. Streams should be
// opened in binary mode: writers end every line with CR LF; readers take CR LF and LF alike.
// A reader that meets a missing line, a malformed or out-of-range number sets failbit and leaves
// its target unchanged.
std::ostream& operator<<(std::ostream& out, const TDuvRec& rec);
std::ostream& operator<<(std::ostream& out, const TDuvProg& prog);
std::ostream& operator<<(std::ostream& out, const TDuvProgs& progs);
std::ostream& operator<<(std::ostream& out, const THeader& header);

std::istream& operator>>(std::istream& in, TDuvRec& rec);
std::istream& operator>>(std::istream& in, TDuvProg& prog);
std::istream& operator>>(std::istream& in, TDuvProgs& progs);
std::istream& operator>>(std::istream& in, THeader& header);
