// duvt-cli run as the user runs it: a separate process on documents written to a temporary folder.
#include "Cp1251Literal.h"
#include "DocumentFile.h"
#include "SendArray.h"
#include "SendArrayListing.h"
#include "ProcessRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

void PutOp(TDuvProg& prog, int slot, int channel, std::uint16_t on, std::uint16_t off) {
    prog.Op(slot).Channel = channel;
    prog.Op(slot).OnTime = TMyTime(on);
    prog.Op(slot).OffTime = TMyTime(off);
}

// A 12-channel press: main program with two operations (and an empty slot between them),
// emergency program 1.1 renamed with one operation, preheating filled but never opened.
TDuvDocument TwelveChannelDocument() {
    TDuvDocument doc;
    doc.ChannelCount = 12;
    TDuvProg& main = doc.Progs.Prog(TDuvProgs::Main);
    main.Defined = 1;
    PutOp(main, 0, 1, TMyTime(0, 60, 0).Value(), TMyTime(0, 90, 5).Value());
    PutOp(main, 1, 0, 10, 20);
    PutOp(main, 2, 12, 0x1234, 0xABCD);
    TDuvProg& e11 = doc.Progs.Prog(TDuvProgs::Emergency11);
    e11.Defined = 1;
    e11.Name = Cp1251Literal("Авария при нагреве");
    PutOp(e11, 5, 3, 40, 80);
    e11.ZoneStart = TMyTime(20);
    e11.ZoneStop = TMyTime(40);
    PutOp(doc.Progs.Prog(TDuvProgs::Preheat), 0, 2, TMyTime::StateOn, TMyTime::StateOff);
    return doc;
}

class CliTest : public ::testing::Test {
  protected:
    QTemporaryDir temp;
    QString dir;
    QString doc12; // TwelveChannelDocument()
    QString doc4;  // a fresh 4-channel document

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        dir = temp.filePath(QStringLiteral("папка с пробелами"));
        ASSERT_TRUE(QDir().mkpath(dir));
        doc12 = Write(QStringLiteral("пресс 12.dv3"), TwelveChannelDocument());
        TDuvDocument small;
        small.ChannelCount = 4;
        doc4 = Write(QStringLiteral("пресс 4.dv3"), small);
    }

    QString Write(const QString& name, const TDuvDocument& doc) {
        const QString path = dir + QLatin1Char('/') + name;
        const auto error = DocumentFile::Write(path, doc);
        EXPECT_FALSE(error) << error->Text().toStdString();
        return path;
    }

    QString WriteBytes(const QString& name, const std::string& bytes) {
        const QString path = dir + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static QByteArray ReadAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(CliTest, checkListsDeviceAndDefinedPrograms) {
    const CliRun run = RunCli({QStringLiteral("check"), doc12});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Err, QString());
    EXPECT_EQ(run.Out, QStringLiteral("Прибор: КРЖ-12, каналов: 12\n"
                                      "Определённые программы (2):\n"
                                      " 0  Основная рабочая программа — операций: 2\n"
                                      " 2  Авария при нагреве — операций: 1\n"));
}

TEST_F(CliTest, checkOfAFourChannelDocumentWithoutPrograms) {
    const CliRun run = RunCli({QStringLiteral("check"), doc4});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out, QStringLiteral("Прибор: КРЖ-4, каналов: 4\nОпределённых программ нет\n"));
}

TEST_F(CliTest, checkTakesAnyOtherFirstLineForTheLargeDevice) {
    TDuvDocument doc;
    doc.ChannelCount = 7;
    const CliRun run = RunCli({QStringLiteral("check"), Write(QStringLiteral("7.dv3"), doc)});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_TRUE(run.Out.startsWith(
        QStringLiteral("Прибор: КРЖ-12, каналов: 12 (в первой строке файла: 7)\n")))
        << run.Out.toStdString();
}

TEST_F(CliTest, checkShowsControlCharactersOfNamesHarmlessly) {
    TDuvDocument doc;
    doc.Progs.Prog(0).Defined = 1;
    doc.Progs.Prog(0).Name = "A\x1b[2JB";
    const CliRun run = RunCli({QStringLiteral("check"), Write(QStringLiteral("esc.dv3"), doc)});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_FALSE(run.Out.contains(QChar(0x1b)));
    EXPECT_TRUE(run.Out.contains(QStringLiteral("A\uFFFD[2JB")));
}

struct BrokenCase {
    const char* Name;
    std::function<std::string(std::string)> Spoil; // from a good document's bytes
    int Line;
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliBrokenDocument : public CliTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(CliBrokenDocument, everyReadingSubcommandNamesFileAndLine) {
    const BrokenCase& c = GetParam();
    const QString path = WriteBytes(QStringLiteral("испорченный документ.dv3"),
                                    c.Spoil(DocumentFile::Serialize(TwelveChannelDocument())));
    const QString out = dir + QStringLiteral("/образ.bin");
    for (const QStringList& args :
         {QStringList{QStringLiteral("check"), path}, QStringList{QStringLiteral("vars"), path},
          QStringList{QStringLiteral("image"), path, QStringLiteral("-o"), out}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.Exit, 1) << args.front().toStdString();
        EXPECT_EQ(run.Out, QString()) << args.front().toStdString();
        EXPECT_TRUE(run.Err.contains(path)) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.contains(QStringLiteral("строка %1:").arg(c.Line)))
            << run.Err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

std::string ReplaceFirst(std::string s, const std::string& from, const std::string& to) {
    s.replace(s.find(from), from.size(), to);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, CliBrokenDocument,
    ::testing::Values(
        // Main program's number line (line 11) holds a word instead of a zone bound.
        BrokenCase{"letterInNumbers",
                   [](std::string s) {
                       return ReplaceFirst(s, "\r\n0 65535 65535 1\r\n", "\r\n0 65535 x 1\r\n");
                   },
                   11},
        // The file ends after 100 of its 383 lines.
        BrokenCase{"truncated",
                   [](std::string s) {
                       std::size_t at = 0;
                       for (int i = 0; i < 100; ++i)
                           at = s.find('\n', at) + 1;
                       return s.substr(0, at);
                   },
                   101},
        // A zone bound beyond 16 bits.
        BrokenCase{"zoneOutOfRange",
                   [](std::string s) {
                       return ReplaceFirst(s, "\r\n0 65535 65535 1\r\n", "\r\n0 65536 65535 1\r\n");
                   },
                   11}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliTest, missingDocumentFails) {
    const QString path = dir + QStringLiteral("/нет такого.dv3");
    const CliRun run = RunCli({QStringLiteral("check"), path});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Out, QString());
    EXPECT_TRUE(run.Err.contains(path)) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("не найден"))) << run.Err.toStdString();
}

TEST_F(CliTest, folderInsteadOfDocumentFails) {
    const CliRun run = RunCli({QStringLiteral("vars"), dir});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_EQ(run.Out, QString());
    EXPECT_TRUE(run.Err.contains(dir)) << run.Err.toStdString();
}

TEST_F(CliTest, varsPrintsTheSeventeenListingLines) {
    const CliRun run = RunCli({QStringLiteral("vars"), doc12});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Err, QString());
    QString expected;
    for (const std::string& line :
         SendArrayListing(SendArray::Build(TwelveChannelDocument().Progs)))
        expected += QString::fromStdString(line) + QLatin1Char('\n');
    EXPECT_EQ(run.Out, expected);

    const QStringList lines = run.Out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 18); // 17 lines, each ended
    EXPECT_EQ(lines.back(), QString());
    EXPECT_EQ(lines[0], QString());
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("0078 00B5  "))) << lines[1].toStdString();
    EXPECT_EQ(lines[1].size(), 88); // trailing blanks kept
    EXPECT_EQ(lines[16], QStringLiteral("0014 0028  FFFF FFFF  FFFF FFFF  "));
}

TEST_F(CliTest, optionsEndAtDoubleDash) {
    TDuvDocument doc;
    const QString path = Write(QStringLiteral("-минус.dv3"), doc);
    const CliRun run = RunCli({QStringLiteral("vars"), QStringLiteral("--"), path});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out.count(QLatin1Char('\n')), 17);
}

struct ImageCase {
    const char* Name;
    QStringList Options; // after FILE; "OUT" stands for the output path
    bool HostOrder;
};

void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliImage : public CliTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(CliImage, writesThe332ByteImage) {
    const ImageCase& c = GetParam();
    const QString out = dir + QStringLiteral("/образ КРЖ.bin");
    // An older image is replaced whole.
    {
        QFile old(out);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1000, 'x'));
    }
    QStringList args{QStringLiteral("image"), doc12};
    for (const QString& option : c.Options)
        args << QString(option).replace(QStringLiteral("OUT"), out);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QString());
    EXPECT_EQ(run.Err, QString());

    const QByteArray bytes = ReadAll(out);
    ASSERT_EQ(bytes.size(), 332);
    const SendArray::Words words = SendArray::Build(TwelveChannelDocument().Progs);
    for (int w = 0; w < SendArray::WordCount; ++w) {
        const auto first = static_cast<std::uint8_t>(bytes[2 * w]);
        const auto second = static_cast<std::uint8_t>(bytes[2 * w + 1]);
        const int word = c.HostOrder ? first | second << 8 : first << 8 | second;
        EXPECT_EQ(word, words[w]) << "word " << w;
    }
    // Channel 1 of the main program: on 60 s, off 90.5 s.
    EXPECT_EQ(bytes.left(4),
              c.HostOrder ? QByteArray("\x78\x00\xB5\x00", 4) : QByteArray("\x00\x78\x00\xB5", 4));
}

INSTANTIATE_TEST_SUITE_P(
    ByteOrders, CliImage,
    ::testing::Values(
        // Wire order, high byte first, is the default.
        ImageCase{"wire", {QStringLiteral("-o"), QStringLiteral("OUT")}, false},
        // Long option with its value attached.
        ImageCase{"wireLongOption", {QStringLiteral("--output=OUT")}, false},
        // Memory order, low byte first.
        ImageCase{"host",
                  {QStringLiteral("-o"), QStringLiteral("OUT"), QStringLiteral("--host-order")},
                  true},
        // Options in any order.
        ImageCase{
            "hostFlagFirst",
            {QStringLiteral("--host-order"), QStringLiteral("--output"), QStringLiteral("OUT")},
            true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliTest, imageIntoAMissingFolderFailsAndWritesNothing) {
    const QString out = dir + QStringLiteral("/нет папки/образ.bin");
    const CliRun run = RunCli({QStringLiteral("image"), doc12, QStringLiteral("-o"), out});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(out)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

struct UsageCase {
    const char* Name;
    QStringList Args; // "DOC" stands for a good document, "OUT" for an output path
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.Name;
}

class CliUsage : public CliTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, wrongCallExitsWith2AndSaysWhy) {
    const QString out = dir + QStringLiteral("/образ.bin");
    QStringList args;
    for (const QString& arg : GetParam().Args)
        args << (arg == QLatin1String("DOC") ? doc12 : arg == QLatin1String("OUT") ? out : arg);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.Exit, 2);
    EXPECT_EQ(run.Out, QString());
    EXPECT_TRUE(run.Err.contains(QStringLiteral("duvt-cli"))) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    WrongCalls, CliUsage,
    ::testing::Values(
        // Nothing at all: the usage goes to the error stream.
        UsageCase{"noArguments", {}},
        // A subcommand that does not exist.
        UsageCase{"unknownCommand", {QStringLiteral("frobnicate"), QStringLiteral("DOC")}},
        // A subcommand without its document.
        UsageCase{"checkWithoutFile", {QStringLiteral("check")}},
        // Two documents where one is taken.
        UsageCase{"checkWithTwoFiles",
                  {QStringLiteral("check"), QStringLiteral("DOC"), QStringLiteral("DOC")}},
        // An option the subcommand does not know.
        UsageCase{"varsUnknownOption",
                  {QStringLiteral("vars"), QStringLiteral("--bogus"), QStringLiteral("DOC")}},
        // check writes nothing, so it takes no output.
        UsageCase{"checkWithOutput",
                  {QStringLiteral("check"), QStringLiteral("DOC"), QStringLiteral("-o"),
                   QStringLiteral("OUT")}},
        // image without its output file.
        UsageCase{"imageWithoutOutput", {QStringLiteral("image"), QStringLiteral("DOC")}},
        // -o as the last argument.
        UsageCase{"imageOutputWithoutValue",
                  {QStringLiteral("image"), QStringLiteral("DOC"), QStringLiteral("-o")}},
        // A flag given a value.
        UsageCase{"hostOrderWithValue",
                  {QStringLiteral("image"), QStringLiteral("DOC"), QStringLiteral("-o"),
                   QStringLiteral("OUT"), QStringLiteral("--host-order=1")}},
        // The output named twice.
        UsageCase{"outputTwice",
                  {QStringLiteral("image"), QStringLiteral("DOC"), QStringLiteral("-o"),
                   QStringLiteral("OUT"), QStringLiteral("--output"), QStringLiteral("OUT")}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CliTest, noArgumentsPrintsTheUsageToTheErrorStream) {
    const CliRun run = RunCli({});
    EXPECT_EQ(run.Exit, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("Использование"))) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("duvt-cli check")));
}

TEST_F(CliTest, helpExplainsEverySubcommand) {
    for (const QString& flag : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const CliRun run = RunCli({flag});
        EXPECT_EQ(run.Exit, 0);
        EXPECT_EQ(run.Err, QString());
        for (const char* expected :
             {"Использование", "duvt-cli check ФАЙЛ.dv3", "duvt-cli vars ФАЙЛ.dv3",
              "duvt-cli image ФАЙЛ.dv3 -o ВЫХОД.bin [--host-order]", "КРЖ-4", "«Переменные»",
              "старшим байтом вперёд", "Коды завершения"})
            EXPECT_TRUE(run.Out.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST_F(CliTest, helpOfOneSubcommand) {
    const CliRun run = RunCli({QStringLiteral("image"), QStringLiteral("--help")});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_TRUE(run.Out.startsWith(
        QStringLiteral("Использование: duvt-cli image ФАЙЛ.dv3 -o ВЫХОД.bin [--host-order]\n")))
        << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral("--host-order")));
}

} // namespace
