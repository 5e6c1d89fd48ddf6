// duvt-cli cyclogram as the user runs it: a separate process on documents in a temporary folder.
#include "CyclogramPainter.h"
#include "CyclogramTestPrograms.h"

#include "DocumentFile.h"
#include "ProcessRun.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace CP = CyclogramPainter;

namespace {

// Main program: the example chart; emergency 1.2: one operation over the whole axis.
TDuvDocument Document() {
    TDuvDocument doc;
    TDuvProg& main = doc.Progs.Prog(TDuvProgs::Main);
    main.Ops = MakeProg({{0, 1, Min1, Min2, "Закрытие пресса"}, {1, 2, 0, Example, "Пар"}}).Ops;
    main.Defined = 1;
    TDuvProg& e12 = doc.Progs.Prog(TDuvProgs::Emergency12);
    e12.Ops = MakeProg({{0, 5, 0, 100, "Сброс давления"}}).Ops;
    e12.Defined = 1;
    return doc;
}

// The bars and quarter lines of the chart, wherever the picture came from.
void ExpectSameChart(const QImage& picture, const TDuvProg& prog) {
    const QImage expected = CP::RenderWindow(prog, QGuiApplication::palette());
    for (int y = 0; y < CP::WhiteHeight; ++y)
        for (int x = 0; x < CP::ChartWidth; ++x) {
            const QPoint at = CP::ChartRect.topLeft() + QPoint(x, y);
            ASSERT_EQ(picture.pixel(at), expected.pixel(at)) << x << "," << y;
        }
}

class CyclogramCli : public ::testing::Test {
  protected:
    QTemporaryDir temp;
    QString dir;
    QString doc;
    QString out;

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        dir = temp.filePath(QStringLiteral("циклограммы пресса"));
        ASSERT_TRUE(QDir().mkpath(dir));
        doc = dir + QStringLiteral("/пресс 12.dv3");
        const auto error = DocumentFile::Write(doc, Document());
        ASSERT_FALSE(error) << error->Text().toStdString();
        out = dir + QStringLiteral("/циклограмма.png");
    }
};

TEST_F(CyclogramCli, drawsTheMainProgramByDefault) {
    const CliRun run = RunCli({QStringLiteral("cyclogram"), doc, QStringLiteral("-o"), out});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, QString());
    QImage picture(out);
    ASSERT_EQ(picture.size(), QSize(537, 281));
    picture = picture.convertToFormat(QImage::Format_RGB32);
    ExpectSameChart(picture, Document().Progs.Prog(TDuvProgs::Main));
    // 1:0,0..2:0,0 at scale 0.5.
    EXPECT_EQ(picture.pixel(CP::ChartRect.topLeft() + QPoint(60, 1)), CP::BarColour.rgb());
}

TEST_F(CyclogramCli, drawsTheChosenEmergencyProgramOverAnOlderFile) {
    QFile older(out);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly));
    older.write(QByteArray(100000, 'x'));
    older.close();
    const CliRun run = RunCli({QStringLiteral("cyclogram"), QStringLiteral("--program=3"), doc,
                               QStringLiteral("-o"), out});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    QImage picture(out);
    ASSERT_EQ(picture.size(), QSize(537, 281));
    ExpectSameChart(picture.convertToFormat(QImage::Format_RGB32),
                    Document().Progs.Prog(TDuvProgs::Emergency12));
}

TEST_F(CyclogramCli, unreadableDocumentFailsAndWritesNothing) {
    const QString missing = dir + QStringLiteral("/нет такого.dv3");
    const CliRun run = RunCli({QStringLiteral("cyclogram"), missing, QStringLiteral("-o"), out});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(missing)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CyclogramCli, outputIntoAMissingFolderFails) {
    const QString nowhere = dir + QStringLiteral("/нет папки/циклограмма.png");
    const CliRun run = RunCli({QStringLiteral("cyclogram"), doc, QStringLiteral("-o"), nowhere});
    EXPECT_EQ(run.Exit, 1);
    EXPECT_TRUE(run.Err.contains(nowhere)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
}

struct WrongCall {
    const char* Name;
    QStringList Args;   // "DOC" stands for the document, "OUT" for the output path
    const char* Saying; // part of the message on the error stream
};

void PrintTo(const WrongCall& c, std::ostream* os) {
    *os << c.Name;
}

class CyclogramCliUsage : public CyclogramCli, public ::testing::WithParamInterface<WrongCall> {};

TEST_P(CyclogramCliUsage, exitsWith2AndWritesNothing) {
    QStringList args{QStringLiteral("cyclogram")};
    for (const QString& arg : GetParam().Args)
        args << (arg == QLatin1String("DOC") ? doc : arg == QLatin1String("OUT") ? out : arg);
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.Exit, 2);
    EXPECT_EQ(run.Out, QString());
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Saying))) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CyclogramCliUsage,
    ::testing::Values(
        // The workstation refuses the preheating program with this message.
        WrongCall{"preheating",
                  {QStringLiteral("DOC"), QStringLiteral("-o"), QStringLiteral("OUT"),
                   QStringLiteral("-p"), QStringLiteral("1")},
                  "Для программы прогрева нельзя построить циклограмму"},
        // Emergency 2.1 and later cannot be reached in the workstation either.
        WrongCall{"unreachableProgram",
                  {QStringLiteral("DOC"), QStringLiteral("-o"), QStringLiteral("OUT"),
                   QStringLiteral("-p"), QStringLiteral("5")},
                  "«5»"},
        // Not a number.
        WrongCall{"programNotANumber",
                  {QStringLiteral("DOC"), QStringLiteral("-o"), QStringLiteral("OUT"),
                   QStringLiteral("--program"), QStringLiteral("1.1")},
                  "«1.1»"},
        // No output file.
        WrongCall{"noOutput", {QStringLiteral("DOC")}, "-o ВЫХОД.png"},
        // No document.
        WrongCall{"noDocument", {QStringLiteral("-o"), QStringLiteral("OUT")}, "cyclogram"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CyclogramCli, helpDescribesTheSubcommand) {
    const CliRun run = RunCli({QStringLiteral("cyclogram"), QStringLiteral("--help")});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_TRUE(run.Out.startsWith(
        QStringLiteral("Использование: duvt-cli cyclogram ФАЙЛ.dv3 -o ВЫХОД.png [-p СЛОТ]\n")))
        << run.Out.toStdString();
    const CliRun all = RunCli({QStringLiteral("--help")});
    EXPECT_TRUE(all.Out.contains(QStringLiteral("duvt-cli cyclogram"))) << all.Out.toStdString();
}

} // namespace
