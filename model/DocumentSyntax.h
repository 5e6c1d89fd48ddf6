#pragma once

// Internal to the document reader: line sources and the line-by-line readers shared by the
// stream operators and the whole-document parser.

#include "TDuvProgs.h"
#include "THeader.h"

#include <QString>

#include <iosfwd>
#include <string>
#include <string_view>

namespace DocumentSyntax {

struct Failure {
    int Line = 0;
    QString Message;
};

// Yields lines without their line end (LF, or CR LF); counts them from 1.
class LineSource {
  public:
    virtual ~LineSource() = default;
    // False, with failure filled, when no further line exists.
    bool Next(std::string& line, Failure& failure);
    int Line() const { return line_; }

  protected:
    virtual bool Fetch(std::string& line) = 0;

  private:
    int line_ = 0;
};

class ViewLines final : public LineSource {
  public:
    explicit ViewLines(std::string_view bytes) : rest_(bytes) {}

  protected:
    bool Fetch(std::string& line) override;

  private:
    std::string_view rest_;
};

class StreamLines final : public LineSource {
  public:
    explicit StreamLines(std::istream& in) : in_(in) {}

  protected:
    bool Fetch(std::string& line) override;

  private:
    std::istream& in_;
};

// The C library's atol, saturating instead of overflowing.
int Atol(std::string_view text);

bool ReadHeader(LineSource& lines, THeader& header, Failure& failure);
bool ReadRec(LineSource& lines, TDuvRec& rec, Failure& failure);
bool ReadProg(LineSource& lines, TDuvProg& prog, Failure& failure);
bool ReadProgs(LineSource& lines, TDuvProgs& progs, Failure& failure);

} // namespace DocumentSyntax
