#include "ProtocolLines.h"

#include "QStringPrinter.h"

#include "Cp1251Literal.h"
#include "TDuvProgs.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The tables as the printed protocol shows them, typed out here on their own.
const char* const TimeBorder =
    "+---------------------------+----------+-----------+-----------+------------+";
const char* const TimeHeading =
    "| Операция                  | № канала | Время вкл.| Продолж.  | Время выкл.|";
const char* const StateTop =
    "+------------------------------------------------+----------+---------------+";
const char* const StateHeading1 =
    "|                                                |          |   Состояние   |";
const char* const StateHeading2 =
    "| Операция                                       | № канала +-------+-------+";
const char* const StateHeading3 =
    "|                                                |          | Старт | Стоп  |";
const char* const StateBorder =
    "+------------------------------------------------+----------+-------+-------+";
const char* const StateLegend = "Вкл. - ключ замкнут; Выкл. - ключ разомкнут";

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList U(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* line : lines)
        list.append(U(line));
    return list;
}

void SetOp(TDuvProg& prog, int slot, const char* name, int channel, std::uint16_t on,
           std::uint16_t off) {
    TDuvRec& op = prog.Op(slot);
    op.Name = Cp1251Literal(name);
    op.Channel = channel;
    op.OnTime = on;
    op.OffTime = off;
}

// The lines one block adds to an otherwise empty protocol whose count stands at lineCount.
QStringList Block(const TDuvProgs& progs, int slot, int lineCount = ProtocolLines::HeaderLines) {
    ProtocolLines protocol;
    protocol.LineCount = lineCount;
    protocol.AddProgramBlock(progs, slot, ProtocolLines::Title(slot));
    return protocol.Lines;
}

THeader FilledHeader() {
    THeader header;
    const char* const values[8] = {"17",    "05.03.2024", "Летний",  "Шина 175/70 R13",
                                   "БЦ-15", "А",          "ФВ-1500", "№ 4"};
    for (int i = 0; i < 8; ++i)
        header[i] = Cp1251Literal(values[i]);
    return header;
}

} // namespace

TEST(ProtocolLines, tableLinesOfTheTestAreOfTableWidth) {
    for (const char* line : {TimeBorder, TimeHeading, StateTop, StateHeading1, StateHeading2,
                             StateHeading3, StateBorder})
        EXPECT_EQ(U(line).size(), ProtocolLines::TableWidth) << line;
}

TEST(ProtocolLines, emptyDocumentGivesHeadAndBottomBorderOnly) {
    const TDuvProgs progs;
    const QStringList expected = U({
        "ПРОТОКОЛ НАСТРОЙКИ №  от ",
        " ",
        "Имя файла: ",
        " ",
        "Режим вулканизации: ",
        "Вид изделия: ",
        "Модель: ",
        "Исполнение: ",
        "Вулканизационная аппаратура: ",
        "Индивидуальный вулканизатор-форматор: ",
        " ",
        "       Рабочая программа вулканизации",
        TimeBorder,
        TimeHeading,
        TimeBorder,
        TimeBorder,
        "Общая продолжительность: 0:0,0",
        " ",
        "       Аварийная программа 1.1",
        "Интервал времени появления сигнала аварии: Не задан",
        TimeBorder,
        TimeHeading,
        TimeBorder,
        TimeBorder,
        "Общая продолжительность: 0:0,0",
        " ",
        "       Аварийная программа 1.2",
        "Интервал времени появления сигнала аварии: Не задан",
        TimeBorder,
        TimeHeading,
        TimeBorder,
        TimeBorder,
        "Общая продолжительность: 0:0,0",
        " ",
        "       Аварийная программа 1.3",
        "Интервал времени появления сигнала аварии: Не задан",
        TimeBorder,
        TimeHeading,
        TimeBorder,
        TimeBorder,
        "Общая продолжительность: 0:0,0",
        " ",
        "       Режим прогрева форматора",
        StateTop,
        StateHeading1,
        StateHeading2,
        StateHeading3,
        StateBorder,
        StateBorder,
        StateLegend,
    });
    ProtocolLines protocol;
    protocol.Build(progs, THeader{}, QString());
    EXPECT_EQ(protocol.Lines, expected);
    // 11 header lines, 7 for the main block, 8 for each emergency block, 10 for preheating.
    EXPECT_EQ(protocol.LineCount, 11 + 7 + 3 * 8 + 10);
}

TEST(ProtocolLines, headerLinesCarryTheHeaderAndTheFileNameWithLatinLowered) {
    const QString fileName = U("C:\\Документы ОТК\\PRESS-Шина №2.DV3");
    ProtocolLines protocol;
    protocol.Build(TDuvProgs{}, FilledHeader(), fileName);
    const QStringList expected = U({
        "ПРОТОКОЛ НАСТРОЙКИ № 17 от 05.03.2024",
        " ",
        "Имя файла: c:\\Документы ОТК\\press-Шина №2.dv3",
        " ",
        "Режим вулканизации: Летний",
        "Вид изделия: Шина 175/70 R13",
        "Модель: БЦ-15",
        "Исполнение: А",
        "Вулканизационная аппаратура: ФВ-1500",
        "Индивидуальный вулканизатор-форматор: № 4",
        " ",
    });
    EXPECT_EQ(protocol.Lines.mid(0, ProtocolLines::HeaderLines), expected);
    EXPECT_EQ(fileName, U("C:\\Документы ОТК\\PRESS-Шина №2.DV3")); // the caller's is untouched
}

TEST(ProtocolLines, fileNameOutsideWindows1251IsShownAsItIs) {
    const QStringList lines = ProtocolLines::Of(TDuvProgs{}, THeader{}, U("/home/ИВАН/日本/A.dv3"));
    EXPECT_EQ(lines[2], U("Имя файла: /home/ИВАН/日本/a.dv3"));
}

TEST(ProtocolLines, buildStartsAfreshEveryTime) {
    TDuvProgs progs;
    SetOp(progs.Prog(0), 0, "Подача пара", 1, 0, 240);
    ProtocolLines protocol;
    protocol.Build(progs, FilledHeader(), U("a.dv3"));
    const QStringList first = protocol.Lines;
    const int firstCount = protocol.LineCount;
    protocol.Build(progs, FilledHeader(), U("a.dv3"));
    EXPECT_EQ(protocol.Lines, first);
    EXPECT_EQ(protocol.LineCount, firstCount);
}

struct CellCase {
    const char* value;
    int width;
    const char* cell;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << '"' << c.value << "\" width " << c.width;
}

class ProtocolCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(ProtocolCell, cutsOrPadsToExactlyTheWidth) {
    const auto& c = GetParam();
    EXPECT_EQ(ProtocolLines::Cell(Cp1251Literal(c.value), c.width), Cp1251Literal(c.cell));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ProtocolCell,
    ::testing::Values(CellCase{"", 3, "   "},          // an empty value is all blanks
                      CellCase{"ab", 5, "ab   "},      // shorter: left-aligned
                      CellCase{"abcde", 5, "abcde"},   // exactly the width
                      CellCase{"abcdefg", 5, "abcde"}, // longer: cut
                      CellCase{"Пар", 4, "Пар "},      // Cyrillic letters are one byte each
                      CellCase{"Подача", 3, "Под"}));  // and are cut by characters

TEST(ProtocolLines, timeRowsShowNameChannelTimesAndDuration) {
    TDuvProgs progs;
    SetOp(progs.Prog(0), 0, "Подача пара", 3, TMyTime(1, 30, 5).Value(), TMyTime(2, 0, 0).Value());
    const QStringList block = Block(progs, 0);
    EXPECT_EQ(block[4],
              U("| Подача пара               | 3        | 1:30,5    | 0:29,5    | 2:0,0      |"));
    EXPECT_EQ(block[6], U("Общая продолжительность: 2:0,0"));
}

TEST(ProtocolLines, durationIsTheUnsignedDifference) {
    TDuvProgs progs;
    SetOp(progs.Prog(0), 0, "x", 1, 10, 4); // ends before it starts: 65530 half-seconds
    EXPECT_EQ(Block(progs, 0)[4],
              U("| x                         | 1        | 0:5,0     | 546:5,0   | 0:2,0      |"));
}

struct NameCase {
    int slot;
    const char* name;
    const char* row;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << "slot " << c.slot << " \"" << c.name << '"';
}

class ProtocolNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProtocolNames, areCutOrPaddedToTheirCell) {
    const auto& c = GetParam();
    TDuvProgs progs;
    if (c.slot == TDuvProgs::Preheat)
        SetOp(progs.Prog(c.slot), 0, c.name, 2, TMyTime::StateOn, TMyTime::StateOff);
    else
        SetOp(progs.Prog(c.slot), 0, c.name, 2, 0, 2);
    const QStringList block = Block(progs, c.slot);
    const int firstRow = c.slot == TDuvProgs::Preheat ? 6 : c.slot == TDuvProgs::Main ? 4 : 5;
    EXPECT_EQ(block[firstRow], U(c.row));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ProtocolNames,
    ::testing::Values(
        // a 27-character name loses its last character in the time table
        NameCase{0, "Подача пара в диафрагму №12",
                 "| Подача пара в диафрагму №1| 2        | 0:0,0     | 0:1,0     | 0:1,0      |"},
        // a one-character name is followed by 25 blanks
        NameCase{2, "Я",
                 "| Я                         | 2        | 0:0,0     | 0:1,0     | 0:1,0      |"},
        // exactly 26 characters fill the cell
        NameCase{4, "abcdefghijklmnopqrstuvwxyz",
                 "| abcdefghijklmnopqrstuvwxyz| 2        | 0:0,0     | 0:1,0     | 0:1,0      |"},
        // the state table keeps 47 characters
        NameCase{1, "Прогрев верхней полуформы и нижней полуформы пресса",
                 "| Прогрев верхней полуформы и нижней полуформы пр| 2        | Вкл.  | Выкл. |"},
        // a one-character name is followed by 46 blanks
        NameCase{1, "Я",
                 "| Я                                              | 2        | Вкл.  | Выкл. |"}));

struct ZoneCase {
    std::uint16_t start, stop;
    const char* line;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
    *os << "zone " << c.start << ".." << c.stop;
}

class ProtocolInterval : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(ProtocolInterval, showsWholeMinutesOrNotSet) {
    const auto& c = GetParam();
    TDuvProgs progs;
    progs.Prog(3).ZoneStart = c.start;
    progs.Prog(3).ZoneStop = c.stop;
    const QStringList block = Block(progs, 3);
    EXPECT_EQ(block[0], U("       Аварийная программа 1.2"));
    EXPECT_EQ(block[1], U(c.line));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ProtocolInterval,
    ::testing::Values(
        // no zone at all
        ZoneCase{0xFFFF, 0xFFFF, "Интервал времени появления сигнала аварии: Не задан"},
        // an undefined start hides whatever the stop holds
        ZoneCase{0xFFFF, 600, "Интервал времени появления сигнала аварии: Не задан"},
        ZoneCase{0xFFFF, 0, "Интервал времени появления сигнала аварии: Не задан"},
        // 1:30,0 to 5:59,5 shows whole minutes only
        ZoneCase{TMyTime(1, 30, 0).Value(), TMyTime(5, 59, 5).Value(),
                 "Интервал времени появления сигнала аварии: 1 мин. - 5 мин."},
        // a zone at the very start
        ZoneCase{0, 119, "Интервал времени появления сигнала аварии: 0 мин. - 0 мин."},
        // only the start decides: an undefined stop prints as the minutes of 0xFFFF
        ZoneCase{240, 0xFFFF, "Интервал времени появления сигнала аварии: 2 мин. - 546 мин."}));

TEST(ProtocolLines, titlesBeginWithSevenSpaces) {
    EXPECT_EQ(ProtocolLines::Title(0), Cp1251Literal("       Рабочая программа вулканизации"));
    EXPECT_EQ(ProtocolLines::Title(1), Cp1251Literal("       Режим прогрева форматора"));
    EXPECT_EQ(ProtocolLines::Title(2), Cp1251Literal("       Аварийная программа 1.1"));
    EXPECT_EQ(ProtocolLines::Title(3), Cp1251Literal("       Аварийная программа 1.2"));
    EXPECT_EQ(ProtocolLines::Title(4), Cp1251Literal("       Аварийная программа 1.3"));
}

TEST(ProtocolLines, mainAndPreheatingBlocksHaveNoIntervalLine) {
    TDuvProgs progs;
    progs.Prog(0).ZoneStart = 0;
    progs.Prog(1).ZoneStart = 0;
    EXPECT_EQ(Block(progs, 0)[1], U(TimeBorder));
    EXPECT_EQ(Block(progs, 1)[1], U(StateTop));
}

struct StateCase {
    std::uint16_t value;
    const char* word;
};

void PrintTo(const StateCase& c, std::ostream* os) {
    *os << "value " << c.value;
}

class ProtocolStateWord : public ::testing::TestWithParam<StateCase> {};

TEST_P(ProtocolStateWord, namesOnlyTheTwoStates) {
    const auto& c = GetParam();
    EXPECT_EQ(ProtocolLines::StateWord(c.value), Cp1251Literal(c.word));
}

INSTANTIATE_TEST_SUITE_P(Examples, ProtocolStateWord,
                         ::testing::Values(StateCase{0xFFFE, "Вкл."},   // StateOn
                                           StateCase{0xFFFD, "Выкл."},  // StateOff
                                           StateCase{0xFFFF, "Неисп."}, // not set
                                           StateCase{0, "Неисп."},      // a time
                                           StateCase{181, "Неисп."}));  // a time

TEST(ProtocolLines, stateTableShowsUnusedForTimes) {
    TDuvProgs progs;
    SetOp(progs.Prog(1), 0, "Пар", 5, TMyTime::TimeUndefined, 120);
    const QStringList block = Block(progs, 1);
    EXPECT_EQ(block[6],
              U("| Пар                                            | 5        | Неисп.| Неисп.|"));
    EXPECT_EQ(block.size(), 9); // no total line and no closing blank line
    EXPECT_EQ(block[7], U(StateBorder));
    EXPECT_EQ(block[8], U(StateLegend));
}

TEST(ProtocolLines, rowsGoByChannelFirstSlotWinsAndOnlyChannels1To16) {
    TDuvProgs progs;
    TDuvProg& prog = progs.Prog(0);
    SetOp(prog, 0, "c16", 16, 0, 2);
    SetOp(prog, 1, "c0", 0, 0, 2000);   // an empty slot
    SetOp(prog, 2, "neg", -1, 0, 2000); // a negative channel
    SetOp(prog, 3, "c17", 17, 0, 2000); // above 16
    SetOp(prog, 4, "c13 first", 13, 0, 2);
    SetOp(prog, 5, "c1", 1, 0, 2);
    SetOp(prog, 6, "c13 second", 13, 0, 4000); // same channel in a higher slot
    SetOp(prog, 15, "c14", 14, 0, 2);
    const auto rows = ProtocolLines::Rows(prog);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], &prog.Op(5));
    EXPECT_EQ(rows[1], &prog.Op(4));
    EXPECT_EQ(rows[2], &prog.Op(15));
    EXPECT_EQ(rows[3], &prog.Op(0));

    const QStringList block = Block(progs, 0);
    ASSERT_EQ(block.size(), 7 + 4);
    EXPECT_TRUE(block[4].startsWith(U("| c1 ")));
    EXPECT_TRUE(block[5].startsWith(U("| c13 first ")));
    EXPECT_TRUE(block[6].startsWith(U("| c14 ")));
    EXPECT_TRUE(block[7].startsWith(U("| c16 ")));
    // Rows that are not printed do not count for the total either.
    EXPECT_EQ(block[9], U("Общая продолжительность: 0:1,0"));
}

TEST(ProtocolLines, totalIsTheLargestOffTimeAsUnsigned) {
    TDuvProgs progs;
    SetOp(progs.Prog(2), 0, "a", 1, 0, 600);
    SetOp(progs.Prog(2), 1, "b", 2, 0, TMyTime::TimeUndefined);
    SetOp(progs.Prog(2), 2, "c", 3, 0, 1200);
    EXPECT_EQ(Block(progs, 2)[9], U("Общая продолжительность: 546:7,5"));
}

TEST(ProtocolLines, emergencyPrograms21To33AreNeverPrinted) {
    TDuvProgs progs;
    for (int slot = 5; slot < TDuvProgs::ProgCount; ++slot) {
        progs.Prog(slot).Defined = 1;
        progs.Prog(slot).ZoneStart = 0;
        progs.Prog(slot).ZoneStop = 120;
        SetOp(progs.Prog(slot), 0, "Скрытая операция", 1, 0, 2);
    }
    const QStringList lines = ProtocolLines::Of(progs, THeader{}, QString());
    EXPECT_EQ(lines.size(), 50); // the same as an empty document
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains(U("Скрытая"))) << line.toStdString();
        EXPECT_FALSE(line.contains(U("мин."))) << line.toStdString();
    }
}

TEST(ProtocolLines, everyTableLineIsOfTableWidth) {
    // Full tables, over-long names, the widest numbers and times.
    TDuvProgs progs;
    for (int slot = 0; slot <= 4; ++slot) {
        for (int i = 0; i < TDuvProg::OpCount; ++i)
            SetOp(progs.Prog(slot), i, "Очень длинное название операции, которое не поместится",
                  i + 1, slot == 1 ? TMyTime::StateOn : 65000, slot == 1 ? 181 : 65532);
    }
    const QStringList lines = ProtocolLines::Of(progs, FilledHeader(), U("x.dv3"));
    int tableLines = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('+')) || line.startsWith(QLatin1Char('|'))) {
            EXPECT_EQ(line.size(), ProtocolLines::TableWidth) << line.toStdString();
            ++tableLines;
        }
    }
    EXPECT_EQ(tableLines, 4 * (4 + 16) + (6 + 16));
}

struct FitCase {
    int lineCount; // before the block
    int slot;
    int rows;
    int blanks; // single-space lines put before the block
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << "count " << c.lineCount << " slot " << c.slot << " rows " << c.rows;
}

class ProtocolPageFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(ProtocolPageFit, movesABlockThatDoesNotFitToTheNextPage) {
    const auto& c = GetParam();
    TDuvProgs progs;
    for (int i = 0; i < c.rows; ++i)
        SetOp(progs.Prog(c.slot), i, "op", i + 1, c.slot == 1 ? TMyTime::StateOn : 0, 2);
    ProtocolLines protocol;
    protocol.LineCount = c.lineCount;
    protocol.AddProgramBlock(progs, c.slot, ProtocolLines::Title(c.slot));

    const int estimate = c.rows + (c.slot == 0 ? 7 : c.slot == 1 ? 10 : 8);
    const int realLines = c.rows + (c.slot == 0 ? 7 : 8);
    ASSERT_EQ(protocol.Lines.size(), c.blanks + realLines);
    for (int i = 0; i < c.blanks; ++i)
        EXPECT_EQ(protocol.Lines[i], U(" "));
    EXPECT_EQ(protocol.Lines[c.blanks], TextCodec::ToUnicode(ProtocolLines::Title(c.slot)));
    EXPECT_EQ(protocol.LineCount, c.lineCount + c.blanks + estimate);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ProtocolPageFit,
    ::testing::Values(FitCase{50, 0, 5, 5},  // estimate 12 with 5 left: to the next page
                      FitCase{43, 0, 5, 0},  // 12 left for an estimate of 12: fits exactly
                      FitCase{44, 0, 5, 11}, // one line short
                      FitCase{43, 1, 3, 12}, // preheating: 11 real lines, estimate 13, 12 left
                      FitCase{42, 1, 3, 0},  // preheating: 13 left
                      FitCase{42, 2, 5, 0},  // emergency: estimate 13, 13 left
                      FitCase{43, 3, 5, 12}, // emergency: estimate 13, 12 left
                      FitCase{105, 0, 5, 5}, // the rule works on the page, not on the count
                      FitCase{55, 0, 16, 0}, // the top of a page takes any block
                      FitCase{0, 1, 16, 0}));

TEST(ProtocolLines, fullDocumentKeepsEveryBlockOnOnePage) {
    TDuvProgs progs;
    for (int slot = 0; slot <= 4; ++slot) {
        for (int i = 0; i < TDuvProg::OpCount; ++i)
            SetOp(progs.Prog(slot), i, "op", i + 1, slot == 1 ? TMyTime::StateOff : 0, 2);
    }
    const QStringList lines = ProtocolLines::Of(progs, FilledHeader(), U("x.dv3"));
    // Main 11..33; 21 blanks; 1.1 55..78; 1.2 79..102; 7 blanks; 1.3 110..133; preheating 134..157.
    struct Expected {
        int slot, first, length;
    };
    for (const Expected& e : {Expected{0, 11, 23}, Expected{2, 55, 24}, Expected{3, 79, 24},
                              Expected{4, 110, 24}, Expected{1, 134, 24}}) {
        EXPECT_EQ(lines[e.first], TextCodec::ToUnicode(ProtocolLines::Title(e.slot))) << e.slot;
        EXPECT_EQ(e.first / ProtocolLines::PageLines,
                  (e.first + e.length - 1) / ProtocolLines::PageLines)
            << e.slot;
    }
    EXPECT_EQ(lines.size(), 158);
    for (int i : {34, 54, 103, 109})
        EXPECT_EQ(lines[i], U(" ")) << i;
}
