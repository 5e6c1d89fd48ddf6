#include "ProtocolPdf.h"
#include "ProtocolLines.h"
#include "ProtocolPainter.h"

#include "Cp1251Literal.h"
#include "QStringPrinter.h"
#include "TDuvProgs.h"

#include <QFile>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Output of a poppler tool run on a file; fails the test when the tool fails.
QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Lines as a text extractor gives them back: no trailing blanks, no blank lines above the first
// or below the last printed line of a page.
QStringList Trimmed(QStringList lines) {
    for (QString& line : lines) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// A three-page protocol: every program full, long and Cyrillic names, a filled header.
class ProtocolPdfFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const char* const values[8] = {"17",    "05.03.2024", "Летний",  "Шина 175/70 R13",
                                       "БЦ-15", "А",          "ФВ-1500", "№ 4"};
        for (int i = 0; i < 8; ++i)
            header[i] = Cp1251Literal(values[i]);
        for (int slot = 0; slot <= 4; ++slot) {
            for (int i = 0; i < TDuvProg::OpCount; ++i) {
                TDuvRec& op = progs.Prog(slot).Op(i);
                op.Name =
                    Cp1251Literal(i % 2 ? "Подача пара в диафрагму верхней полуформы" : "Сброс");
                op.Channel = i + 1;
                op.OnTime = slot == 1 ? TMyTime::StateOn : 120 * i;
                op.OffTime = slot == 1 ? TMyTime::StateOff : 120 * i + 181;
            }
        }
        progs.Prog(2).ZoneStart = 180;
        progs.Prog(2).ZoneStop = 719;
        path = dir.filePath(U("протокол печати №1.pdf"));
    }

    // The text of each page, one string per printed line, the left margin taken off. The
    // extractor is told the pitch (6 points, a 10 point fixed-pitch font), so that it keeps every
    // character in its column; the 10 mm margin then comes out as 5 leading columns.
    QList<QStringList> Pages() {
        const QStringList texts = RunTool(QStringLiteral("pdftotext"),
                                          {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                           QStringLiteral("6"), path, QStringLiteral("-")})
                                      .split(QLatin1Char('\f'));
        QList<QStringList> pages;
        for (const QString& text : texts) {
            QStringList lines = text.split(QLatin1Char('\n'));
            for (QString& line : lines) {
                if (!line.isEmpty()) {
                    EXPECT_TRUE(line.startsWith(QStringLiteral("     "))) << line.toStdString();
                    line.remove(0, 5);
                }
            }
            pages.append(Trimmed(lines));
        }
        if (!pages.isEmpty() && pages.back().isEmpty())
            pages.removeLast(); // every page ends with a form feed
        return pages;
    }

    QTemporaryDir dir{QDir::tempPath() + U("/протокол XXXXXX")};
    TDuvProgs progs;
    THeader header;
    QString path;
};

} // namespace

TEST_F(ProtocolPdfFile, pagesHoldTheLinesFiftyFiveToAPage) {
    const QStringList lines = ProtocolLines::Of(progs, header, U("D:\\Прессы\\ПРЕСС 7.DV3"));
    ASSERT_EQ(lines.size(), 158);
    ASSERT_TRUE(ProtocolPdf::Write(path, lines));

    const QList<QStringList> pages = Pages();
    ASSERT_EQ(pages.size(), 3);
    ASSERT_EQ(ProtocolPainter::PageCount(lines), 3);
    for (int p = 0; p < pages.size(); ++p) {
        const QStringList expected =
            Trimmed(lines.mid(p * ProtocolLines::PageLines, ProtocolLines::PageLines));
        EXPECT_EQ(pages[p], expected) << "page " << p + 1;
    }
    // The blocks that did not fit start their pages.
    EXPECT_EQ(pages[1].value(0), U("       Аварийная программа 1.1"));
    EXPECT_EQ(pages[2].value(0), U("       Аварийная программа 1.3"));
}

TEST_F(ProtocolPdfFile, pagesAreA4WithTenMillimetreMarginsAndBandsOf503) {
    const QStringList lines = ProtocolLines::Of(progs, header, QString());
    ASSERT_TRUE(ProtocolPdf::Write(path, lines));

    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();

    // Word boxes in points: the first line's first word sits at the margin, and line 10 (the
    // tenth band below it) 10 bands lower.
    const QString boxes =
        RunTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                 QStringLiteral("-l"), QStringLiteral("1"), path, QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    double firstX = -1, firstY = -1, tenthY = -1;
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(3) == U("ПРОТОКОЛ")) {
            firstX = m.captured(1).toDouble();
            firstY = m.captured(2).toDouble();
        } else if (m.captured(3) == U("Индивидуальный")) {
            tenthY = m.captured(2).toDouble();
        }
    }
    constexpr double pointsPerMm = 72 / 25.4;
    EXPECT_NEAR(firstX, 10 * pointsPerMm, 1.0);
    EXPECT_NEAR(firstY, 10 * pointsPerMm, 3.0); // the glyph box starts a little below the band
    EXPECT_NEAR(tenthY - firstY, 9 * 5.03 * pointsPerMm, 0.2);
}

TEST_F(ProtocolPdfFile, longHeaderValuesAreCutAtTheBandEdge) {
    header[7] = std::string(79, 'W');
    const QStringList lines = ProtocolLines::Of(progs, header, QString());
    ASSERT_EQ(lines[9].size(), 38 + 79); // the line itself keeps the whole value
    ASSERT_TRUE(ProtocolPdf::Write(path, lines));

    const QStringList page = Pages().value(0);
    ASSERT_GE(page.size(), 10);
    // 190 mm hold 89 characters of 6 points; the page still holds all of its 55 lines.
    EXPECT_EQ(page[9], lines[9].left(89));
    EXPECT_EQ(page.size(), Trimmed(lines.mid(0, ProtocolLines::PageLines)).size());
}

TEST_F(ProtocolPdfFile, emptyListStillGivesOnePage) {
    ASSERT_TRUE(ProtocolPdf::Write(path, {}));
    EXPECT_EQ(ProtocolPainter::PageCount({}), 1);
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {path})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
}

TEST_F(ProtocolPdfFile, unwritablePathFailsAndLeavesNoFile) {
    const QString missing = dir.filePath(U("нет такой папки/протокол.pdf"));
    EXPECT_FALSE(ProtocolPdf::Write(missing, {U("x")}));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(ProtocolPdfFile, existingFileIsReplaced) {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    ASSERT_TRUE(ProtocolPdf::Write(path, {U("x")}));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

struct PageCountCase {
    int lines, pages;
};

class ProtocolPageCount : public ::testing::TestWithParam<PageCountCase> {};

TEST_P(ProtocolPageCount, isLinesOverFiftyFiveRoundedUp) {
    const auto& c = GetParam();
    QStringList lines;
    for (int i = 0; i < c.lines; ++i)
        lines.append(QStringLiteral(" "));
    EXPECT_EQ(ProtocolPainter::PageCount(lines), c.pages);
}

INSTANTIATE_TEST_SUITE_P(Examples, ProtocolPageCount,
                         ::testing::Values(PageCountCase{0, 1}, // an empty report still prints
                                           PageCountCase{1, 1}, PageCountCase{55, 1}, // a full page
                                           PageCountCase{56, 2}, // line 55 opens page 2
                                           PageCountCase{165, 3}, PageCountCase{166, 4}));

TEST(ProtocolPainter, fontIsAFixedPitchTenPointCourier) {
    const QFont font = ProtocolPainter::Font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 10.0);
    const QFontInfo info(font);
    EXPECT_TRUE(info.fixedPitch());
    EXPECT_TRUE(info.family() == U("Courier New") || info.family() == U("Liberation Mono"))
        << info.family().toStdString();
}
