#include "DocumentStreams.h"

#include "DocumentSyntax.h"

#include <istream>
#include <ostream>

namespace {
constexpr const char* Eol = "\r\n";

// A text as one line of the file. A line feed inside it would split the line and shift every line
// after it, so that the document no longer reads; it is written as a blank instead.
std::string LineOf(const std::string& text, bool emptyAsBlank) {
    if (text.empty())
        return emptyAsBlank ? std::string(" ") : std::string();
    std::string line = text;
    for (char& c : line)
        if (c == '\n')
            c = ' ';
    return line;
}

template <typename T, typename Reader>
std::istream& ReadWith(std::istream& in, T& target, Reader reader) {
    DocumentSyntax::StreamLines lines(in);
    DocumentSyntax::Failure failure;
    if (!reader(lines, target, failure))
        in.setstate(std::ios::failbit);
    return in;
}
} // namespace

std::ostream& operator<<(std::ostream& out, const TDuvRec& rec) {
    out << LineOf(rec.Name, true) << Eol;
    return out << rec.Channel << ' ' << rec.OnTime.Value() << ' ' << rec.OffTime.Value() << Eol;
}

std::ostream& operator<<(std::ostream& out, const TDuvProg& prog) {
    out << LineOf(prog.Name, false) << Eol;
    out << static_cast<int>(prog.Kind) << ' ' << prog.ZoneStart.Value() << ' '
        << prog.ZoneStop.Value() << ' ' << prog.Defined << Eol;
    for (const auto& op : prog.Ops)
        out << op;
    return out;
}

std::ostream& operator<<(std::ostream& out, const TDuvProgs& progs) {
    for (const auto& prog : progs.Progs)
        out << prog;
    return out;
}

std::ostream& operator<<(std::ostream& out, const THeader& header) {
    for (const auto& line : header)
        out << LineOf(line, true) << Eol;
    return out;
}

std::istream& operator>>(std::istream& in, TDuvRec& rec) {
    return ReadWith(in, rec, DocumentSyntax::ReadRec);
}

std::istream& operator>>(std::istream& in, TDuvProg& prog) {
    return ReadWith(in, prog, DocumentSyntax::ReadProg);
}

std::istream& operator>>(std::istream& in, TDuvProgs& progs) {
    return ReadWith(in, progs, DocumentSyntax::ReadProgs);
}

std::istream& operator>>(std::istream& in, THeader& header) {
    return ReadWith(in, header, DocumentSyntax::ReadHeader);
}
