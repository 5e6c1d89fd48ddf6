#include "DocumentStreams.h"

#include "DocumentSamples.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

using namespace DocumentSamples;

namespace {
TDuvRec SampleRec() {
    TDuvRec rec;
    rec.Name = Cp1251Literal("Подача пара");
    rec.Channel = 3;
    rec.OnTime = 10;
    rec.OffTime = 30;
    return rec;
}

TDuvProg SampleProg() {
    return FilledDocument().Progs.Prog(TDuvProgs::Emergency11);
}

std::istringstream In(const std::string& bytes) {
    return std::istringstream(bytes, std::ios::binary);
}
} // namespace

// ---- writers ----------------------------------------------------------------------------------

TEST(DocumentStreams, recordIsWrittenAsNameLineAndNumberLine) {
    EXPECT_EQ(Written(SampleRec()), Cp1251Literal("Подача пара") + "\r\n3 10 30\r\n");
    TDuvRec empty;
    empty.Name.clear();
    empty.Channel = -5;
    EXPECT_EQ(Written(empty), " \r\n-5 65535 65535\r\n");
    TDuvRec preheat;
    preheat.Name = "x";
    preheat.OnTime = TMyTime::StateOn;
    preheat.OffTime = TMyTime::StateOff;
    EXPECT_EQ(Written(preheat), "x\r\n0 65534 65533\r\n");
}

TEST(DocumentStreams, programIsWrittenAsTwoLinesAndSixteenRecords) {
    TDuvProg prog = SampleProg();
    const auto lines = CrLfLines(Written(prog));
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], Cp1251Literal("Программа 2"));
    EXPECT_EQ(lines[1], "2 200 250 1");
    std::string records;
    for (const auto& op : prog.Ops)
        records += Written(op);
    EXPECT_EQ(Join(lines, 34).substr(Join(lines, 2).size()), records);

    prog.Name.clear();
    EXPECT_EQ(CrLfLines(Written(prog))[0], "");
}

TEST(DocumentStreams, programSetIsWrittenAsElevenProgramsInSlotOrder) {
    const TDuvProgs progs = FilledDocument().Progs;
    std::string expected;
    for (const auto& prog : progs.Progs)
        expected += Written(prog);
    EXPECT_EQ(Written(progs), expected);
    EXPECT_EQ(CrLfLines(expected).size(), 374u);
}

TEST(DocumentStreams, headerIsWrittenAsEightLines) {
    THeader header;
    header[0] = "17";
    header[7] = Cp1251Literal("Пресс 3");
    EXPECT_EQ(Written(header),
              "17\r\n \r\n \r\n \r\n \r\n \r\n \r\n" + Cp1251Literal("Пресс 3") + "\r\n");
}

// ---- readers: what is written reads back, from CR LF and from LF ------------------------------

class DocumentStreamsLineEnds : public ::testing::TestWithParam<const char*> {
  protected:
    // The text as written, with the line ends of the parameter.
    static std::string With(const std::string& written) {
        return Join(CrLfLines(written), GetParam());
    }
};

TEST_P(DocumentStreamsLineEnds, recordReadsBack) {
    auto in = In(With(Written(SampleRec())));
    TDuvRec rec;
    ASSERT_TRUE(in >> rec);
    EXPECT_EQ(Written(rec), Written(SampleRec()));
}

TEST_P(DocumentStreamsLineEnds, programReadsBackKeepingItsKind) {
    auto in = In(With(Written(SampleProg())));
    TDuvProg prog;
    prog.Kind = 9;
    ASSERT_TRUE(in >> prog);
    EXPECT_EQ(prog.Kind, 9); // the kind on file (2) is not taken
    prog.Kind = SampleProg().Kind;
    EXPECT_EQ(Written(prog), Written(SampleProg()));
}

TEST_P(DocumentStreamsLineEnds, programSetReadsBack) {
    const TDuvProgs expected = FilledDocument().Progs;
    auto in = In(With(Written(expected)));
    TDuvProgs progs;
    ASSERT_TRUE(in >> progs);
    EXPECT_EQ(Written(progs), Written(expected));
}

TEST_P(DocumentStreamsLineEnds, headerReadsBack) {
    const THeader expected = FilledDocument().Header;
    auto in = In(With(Written(expected)));
    THeader header;
    ASSERT_TRUE(in >> header);
    EXPECT_EQ(header, expected);
}

TEST_P(DocumentStreamsLineEnds, readersChainAndStopAtTheirLastLine) {
    const TDuvDocument doc = FilledDocument();
    auto in = In(With(Written(doc.Header) + Written(doc.Progs.Prog(3).Op(0)) +
                      Written(doc.Progs.Prog(3).Op(1)) + Written(doc.Progs)));
    THeader header;
    TDuvRec first, second;
    TDuvProgs progs;
    ASSERT_TRUE(in >> header >> first >> second >> progs);
    EXPECT_EQ(header, doc.Header);
    EXPECT_EQ(Written(first), Written(doc.Progs.Prog(3).Op(0)));
    EXPECT_EQ(Written(second), Written(doc.Progs.Prog(3).Op(1)));
    EXPECT_EQ(Written(progs), Written(doc.Progs));
    EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
}

INSTANTIATE_TEST_SUITE_P(LineEnds, DocumentStreamsLineEnds,
                         ::testing::Values("\r\n", // as written
                                           "\n"),  // as another system writes
                         [](const auto& info) { return info.index == 0 ? "CrLf" : "Lf"; });

TEST(DocumentStreams, lastLineWithoutLineEndIsRead) {
    auto in = In("name\r\n4 1 2");
    TDuvRec rec;
    ASSERT_TRUE(in >> rec);
    EXPECT_EQ(rec.Channel, 4);
    EXPECT_EQ(rec.OffTime.Value(), 2);
}

// ---- readers: bad input sets failbit and leaves the target as it was --------------------------

struct StreamFailCase {
    const char* what;
    std::string input;
    // Reads input into a filled target; true when the target did not change.
    std::function<bool(std::istream&)> readLeavesTargetAlone;
};

void PrintTo(const StreamFailCase& c, std::ostream* os) {
    *os << c.what;
}

template <typename T> std::function<bool(std::istream&)> Reader(T filled) {
    return [filled](std::istream& in) {
        T target = filled;
        in >> target;
        return Written(target) == Written(filled);
    };
}

class DocumentStreamsBadInput : public ::testing::TestWithParam<StreamFailCase> {};

TEST_P(DocumentStreamsBadInput, setsFailbitAndLeavesTargetAlone) {
    auto in = In(GetParam().input);
    EXPECT_TRUE(GetParam().readLeavesTargetAlone(in));
    EXPECT_TRUE(in.fail());
}

namespace {
std::string GoodProg() {
    return Written(SampleProg());
}
std::string GoodProgs() {
    return Written(FilledDocument().Progs);
}
std::string Cut(const std::string& text, std::size_t lines) {
    return Join(CrLfLines(text), lines);
}
std::string Replace(const std::string& text, std::size_t index, const std::string& line) {
    auto lines = CrLfLines(text);
    lines[index] = line;
    return Join(lines);
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentStreamsBadInput,
    ::testing::Values(
        // nothing to read
        StreamFailCase{"recordFromEmptyStream", "", Reader(SampleRec())},
        // a name without numbers
        StreamFailCase{"recordWithoutNumbers", "name\r\n", Reader(SampleRec())},
        // a channel that is no number
        StreamFailCase{"recordBadChannel", "name\r\nx 1 2\r\n", Reader(SampleRec())},
        // a time beyond 16 bits
        StreamFailCase{"recordTimeTooLarge", "name\r\n1 65536 2\r\n", Reader(SampleRec())},
        // a negative time
        StreamFailCase{"recordNegativeTime", "name\n1 -1 2\n", Reader(SampleRec())},
        // two numbers where three belong
        StreamFailCase{"recordTooFewNumbers", "name\r\n1 2\r\n", Reader(SampleRec())},
        // the program's own numbers malformed
        StreamFailCase{"programBadDefined", Replace(GoodProg(), 1, "2 200 250 x"),
                       Reader(SampleProg())},
        // the program's last record missing its numbers: nothing of the program is taken
        StreamFailCase{"programCutInLastRecord", Cut(GoodProg(), 33), Reader(SampleProg())},
        // a bad record in the middle of a program
        StreamFailCase{"programBadRecord", Replace(GoodProg(), 11, "1 2 3 4"),
                       Reader(SampleProg())},
        // the program set ends in its last program
        StreamFailCase{"programSetCut", Cut(GoodProgs(), 373), Reader(FilledDocument().Progs)},
        // a zone beyond 16 bits in the last program
        StreamFailCase{"programSetBadZone", Replace(GoodProgs(), 341, "10 70000 0 0"),
                       Reader(FilledDocument().Progs)},
        // seven header lines where eight belong
        StreamFailCase{"headerSevenLines", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n",
                       Reader(FilledDocument().Header)},
        // nothing where a header belongs
        StreamFailCase{"headerFromEmptyStream", "", Reader(FilledDocument().Header)}),
    [](const ::testing::TestParamInfo<StreamFailCase>& info) { return info.param.what; });

TEST(DocumentStreams, readerOnAFailedStreamChangesNothing) {
    auto in = In("bad\r\nx 1 2\r\n" + Written(SampleRec()));
    TDuvRec first = SampleRec(), second;
    second.Name = "untouched";
    in >> first >> second;
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(Written(first), Written(SampleRec()));
    EXPECT_EQ(second.Name, "untouched");
}
