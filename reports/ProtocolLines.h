#pragma once

#include "THeader.h"
#include "TMyTime.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class TDuvProg;
class TDuvProgs;
class TDuvRec;

// The setup protocol as the fixed-pitch lines it is printed from: the header, then one table per
// program. Each string is one band of the report; the report puts line i on page i / PageLines.
class ProtocolLines {
  public:
    static constexpr int PageLines = 55;   // 277 mm of a page over 5.03 mm per band
    static constexpr int HeaderLines = 11; // lines before the first program block
    static constexpr int TableWidth = 77;  // every border, heading and row line of a table

    // The protocol, one string per band.
    QStringList Lines;
    // The lines placed so far as the page-fit rule counts them (it overcounts the preheating block,
    // which is printed last).
    int LineCount = 0;

    // Starts afresh and builds the whole protocol: header, then the main program, emergency
    // programs 1.1 to 1.3 and the preheating program. fileName is shown with A-Z lowered.
    void Build(const TDuvProgs& progs, const THeader& header, const QString& fileName);
    // Appends the block of program slot (0 main, 1 preheating, 2..4 emergency 1.1..1.3) under its
    // title (Windows-1251 bytes), starting a new page first when the estimate does not fit.
    void AddProgramBlock(const TDuvProgs& progs, int slot, const std::string& title);

    // The whole protocol of a document.
    static QStringList Of(const TDuvProgs& progs, const THeader& header, const QString& fileName);

    // A cell value: the first width bytes of value, filled up with blanks to exactly width.
    static std::string Cell(const std::string& value, int width);
    // "Вкл.", "Выкл." or "Неисп." (Windows-1251 bytes) for a preheating state.
    static std::string StateWord(TMyTime value);
    // The rows of a table: for channels 1 to 16 in turn, the first slot on that channel.
    static std::vector<const TDuvRec*> Rows(const TDuvProg& prog);
    // The title line of a printed slot (Windows-1251 bytes).
    static std::string Title(int slot);
};
