// duvt-cli protocol as the user runs it: a separate process on a document in a temporary folder.
#include "ProtocolLines.h"

#include "Cp1251Literal.h"
#include "DocumentFile.h"
#include "ProcessRun.h"
#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A two-page protocol: a full main program, emergency 1.1 with a zone, a preheating operation.
TDuvDocument Document() {
    TDuvDocument doc;
    doc.Header[0] = "12";
    doc.Header[2] = Cp1251Literal("Летний");
    for (int i = 0; i < TDuvProg::OpCount; ++i) {
        TDuvRec& op = doc.Progs.Prog(TDuvProgs::Main).Op(i);
        op.Name = Cp1251Literal("Операция");
        op.Channel = i + 1;
        op.OnTime = 0;
        op.OffTime = 240;
    }
    doc.Progs.Prog(TDuvProgs::Main).Defined = 1;
    TDuvProg& e11 = doc.Progs.Prog(TDuvProgs::Emergency11);
    e11.Defined = 1;
    e11.ZoneStart = 120;
    e11.ZoneStop = 600;
    e11.Op(0).Name = Cp1251Literal("Сброс\x1b[2J давления"); // an escape sequence in a name
    e11.Op(0).Channel = 4;
    e11.Op(0).OnTime = 0;
    e11.Op(0).OffTime = 20;
    TDuvRec& heat = doc.Progs.Prog(TDuvProgs::Preheat).Op(0);
    heat.Name = Cp1251Literal("Пар");
    heat.Channel = 2;
    heat.OnTime = TMyTime::StateOn;
    heat.OffTime = TMyTime::StateOff;
    return doc;
}

class ProtocolCli : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        dir = temp.filePath(U("протоколы пресса"));
        ASSERT_TRUE(QDir().mkpath(dir));
        doc = dir + U("/Пресс 12.DV3");
        const auto error = DocumentFile::Write(doc, Document());
        ASSERT_FALSE(error) << error->Text().toStdString();
    }

    QTemporaryDir temp;
    QString dir;
    QString doc;
};

} // namespace

TEST_F(ProtocolCli, printsTheLinesWithPagesSeparatedByFormFeeds) {
    const CliRun run = RunCli({QStringLiteral("protocol"), doc});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_FALSE(run.Err.contains(QStringLiteral("duvt-cli"))) << run.Err.toStdString();

    TDuvDocument read;
    ASSERT_FALSE(DocumentFile::Read(doc, read));
    QStringList expected =
        ProtocolLines::Of(read.Progs, read.Header, QFileInfo(doc).absoluteFilePath());
    ASSERT_GT(expected.size(), ProtocolLines::PageLines);
    expected[ProtocolLines::PageLines].prepend(QLatin1Char('\f'));
    QStringList lines = run.Out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.takeLast(), QString()); // every line ended
    // The control character of the name is not passed to the terminal.
    for (QString& line : expected)
        line.replace(QChar(0x1b), QChar::ReplacementCharacter);
    EXPECT_EQ(lines, expected);
    // The full path, only its Latin capitals lowered.
    EXPECT_TRUE(lines[2].startsWith(U("Имя файла: /"))) << lines[2].toStdString();
    EXPECT_TRUE(lines[2].endsWith(U("/протоколы пресса/Пресс 12.dv3"))) << lines[2].toStdString();
}

// A document named relative to the working folder is printed under its full path, as the
// workstation prints the path it opened.
TEST_F(ProtocolCli, relativeDocumentNameIsPrintedAsTheFullPath) {
    const CliRun run = RunCli({QStringLiteral("protocol"), U("Пресс 12.DV3")}, dir);
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QString full = QFileInfo(doc).absoluteFilePath();
    ASSERT_TRUE(QFileInfo(full).isAbsolute());
    QString lowered = full;
    for (QChar& c : lowered) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = c.toLower();
    }
    EXPECT_EQ(run.Out.split(QLatin1Char('\n')).value(2), U("Имя файла: ") + lowered);
}

class ProtocolCliPdfOption : public ProtocolCli,
                             public ::testing::WithParamInterface<const char*> {};

// --pdf is the documented name; -o and --output write the same file.
TEST_P(ProtocolCliPdfOption, writesThePdfPages) {
    const QString pdf = dir + U("/протокол 12.pdf");
    const CliRun run =
        RunCli({QStringLiteral("protocol"), doc, QString::fromLatin1(GetParam()), pdf});
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());

    const CliRun info = RunProgram(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_EQ(info.Exit, 0) << info.Err.toStdString();
    EXPECT_TRUE(info.Out.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))))
        << info.Out.toStdString();
    EXPECT_TRUE(info.Out.contains(QStringLiteral("(A4)")));
    const CliRun text = RunProgram(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.Out.contains(U("ПРОТОКОЛ НАСТРОЙКИ № 12 от")));
    EXPECT_TRUE(text.Out.contains(U("Режим прогрева форматора")));
}

INSTANTIATE_TEST_SUITE_P(Options, ProtocolCliPdfOption,
                         ::testing::Values("--pdf", "-o", "--output"));

TEST_F(ProtocolCli, unwritableOutputFailsAndSaysSo) {
    const QString pdf = dir + U("/нет папки/протокол.pdf");
    const CliRun run = RunCli({QStringLiteral("protocol"), doc, QStringLiteral("--output"), pdf});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(pdf)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ProtocolCli, missingDocumentFails) {
    const CliRun run = RunCli({QStringLiteral("protocol"), dir + U("/нет.dv3")});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_FALSE(run.Err.isEmpty());
}

TEST_F(ProtocolCli, wrongCallsAreUsageErrors) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("protocol")},
          QStringList{QStringLiteral("protocol"), doc, QStringLiteral("-o")},
          QStringList{QStringLiteral("protocol"), doc, QStringLiteral("--pdf")},
          QStringList{QStringLiteral("protocol"), doc, QStringLiteral("--pdf"), dir + U("/a.pdf"),
                      QStringLiteral("-o"), dir + U("/b.pdf")},
          QStringList{QStringLiteral("protocol"), doc, doc}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.Exit, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.Err.contains(QStringLiteral("duvt-cli protocol"))) << run.Err.toStdString();
    }
}

TEST_F(ProtocolCli, isListedInTheHelp) {
    const CliRun run = RunCli({QStringLiteral("--help")});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_TRUE(run.Out.contains(U("duvt-cli protocol ФАЙЛ.dv3 [--pdf ВЫХОД.pdf]")));
}
