#include "DocumentFile.h"

#include "DocumentSamples.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <climits>
#include <csignal>
#include <functional>
#include <string>

using namespace DocumentSamples;

namespace {

// Documents live in a folder whose name has spaces and Cyrillic letters, as on a shop PC.
class DocumentFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        ASSERT_TRUE(QDir(tmp_.path()).mkpath(folder_));
    }
    QString Path(const QString& name) const {
        return QDir(tmp_.path()).filePath(folder_ + QLatin1Char('/') + name);
    }
    static std::string Bytes(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    static void Put(const QString& path, std::string_view bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }
    QStringList Entries() const {
        return QDir(QDir(tmp_.path()).filePath(folder_))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir tmp_;
    const QString folder_ = QStringLiteral("Пресс №3 документы");
};

const std::string MainName = "\xCE\xF1\xED\xEE\xE2\xED\xE0\xFF \xF0\xE0\xE1\xEE\xF7\xE0\xFF "
                             "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0"; // Основная рабочая программа
const std::string PreheatName = "\xCF\xF0\xEE\xE3\xF0\xE5\xE2"; // Прогрев
const std::string LastName = "\xC0\xE2\xE0\xF0\xE8\xE9\xED\xE0\xFF "
                             "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xE0 3.3"; // Аварийная программа 3.3

} // namespace

TEST(DocumentFile, freshDocumentStartsAsTheWorkstationWritesIt) {
    std::string start = "12\r\n";
    for (int i = 0; i < 8; ++i)
        start += " \r\n";
    start += MainName + "\r\n0 65535 65535 1\r\n";
    for (int i = 0; i < 16; ++i)
        start += "Untitled Operation\r\n0 65535 65535\r\n";
    start += PreheatName + "\r\n1 65535 65535 0\r\n";

    const std::string bytes = DocumentFile::Serialize(FreshDocument());
    EXPECT_EQ(bytes.substr(0, start.size()), start);

    const auto lines = CrLfLines(bytes);
    ASSERT_EQ(lines.size(), 383u);
    EXPECT_EQ(lines[349], LastName);
    EXPECT_EQ(lines[350], "10 65535 65535 0");
    EXPECT_EQ(lines[381], "Untitled Operation");
    EXPECT_EQ(lines[382], "0 65535 65535");
}

TEST(DocumentFile, freshDocumentFollowsTheLayoutLineByLine) {
    std::vector<std::string> expected = {"12"};
    expected.insert(expected.end(), 8, " ");
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        expected.push_back(TDuvProgs::DefaultName(s));
        expected.push_back(std::to_string(s) + " 65535 65535 " + (s == 0 ? "1" : "0"));
        for (int i = 0; i < TDuvProg::OpCount; ++i) {
            expected.push_back("Untitled Operation");
            expected.push_back("0 65535 65535");
        }
    }
    EXPECT_EQ(CrLfLines(DocumentFile::Serialize(FreshDocument())), expected);
}

// ---- write, read, write again -------------------------------------------------------------

struct RoundTripCase {
    const char* what;
    std::function<void(TDuvDocument&)> fill;
};

// What the reader gives back: empty header lines and operation names come back as one space.
TDuvDocument AsReadBack(TDuvDocument doc) {
    for (auto& line : doc.Header)
        if (line.empty())
            line = " ";
    for (auto& prog : doc.Progs.Progs)
        for (auto& op : prog.Ops)
            if (op.Name.empty())
                op.Name = " ";
    return doc;
}

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.what;
}

class DocumentRoundTrip : public DocumentFileTest,
                          public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(DocumentRoundTrip, writeReadWriteGivesTheSameBytes) {
    TDuvDocument doc = FreshDocument();
    GetParam().fill(doc);
    const QString path = Path(QStringLiteral("Документ 1 (копия).dv3"));
    ASSERT_FALSE(DocumentFile::Write(path, doc));
    const std::string first = Bytes(path);
    EXPECT_EQ(CrLfLines(first).size(), 383u);

    TDuvDocument back = FilledDocument();
    const auto error = DocumentFile::Read(path, back);
    ASSERT_FALSE(error) << error->Text().toStdString();
    ExpectSameDocument(back, AsReadBack(doc));

    const QString again = Path(QStringLiteral("Документ 2.dv3"));
    ASSERT_FALSE(DocumentFile::Write(again, back));
    EXPECT_EQ(Bytes(again), first);
}

namespace {
std::string AllBytesButLineFeed() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        if (b != '\n')
            bytes.push_back(static_cast<char>(b));
    return bytes;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Documents, DocumentRoundTrip,
    ::testing::Values(
        // the document as the workstation creates it
        RoundTripCase{"fresh", [](TDuvDocument&) {}},
        // the 4-channel device
        RoundTripCase{"fourChannels", [](TDuvDocument& d) { d.ChannelCount = 4; }},
        // every field away from its default
        RoundTripCase{"filled", [](TDuvDocument& d) { d = FilledDocument(); }},
        // Russian texts everywhere, Windows-1251 bytes
        RoundTripCase{"cyrillicNames",
                      [](TDuvDocument& d) {
                          d.Header[2] = Cp1251Literal("Режим вулканизации «Ёлка» №7");
                          d.Progs.Prog(0).Name = Cp1251Literal("Шина 175/70 R13");
                          d.Progs.Prog(0).Op(0).Name = Cp1251Literal("Подача пара в диафрагму");
                          d.Progs.Prog(0).Op(0).Channel = 1;
                      }},
        // blanks inside and around names are kept
        RoundTripCase{"namesWithSpaces",
                      [](TDuvDocument& d) {
                          d.Header[0] = "  12 / 3  ";
                          d.Progs.Prog(2).Name = " emergency  one ";
                          d.Progs.Prog(2).Op(5).Name = "  open   valve 3 ";
                      }},
        // empty texts everywhere
        RoundTripCase{"emptyTexts",
                      [](TDuvDocument& d) {
                          d.Header.Clear();
                          d.Progs.Prog(0).Name.clear();
                          d.Progs.Prog(10).Name.clear();
                          d.Progs.Prog(0).Op(0).Name.clear();
                          d.Progs.Prog(10).Op(15).Name.clear();
                      }},
        // a text of one space is not mistaken for an empty one
        RoundTripCase{"singleSpaceTexts",
                      [](TDuvDocument& d) {
                          d.Header[7] = " ";
                          d.Progs.Prog(1).Name = " ";
                          d.Progs.Prog(1).Op(1).Name = " ";
                      }},
        // the longest line the original reader held, and longer ones, are read whole
        RoundTripCase{"longLines",
                      [](TDuvDocument& d) {
                          d.Header[0] = std::string(79, 'x');
                          d.Header[1] = std::string(80, 'y');
                          d.Header[2] = std::string(5000, 'z');
                          d.Progs.Prog(0).Name = std::string(1023, 'n');
                          d.Progs.Prog(1).Name = std::string(1024, 'm');
                          d.Progs.Prog(0).Op(0).Name = std::string(1023, 'o');
                          d.Progs.Prog(0).Op(1).Name = std::string(70000, 'p');
                      }},
        // bytes with no letter behind them (0x98), control bytes, NUL, lone CRs
        RoundTripCase{"everyByteButLineFeed",
                      [](TDuvDocument& d) {
                          d.Header[3] = AllBytesButLineFeed();
                          d.Progs.Prog(3).Name = "a\x98z";
                          d.Progs.Prog(3).Op(3).Name = AllBytesButLineFeed();
                          d.Progs.Prog(4).Op(4).Name = "ends in CR\r";
                          d.Progs.Prog(4).Name = "\r";
                      }},
        // preheating states: on, off, not set, in every combination
        RoundTripCase{"preheatingCodes",
                      [](TDuvDocument& d) {
                          const std::uint16_t codes[] = {TMyTime::StateOn, TMyTime::StateOff,
                                                         TMyTime::TimeUndefined};
                          TDuvProg& p = d.Progs.Prog(TDuvProgs::Preheat);
                          p.Defined = 1;
                          for (int i = 0; i < 9; ++i) {
                              p.Op(i).Channel = i + 1;
                              p.Op(i).OnTime = codes[i % 3];
                              p.Op(i).OffTime = codes[i / 3];
                          }
                      }},
        // the emergency programs 2.1..3.3 that no menu reaches are carried in full
        RoundTripCase{"hiddenEmergencyPrograms",
                      [](TDuvDocument& d) {
                          for (int s = 5; s <= 10; ++s) {
                              TDuvProg& p = d.Progs.Prog(s);
                              p.Name = Cp1251Literal("Скрытая ") + std::to_string(s);
                              p.Defined = 1;
                              p.ZoneStart = static_cast<std::uint16_t>(1000 * s);
                              p.ZoneStop = static_cast<std::uint16_t>(1000 * s + 999);
                              for (int i = 0; i < TDuvProg::OpCount; ++i) {
                                  p.Op(i).Channel = (i + s) % 12 + 1;
                                  p.Op(i).OnTime = static_cast<std::uint16_t>(i * 100 + s);
                                  p.Op(i).OffTime = static_cast<std::uint16_t>(i * 100 + s + 40);
                                  p.Op(i).Name =
                                      "op " + std::to_string(s) + "." + std::to_string(i);
                              }
                          }
                      }},
        // extreme numbers: largest times, negative and huge channels, zone bounds at the ends
        RoundTripCase{"extremeNumbers",
                      [](TDuvDocument& d) {
                          d.ChannelCount = -3;
                          d.Progs.Prog(2).ZoneStart = 0;
                          d.Progs.Prog(2).ZoneStop = 64937;
                          d.Progs.Prog(2).Defined = 2;
                          d.Progs.Prog(0).Op(0).Channel = -5;
                          d.Progs.Prog(0).Op(1).Channel = INT_MAX;
                          d.Progs.Prog(0).Op(2).Channel = INT_MIN;
                          d.Progs.Prog(0).Op(3).OnTime = 0;
                          d.Progs.Prog(0).Op(3).OffTime = 64919;
                      }}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.what; });

TEST(DocumentFile, emptyTextsAreWrittenAsOneSpaceExceptProgramNames) {
    TDuvDocument doc = FreshDocument();
    doc.Header[4].clear();
    doc.Progs.Prog(0).Name.clear();
    doc.Progs.Prog(0).Op(0).Name.clear();
    const std::string bytes = DocumentFile::Serialize(doc);
    const auto lines = CrLfLines(bytes);
    EXPECT_EQ(lines[5], " ");  // header line 4
    EXPECT_EQ(lines[9], "");   // main program's name
    EXPECT_EQ(lines[11], " "); // its first operation's name
    TDuvDocument back;
    ASSERT_FALSE(DocumentFile::Parse(bytes, back));
    EXPECT_EQ(back.Header[4], " ");
    EXPECT_EQ(back.Progs.Prog(0).Name, "");
    EXPECT_EQ(back.Progs.Prog(0).Op(0).Name, " ");
}

// A line feed cannot be stored inside a line; it becomes a blank so the document keeps its shape.
TEST_F(DocumentFileTest, lineFeedInsideATextIsWrittenAsABlank) {
    TDuvDocument doc = FreshDocument();
    doc.Header[0] = "two\nlines";
    doc.Progs.Prog(0).Name = "a\nb";
    doc.Progs.Prog(0).Op(0).Name = "\n";
    const std::string bytes = DocumentFile::Serialize(doc);
    EXPECT_EQ(CrLfLines(bytes).size(), 383u);
    TDuvDocument back;
    ASSERT_FALSE(DocumentFile::Parse(bytes, back));
    EXPECT_EQ(back.Header[0], "two lines");
    EXPECT_EQ(back.Progs.Prog(0).Name, "a b");
    EXPECT_EQ(back.Progs.Prog(0).Op(0).Name, " ");
}

// ---- line ends --------------------------------------------------------------------------------

TEST_F(DocumentFileTest, lineFeedOnlyFileReadsLikeCrLfFile) {
    const auto lines = CrLfLines(DocumentFile::Serialize(FilledDocument()));
    const QString path = Path(QStringLiteral("unix lf.dv3"));
    Put(path, Join(lines, "\n"));
    TDuvDocument doc;
    const auto error = DocumentFile::Read(path, doc);
    ASSERT_FALSE(error) << error->Text().toStdString();
    ExpectSameDocument(doc, FilledDocument());
    // and it is written back with CR LF
    const QString again = Path(QStringLiteral("снова.dv3"));
    ASSERT_FALSE(DocumentFile::Write(again, doc));
    EXPECT_EQ(Bytes(again), Join(lines));
}

TEST(DocumentFile, mixedLineEndsAndMissingLastLineEndAreAccepted) {
    const auto lines = CrLfLines(DocumentFile::Serialize(FilledDocument()));
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + (i + 1 == lines.size() ? "" : i % 2 ? "\n" : "\r\n");
    TDuvDocument doc;
    ASSERT_FALSE(DocumentFile::Parse(bytes, doc));
    ExpectSameDocument(doc, FilledDocument());
}

// Editors like to add an empty line at the end; whatever follows the last line is not read.
TEST(DocumentFile, textAfterTheLastLineIsIgnored) {
    const std::string bytes = DocumentFile::Serialize(FilledDocument()) + "\r\nextra\r\n";
    TDuvDocument doc;
    ASSERT_FALSE(DocumentFile::Parse(bytes, doc));
    ExpectSameDocument(doc, FilledDocument());
}

// Number lines are split at blanks; how many blanks or tabs does not matter.
TEST(DocumentFile, numberLinesToleratesExtraBlanksAndLeadingZeros) {
    auto lines = CrLfLines(DocumentFile::Serialize(FilledDocument()));
    lines[10] = "\t0  00100 050\t1 "; // main program: zone 100..50, defined
    lines[12] = "  +2 0010 17  ";     // main program, operation 0
    TDuvDocument doc;
    ASSERT_FALSE(DocumentFile::Parse(Join(lines), doc));
    EXPECT_EQ(doc.Progs.Prog(0).ZoneStart.Value(), 100);
    EXPECT_EQ(doc.Progs.Prog(0).ZoneStop.Value(), 50);
    EXPECT_EQ(doc.Progs.Prog(0).Defined, 1);
    EXPECT_EQ(doc.Progs.Prog(0).Op(0).Channel, 2);
    EXPECT_EQ(doc.Progs.Prog(0).Op(0).OnTime.Value(), 10);
    EXPECT_EQ(doc.Progs.Prog(0).Op(0).OffTime.Value(), 17);
}

// ---- the first line ---------------------------------------------------------------------------

struct FirstLineCase {
    const char* line;
    int channelCount;
};

void PrintTo(const FirstLineCase& c, std::ostream* os) {
    *os << '"' << c.line << '"';
}

class DocumentFirstLine : public ::testing::TestWithParam<FirstLineCase> {};

TEST_P(DocumentFirstLine, isReadLikeAtol) {
    auto lines = CrLfLines(DocumentFile::Serialize(FilledDocument()));
    lines[0] = GetParam().line;
    TDuvDocument doc;
    const auto error = DocumentFile::Parse(Join(lines), doc);
    ASSERT_FALSE(error) << error->Text().toStdString();
    EXPECT_EQ(doc.ChannelCount, GetParam().channelCount);
    TDuvDocument expected = FilledDocument();
    expected.ChannelCount = GetParam().channelCount;
    ExpectSameDocument(doc, expected);
    // The number itself is kept and written back.
    EXPECT_EQ(CrLfLines(DocumentFile::Serialize(doc))[0], std::to_string(GetParam().channelCount));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DocumentFirstLine,
    ::testing::Values(FirstLineCase{"4", 4},       // the 4-channel device
                      FirstLineCase{"12", 12},     // the 12-channel device
                      FirstLineCase{"0", 0},       // 12-channel, 0 kept
                      FirstLineCase{"7", 7},       // 12-channel, 7 kept
                      FirstLineCase{"", 0},        // no digits give 0
                      FirstLineCase{" 4abc", 4},   // blanks skipped, tail ignored
                      FirstLineCase{"-3", -3},     // a sign is taken
                      FirstLineCase{"+4", 4},      // a plus sign too
                      FirstLineCase{"\t 12 ", 12}, // tabs and trailing blanks
                      FirstLineCase{"4.9", 4},     // digits up to the point
                      FirstLineCase{"04", 4},      // leading zero
                      FirstLineCase{"abc", 0},     // no digits at all
                      FirstLineCase{"99999999999999999999", INT_MAX},    // saturates, no overflow
                      FirstLineCase{"-99999999999999999999", INT_MIN})); // saturates below

TEST(DocumentFile, kindOnFileIsReadAndDiscarded) {
    auto lines = CrLfLines(DocumentFile::Serialize(FilledDocument()));
    const char* kinds[] = {"7", "65535", "0", "255", "128", "10", "3", "1", "2", "9", "4"};
    for (int s = 0; s < TDuvProgs::ProgCount; ++s) {
        std::string& line = lines[10 + 34 * s];
        line = kinds[s] + line.substr(line.find(' '));
    }
    TDuvDocument doc;
    ASSERT_FALSE(DocumentFile::Parse(Join(lines), doc));
    ExpectSameDocument(doc, FilledDocument());
    for (int s = 0; s < TDuvProgs::ProgCount; ++s)
        EXPECT_EQ(doc.Progs.Prog(s).Kind, s);
}

// ---- malformed documents ----------------------------------------------------------------------

struct MalformedCase {
    const char* what;
    // Makes the file's bytes from the 383 lines of a good document.
    std::function<std::string(std::vector<std::string>)> make;
    int line;
    const char* reason; // a part of the message, UTF-8
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.what;
}

class DocumentMalformed : public DocumentFileTest,
                          public ::testing::WithParamInterface<MalformedCase> {};

namespace {
// The first count lines.
auto Lines(std::size_t count) {
    return [count](std::vector<std::string> lines) { return Join(lines, count); };
}
// Line number n (1-based) replaced.
auto Line(std::size_t n, std::string text) {
    return [n, text](std::vector<std::string> lines) {
        lines[n - 1] = text;
        return Join(lines);
    };
}
} // namespace

TEST_P(DocumentMalformed, isRefusedNamingTheLineAndLeavesTheDocumentAlone) {
    const std::string goodBytes = DocumentFile::Serialize(FreshDocument());
    const std::string bytes = GetParam().make(CrLfLines(goodBytes));

    TDuvDocument doc = FilledDocument();
    const auto parsed = DocumentFile::Parse(bytes, doc);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Line, GetParam().line) << parsed->Message.toStdString();
    EXPECT_TRUE(parsed->Message.contains(QString::fromUtf8(GetParam().reason)))
        << parsed->Message.toStdString();
    ExpectSameDocument(doc, FilledDocument());

    const QString path = Path(QStringLiteral("испорченный файл.dv3"));
    Put(path, bytes);
    const auto read = DocumentFile::Read(path, doc);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->File, path);
    EXPECT_EQ(read->Line, GetParam().line);
    const QString text = read->Text();
    EXPECT_TRUE(text.contains(QStringLiteral("испорченный файл.dv3"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("строка %1").arg(GetParam().line)))
        << text.toStdString();
    ExpectSameDocument(doc, FilledDocument());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentMalformed,
    ::testing::Values(
        // nothing at all: the first line is missing
        MalformedCase{"emptyFile", [](auto) { return std::string(); }, 1, "обрывается"},
        // only the channel count
        MalformedCase{"onlyFirstLine", Lines(1), 2, "обрывается"},
        // a header line missing
        MalformedCase{"endsInHeader", Lines(5), 6, "обрывается"},
        // the header but no program
        MalformedCase{"endsAfterHeader", Lines(9), 10, "обрывается"},
        // a program name without its numbers
        MalformedCase{"endsAfterProgramName", Lines(10), 11, "обрывается"},
        // an operation name without its numbers
        MalformedCase{"endsAfterOperationName", Lines(12), 13, "обрывается"},
        // inside the preheating program
        MalformedCase{"endsInPreheating", Lines(48), 49, "обрывается"},
        // one line short
        MalformedCase{"endsOneLineShort", Lines(382), 383, "обрывается"},
        // the last line cut in the middle, without its line end
        MalformedCase{"lastLineCut",
                      [](std::vector<std::string> lines) { return Join(lines, 382) + "0 655"; },
                      383, "ожидалось чисел"},
        // the last line cut before its last number
        MalformedCase{"lastLineTooFewNumbers", Line(383, "0 65535"), 383, "ожидалось чисел"},
        // line feeds only, and still one line short
        MalformedCase{"lineFeedFileEndsEarly",
                      [](std::vector<std::string> lines) { return Join(lines, 100, "\n"); }, 101,
                      "обрывается"},
        // a channel that is no number
        MalformedCase{"channelNotANumber", Line(13, "x 65535 65535"), 13,
                      "не является целым числом"},
        // a channel with a fraction
        MalformedCase{"channelWithFraction", Line(13, "1.0 65535 65535"), 13,
                      "не является целым числом"},
        // a channel beyond 32 bits
        MalformedCase{"channelOutOfRange", Line(13, "2147483648 0 1"), 13,
                      "вне допустимого диапазона"},
        // a zone bound beyond 16 bits
        MalformedCase{"zoneStart65536", Line(11, "0 65536 65535 1"), 11,
                      "вне допустимого диапазона"},
        // a negative zone bound
        MalformedCase{"zoneStopNegative", Line(45, "1 65535 -5 0"), 45,
                      "вне допустимого диапазона"},
        // a negative time
        MalformedCase{"onTimeMinusOne", Line(13, "1 -1 65535"), 13, "вне допустимого диапазона"},
        // a time far beyond 16 bits
        MalformedCase{"offTimeHuge", Line(15, "1 0 99999999999999999999999"), 15,
                      "вне допустимого диапазона"},
        // a kind beyond 16 bits, although the kind is not kept
        MalformedCase{"kindOutOfRange", Line(11, "65536 65535 65535 1"), 11,
                      "вне допустимого диапазона"},
        // three numbers where four belong
        MalformedCase{"tooFewOnProgramLine", Line(11, "0 65535 65535"), 11, "ожидалось чисел"},
        // an empty number line
        MalformedCase{"emptyNumberLine", Line(11, ""), 11, "ожидалось чисел"},
        // four numbers where three belong
        MalformedCase{"tooManyOnOperationLine", Line(13, "0 65535 65535 7"), 13, "ожидалось чисел"},
        // Defined with a fraction
        MalformedCase{"definedWithFraction", Line(11, "0 65535 65535 1.5"), 11,
                      "не является целым числом"},
        // Defined as a word
        MalformedCase{"definedAWord", Line(11, "0 65535 65535 yes"), 11,
                      "не является целым числом"},
        // a NUL byte inside a number line
        MalformedCase{"nulInNumberLine", Line(13, std::string("0 65535\0 65535", 14)), 13,
                      "не является целым числом"},
        // numbers broken over two lines shift everything after them
        MalformedCase{"numbersOverTwoLines",
                      [](std::vector<std::string> lines) {
                          lines[10] = "0 65535";
                          lines.insert(lines.begin() + 11, "65535 1");
                          return Join(lines);
                      },
                      11, "ожидалось чисел"},
        // a bad number in the last program
        MalformedCase{"badZoneInLastProgram", Line(351, "10 65535 x 0"), 351,
                      "не является целым числом"}),
    [](const ::testing::TestParamInfo<MalformedCase>& info) { return info.param.what; });

// ---- files that cannot be read ----------------------------------------------------------------

TEST_F(DocumentFileTest, missingFileIsRefusedNamingIt) {
    TDuvDocument doc = FilledDocument();
    const QString path = Path(QStringLiteral("нет такого.dv3"));
    const auto error = DocumentFile::Read(path, doc);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->File, path);
    EXPECT_EQ(error->Line, 0);
    EXPECT_TRUE(error->Text().contains(QStringLiteral("нет такого.dv3")));
    EXPECT_FALSE(error->Text().contains(QStringLiteral("строка")));
    ExpectSameDocument(doc, FilledDocument());
}

TEST_F(DocumentFileTest, folderIsRefused) {
    TDuvDocument doc = FilledDocument();
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("папка.dv3"))));
    const auto error = DocumentFile::Read(Path(QStringLiteral("папка.dv3")), doc);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 0);
    ExpectSameDocument(doc, FilledDocument());
}

TEST_F(DocumentFileTest, hugeFileIsRefusedWithoutReadingIt) {
    const QString path = Path(QStringLiteral("огромный.dv3"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(65) * 1024 * 1024)); // sparse, costs no disk
    }
    TDuvDocument doc = FilledDocument();
    const auto error = DocumentFile::Read(path, doc);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Line, 0);
    ExpectSameDocument(doc, FilledDocument());
}

// A device that never ends must not be read forever.
TEST(DocumentFile, endlessDeviceIsRefused) {
    if (!QFile::exists(QStringLiteral("/dev/zero")))
        GTEST_SKIP() << "no /dev/zero here";
    TDuvDocument doc = FilledDocument();
    const auto error = DocumentFile::Read(QStringLiteral("/dev/zero"), doc);
    ASSERT_TRUE(error);
    ExpectSameDocument(doc, FilledDocument());
}

// ---- writing ----------------------------------------------------------------------------------

TEST_F(DocumentFileTest, writeReplacesThePreviousFileAndLeavesNoTemporaryFiles) {
    const QString path = Path(QStringLiteral("Документ.dv3"));
    Put(path, "previous contents, longer than nothing");
    ASSERT_FALSE(DocumentFile::Write(path, FreshDocument()));
    EXPECT_EQ(Bytes(path), DocumentFile::Serialize(FreshDocument()));
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Документ.dv3")});
}

TEST_F(DocumentFileTest, writeIntoMissingFolderFailsAndCreatesNothing) {
    const QString path = Path(QStringLiteral("нет папки/Документ.dv3"));
    const auto error = DocumentFile::Write(path, FreshDocument());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->File, path);
    EXPECT_TRUE(error->Text().contains(QStringLiteral("Документ.dv3")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("нет папки"))));
}

// Tests run as root, who may write anywhere; a regular file in place of the folder stops even root.
TEST_F(DocumentFileTest, writeBelowARegularFileFailsAndLeavesItAlone) {
    const QString notAFolder = Path(QStringLiteral("файл, а не папка"));
    Put(notAFolder, "keep me");
    const auto error =
        DocumentFile::Write(notAFolder + QStringLiteral("/Документ.dv3"), FreshDocument());
    ASSERT_TRUE(error);
    EXPECT_EQ(Bytes(notAFolder), "keep me");
}

TEST_F(DocumentFileTest, writeOverAFolderFails) {
    const QString path = Path(QStringLiteral("папка.dv3"));
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_TRUE(DocumentFile::Write(path, FreshDocument()));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

namespace {
// Makes every write past limit bytes fail, as a full disk would, for root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = limit;
        active_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool Active() const { return active_; }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};
} // namespace

TEST_F(DocumentFileTest, failedWriteLeavesThePreviousFileUntouched) {
    const QString path = Path(QStringLiteral("Документ.dv3"));
    const std::string previous = DocumentFile::Serialize(FilledDocument());
    Put(path, previous);
    std::optional<DocumentError> error;
    {
        FileSizeLimit limit(1000); // a document is several kilobytes
        ASSERT_TRUE(limit.Active());
        error = DocumentFile::Write(path, FreshDocument());
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->File, path);
    EXPECT_EQ(Bytes(path), previous);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("Документ.dv3")});
}
