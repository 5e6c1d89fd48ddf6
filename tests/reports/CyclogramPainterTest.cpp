#include "CyclogramPainter.h"
#include "CyclogramTestPrograms.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace CP = CyclogramPainter;

namespace {

constexpr std::uint16_t Unset = TMyTime::TimeUndefined;

// What lies under the white area in the paint box: anything the chart does not paint keeps it.
const QColor Under{10, 20, 30};
const QColor TextColour{0, 0, 0};

QImage Chart(const TDuvProg& prog) {
    QImage image(CP::ChartWidth, CP::ChartHeight, QImage::Format_RGB32);
    image.fill(Under);
    QPainter painter(&image);
    painter.setFont(CP::WindowFont());
    CP::PaintChart(painter, prog, TextColour);
    return image;
}

// Colours compared as 8-bit RGB, as they land in the image.
QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

QRgb Rgb(const QColor& colour) {
    return colour.rgb();
}

// Whether any pixel of the rectangle differs from the colour.
bool AnyOtherThan(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (At(image, x, y) != Rgb(colour))
                return true;
    return false;
}

bool IsQuarterLine(int x) {
    return x == 92 || x == 184 || x == 276;
}

// Every pixel of the white area is white, except on the quarter lines.
void ExpectBlankChart(const QImage& image) {
    for (int y = 0; y < CP::WhiteHeight; ++y)
        for (int x = 0; x < CP::ChartWidth; ++x)
            if (!IsQuarterLine(x))
                ASSERT_EQ(At(image, x, y), Rgb(CP::WhiteColour)) << x << "," << y;
}

// ---- time span ---------------------------------------------------------------------------------

struct SpanCase {
    const char* Name;
    TDuvProg Prog;
    std::uint16_t Span;
};

void PrintTo(const SpanCase& c, std::ostream* os) {
    *os << c.Name;
}

class CyclogramSpan : public ::testing::TestWithParam<SpanCase> {};

TEST_P(CyclogramSpan, isTheLatestOffTime) {
    EXPECT_EQ(CP::TimeSpan(GetParam().Prog), GetParam().Span);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CyclogramSpan,
    ::testing::Values(
        // Nothing set: 1, so the scale stays defined.
        SpanCase{"empty", MakeProg({}), 1},
        // Every off-time is zero: also 1.
        SpanCase{"zeroTimes", MakeProg({{0, 1, 0, 0}, {1, 2, 0, 0}}), 1},
        // The example: the latest of several off-times, not the last slot's.
        SpanCase{"example", MakeProg({{0, 1, Min1, Example}, {1, 2, Min1, Min2}}), Example},
        // An unset off-time (0xFFFF) is skipped, it does not stretch the axis.
        SpanCase{"unsetSkipped", MakeProg({{0, 1, Unset, Unset}, {1, 2, 10, 100}}), 100},
        // Slots 12..15 are not drawn, but they do set the length of the axis.
        SpanCase{"slot15Counts", MakeProg({{0, 1, 0, 10}, {15, 2, 500, 1000}}), 1000},
        // The largest operation time a dialog lets through: no overflow on the way.
        SpanCase{"largest", MakeProg({{0, 1, 0, 64919}}), 64919}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- axis labels -------------------------------------------------------------------------------

struct AxisCase {
    const char* Name;
    TDuvProg Prog;
    std::array<const char*, 4> Texts;
};

void PrintTo(const AxisCase& c, std::ostream* os) {
    *os << c.Name;
}

class CyclogramAxis : public ::testing::TestWithParam<AxisCase> {};

TEST_P(CyclogramAxis, labelsTheQuarterTimesAtTheQuarterLines) {
    const std::array<CP::AxisLabel, 4> labels = CP::AxisLabels(GetParam().Prog);
    const std::array<int, 4> xs = {0, 92, 184, 276};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(labels[j].X, xs[j]) << j;
        EXPECT_EQ(labels[j].Text.toStdString(), GetParam().Texts[j]) << j;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CyclogramAxis,
    ::testing::Values(
        // 738 / 4 = 184 (remainder dropped): 1:32,0, 3:4,0, 4:36,0; T itself is not written.
        AxisCase{
            "example", MakeProg({{0, 1, Min1, Example}}), {"0:0,0", "1:32,0", "3:4,0", "4:36,0"}},
        // No operations: T = 1, a quarter of it is 0, so every label reads zero.
        AxisCase{"empty", MakeProg({}), {"0:0,0", "0:0,0", "0:0,0", "0:0,0"}},
        // An odd quarter count shows the half-second: 2 min + 1 tick, quarter 60.
        AxisCase{"halfSeconds", MakeProg({{0, 1, 0, 241}}), {"0:0,0", "0:30,0", "1:0,0", "1:30,0"}},
        // Span 7: quarter 1 = 0:0,5.
        AxisCase{"tinySpan", MakeProg({{0, 1, 0, 7}}), {"0:0,0", "0:0,5", "0:1,0", "0:1,5"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CyclogramAxis, quarterLinesSplitTheWidthInIntegers) {
    EXPECT_EQ(CP::QuarterLines(), (std::array<int, 3>{92, 184, 276}));
    EXPECT_EQ(CP::QuarterLines(400), (std::array<int, 3>{100, 200, 300}));
}

// ---- bars --------------------------------------------------------------------------------------

struct BarCase {
    const char* Name;
    TDuvProg Prog;
    std::vector<CP::Bar> Bars;
};

void PrintTo(const BarCase& c, std::ostream* os) {
    *os << c.Name;
}

class CyclogramBars : public ::testing::TestWithParam<BarCase> {};

TEST_P(CyclogramBars, spanTheOperationsOnTheirRows) {
    const std::vector<CP::Bar> bars = CP::Bars(GetParam().Prog);
    ASSERT_EQ(bars.size(), GetParam().Bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].Slot, GetParam().Bars[i].Slot) << i;
        EXPECT_EQ(bars[i].Rect, GetParam().Bars[i].Rect) << i;
    }
}

// A bar of slot i from x1 to x2 (x2 exclusive) in the band 16·i + 1 .. 16·i + 14.
CP::Bar B(int slot, int x1, int x2) {
    return {slot, QRect(x1, 16 * slot + 1, x2 - x1, 14)};
}

INSTANTIATE_TEST_SUITE_P(
    Programs, CyclogramBars,
    ::testing::Values(
        // The example: scale 0.5, 1:0,0..2:0,0 from x 60 to 120; the longest fills the width
        // (738 × 0.5 = 369).
        BarCase{"example",
                MakeProg({{0, 1, Min1, Min2}, {1, 2, 0, Example}}),
                {B(0, 60, 120), B(1, 0, 369)}},
        // Zero length: still one pixel.
        BarCase{"zeroLength",
                MakeProg({{0, 1, 0, Example}, {3, 2, Min1, Min1}}),
                {B(0, 0, 369), B(3, 60, 61)}},
        // 120 and 121 ticks both fall on pixel 60: one pixel, not none.
        BarCase{"samePixel",
                MakeProg({{0, 1, 0, Example}, {1, 2, 120, 121}}),
                {B(0, 0, 369), B(1, 60, 61)}},
        // Empty slots leave their rows white; a later slot keeps its own row.
        BarCase{"gap",
                MakeProg({{0, 1, 0, 100}, {2, 2, 50, 100}, {11, 3, 0, 10}}),
                {B(0, 0, 369), B(2, 184, 369), B(11, 0, 36)}},
        // Slots 12..15 draw nothing even though they set the span.
        BarCase{"slots12to15",
                MakeProg({{12, 1, 0, 10}, {15, 2, 0, 200}, {0, 3, 100, 200}}),
                {B(0, 184, 369)}},
        // A negative channel marks an empty slot like 0.
        BarCase{"negativeChannel", MakeProg({{0, -5, 0, 100}, {1, 1, 0, 50}}), {B(1, 0, 184)}},
        // A span whose floating scale rounds low (369 / 43 × 43 < 369): the bar still ends at
        // the right edge.
        BarCase{"exactScale", MakeProg({{0, 1, 15, 43}}), {B(0, 128, 369)}},
        // An off-time that wrapped past 65535 lies before the on-time: no bar rather than a
        // bar drawn backwards.
        BarCase{"wrappedOffTime", MakeProg({{0, 1, 60000, 100}, {1, 2, 0, 200}}), {B(1, 0, 369)}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- label rows --------------------------------------------------------------------------------

TEST(CyclogramRows, listSlotsFromZeroUpToTheFirstEmptyOne) {
    const std::array<CP::Row, 12> rows = CP::Rows(MakeProg(
        {{0, 3, 0, 10, "Закрытие пресса"}, {1, 12, 0, 10, "Пар"}, {3, 4, 0, 10, "Не видна"}}));
    EXPECT_EQ(rows[0].Name, QStringLiteral("Закрытие пресса"));
    EXPECT_EQ(rows[0].Channel, QStringLiteral("3"));
    EXPECT_EQ(rows[1].Name, QStringLiteral("Пар"));
    EXPECT_EQ(rows[1].Channel, QStringLiteral("12"));
    // Slot 2 is empty: the rows stop there although slot 3 holds an operation.
    for (int k = 2; k < 12; ++k) {
        EXPECT_TRUE(rows[k].Name.isEmpty()) << k;
        EXPECT_TRUE(rows[k].Channel.isEmpty()) << k;
    }
}

TEST(CyclogramRows, neverListSlotsBeyondEleven) {
    TDuvProg prog = MakeProg({});
    for (int s = 0; s < 16; ++s) {
        prog.Op(s).Channel = s + 1;
        prog.Op(s).Name = "op" + std::to_string(s);
    }
    const std::array<CP::Row, 12> rows = CP::Rows(prog);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(rows[k].Name, QStringLiteral("op%1").arg(k));
        EXPECT_EQ(rows[k].Channel, QString::number(k + 1));
    }
}

TEST(CyclogramRows, emptyProgramGivesTwelveBlankRows) {
    for (const CP::Row& row : CP::Rows(MakeProg({}))) {
        EXPECT_TRUE(row.Name.isEmpty());
        EXPECT_TRUE(row.Channel.isEmpty());
    }
}

TEST(CyclogramRows, longNameIsCutToTheNameColumn) {
    const QFontMetrics metrics(CP::WindowFont());
    const QString longName =
        QStringLiteral("Подача перегретой воды в диафрагму формы с продувкой паром");
    const QString fitted = CP::FittedName(longName, metrics);
    EXPECT_NE(fitted, longName);
    EXPECT_LE(metrics.horizontalAdvance(fitted), CP::NameWidth);
    EXPECT_TRUE(fitted.endsWith(QChar(0x2026))) << fitted.toStdString();
    EXPECT_EQ(CP::FittedName(QStringLiteral("Пар"), metrics), QStringLiteral("Пар"));
}

// ---- pixels of the chart -----------------------------------------------------------------------

TEST(CyclogramPixels, exampleBarCoversSixtyToOneHundredNineteen) {
    const QImage image = Chart(MakeProg({{0, 1, Min1, Min2}, {1, 2, 0, Example}}));
    const QRgb green = Rgb(CP::BarColour);
    EXPECT_EQ(At(image, 60, 1), green);
    EXPECT_EQ(At(image, 60, 14), green);
    EXPECT_EQ(At(image, 119, 1), green);
    EXPECT_EQ(At(image, 119, 14), green);
    EXPECT_EQ(At(image, 59, 7), Rgb(CP::WhiteColour));  // before the on-time
    EXPECT_EQ(At(image, 120, 7), Rgb(CP::WhiteColour)); // right edge exclusive
    EXPECT_EQ(At(image, 60, 0), Rgb(CP::WhiteColour));  // band's first line stays white
    EXPECT_EQ(At(image, 60, 15), Rgb(CP::WhiteColour)); // 14 pixels high
    // The second row fills the width up to the last column.
    EXPECT_EQ(At(image, 0, 17), green);
    EXPECT_EQ(At(image, 368, 17), green);
}

TEST(CyclogramPixels, barsAreFourteenHighOnASixteenPixelPitch) {
    TDuvProg prog = MakeProg({});
    for (int s = 0; s < 12; ++s) {
        prog.Op(s).Channel = s + 1;
        prog.Op(s).OnTime = TMyTime(0);
        prog.Op(s).OffTime = TMyTime(40);
    }
    const QImage image = Chart(prog);
    const int x = 10;
    for (int y = 0; y < CP::WhiteHeight; ++y) {
        const int inBand = y % 16;
        const QRgb expected =
            inBand >= 1 && inBand <= 14 ? Rgb(CP::BarColour) : Rgb(CP::WhiteColour);
        ASSERT_EQ(At(image, x, y), expected) << "y " << y;
    }
}

TEST(CyclogramPixels, zeroLengthOperationIsOnePixelWide) {
    const QImage image = Chart(MakeProg({{0, 1, 0, Example}, {2, 2, 100, 100}}));
    EXPECT_EQ(At(image, 49, 40), Rgb(CP::WhiteColour));
    EXPECT_EQ(At(image, 50, 40), Rgb(CP::BarColour));
    EXPECT_EQ(At(image, 51, 40), Rgb(CP::WhiteColour));
}

TEST(CyclogramPixels, quarterLinesAreDottedGreyAcrossTheWhiteArea) {
    const QImage image = Chart(MakeProg({}));
    for (int x : {92, 184, 276}) {
        int grey = 0;
        int white = 0;
        for (int y = 0; y < CP::WhiteHeight; ++y) {
            const QRgb c = At(image, x, y);
            if (c == Rgb(CP::GridColour))
                ++grey;
            else if (c == Rgb(CP::WhiteColour))
                ++white;
            else
                ADD_FAILURE() << "unexpected colour at " << x << "," << y;
        }
        EXPECT_GT(grey, 30) << x;  // a line from top to bottom ...
        EXPECT_GT(white, 30) << x; // ... that is dotted
        EXPECT_EQ(At(image, x, 0), Rgb(CP::GridColour)) << x;
        // Nothing of the line below the white area.
        EXPECT_FALSE(AnyOtherThan(image, QRect(x, CP::WhiteHeight, 1, 4), Under)) << x;
    }
}

TEST(CyclogramPixels, quarterLinesLieOverTheBars) {
    const QImage image = Chart(MakeProg({{0, 1, 0, Example}}));
    int grey = 0;
    for (int y = 1; y <= 14; ++y)
        grey += At(image, 92, y) == CP::GridColour ? 1 : 0;
    EXPECT_GT(grey, 0);
    EXPECT_EQ(At(image, 91, 5), Rgb(CP::BarColour));
}

TEST(CyclogramPixels, emptyProgramIsWhiteAboveTheAxis) {
    const QImage image = Chart(MakeProg({}));
    ExpectBlankChart(image);
    // Between the white area and the labels the background is left as it was.
    EXPECT_FALSE(AnyOtherThan(image, QRect(0, CP::WhiteHeight, CP::ChartWidth, 4), Under));
}

TEST(CyclogramPixels, slotsTwelveToFifteenDrawNothing) {
    const TDuvProg prog = MakeProg({{12, 1, 0, 100}, {13, 2, 0, 200}, {15, 3, 100, 400}});
    const QImage image = Chart(prog);
    ExpectBlankChart(image);
    // Their times still set the axis: 400 / 4 = 100 ticks = 0:50,0.
    EXPECT_EQ(CP::AxisLabels(prog)[1].Text, QStringLiteral("0:50,0"));
}

TEST(CyclogramPixels, axisLabelsStandAtTheirQuarterLinesWithoutBackground) {
    const QImage image = Chart(MakeProg({{0, 1, Min1, Example}}));
    const int textHeight = QFontMetrics(CP::WindowFont()).height();
    const int top = CP::AxisTextY;
    const int width = QFontMetrics(CP::WindowFont()).horizontalAdvance(QStringLiteral("0:0,0"));
    // Text at each label's x, nothing in the gaps before the next label.
    const std::array<int, 4> xs = {0, 92, 184, 276};
    for (int x : xs)
        EXPECT_TRUE(AnyOtherThan(image, QRect(x, top, 30, textHeight), Under)) << x;
    EXPECT_FALSE(AnyOtherThan(image, QRect(width + 2, top, 92 - width - 2, textHeight), Under));
    EXPECT_FALSE(AnyOtherThan(image, QRect(0, top - 4, CP::ChartWidth, 4), Under));
    // No filled background behind the text: the pixel between two characters stays as it was,
    // and no white or grey reaches below the chart.
    for (int y = CP::WhiteHeight; y < CP::ChartHeight; ++y)
        for (int x = 0; x < CP::ChartWidth; ++x)
            ASSERT_NE(At(image, x, y), Rgb(CP::WhiteColour)) << x << "," << y;
}

// ---- the whole window --------------------------------------------------------------------------

TEST(CyclogramWindow, placesTheChartAndRowsAsTheWindowDoes) {
    const TDuvProg prog =
        MakeProg({{0, 1, Min1, Min2, "Подача перегретой воды в диафрагму формы с продувкой паром"},
                  {1, 2, 0, Example, "Пар"}});
    const QPalette palette = QGuiApplication::palette();
    const QImage image = CP::RenderWindow(prog, palette);
    ASSERT_EQ(image.size(), QSize(537, 281));
    const QPoint chart = CP::ChartRect.topLeft();
    EXPECT_EQ(At(image, chart.x(), chart.y()), Rgb(CP::WhiteColour));
    EXPECT_EQ(At(image, chart.x() + 60, chart.y() + 1), Rgb(CP::BarColour));
    EXPECT_EQ(At(image, chart.x() + 368, chart.y() + 17), Rgb(CP::BarColour));
    EXPECT_EQ(At(image, chart.x() + 369, chart.y() + 17), Rgb(palette.color(QPalette::Window)));
    // The heads and the first two rows carry text; the long name stops short of the divider.
    const QColor window = palette.color(QPalette::Window);
    const int rowHeight = 14;
    EXPECT_TRUE(AnyOtherThan(image, QRect(8, 0, 40, 8), window));
    EXPECT_TRUE(AnyOtherThan(image, QRect(136, 0, 20, 8), window));
    EXPECT_TRUE(AnyOtherThan(image, QRect(8, 24, 100, rowHeight), window));
    EXPECT_TRUE(AnyOtherThan(image, QRect(136, 24, 10, rowHeight), window));
    EXPECT_FALSE(AnyOtherThan(image, QRect(8 + 112, 24, 8, rowHeight), window));
    EXPECT_TRUE(AnyOtherThan(image, QRect(8, 40, 30, rowHeight), window));
    // Rows 3..12 are blank.
    EXPECT_FALSE(AnyOtherThan(image, QRect(0, 56, 128, 160), window));
    EXPECT_FALSE(AnyOtherThan(image, QRect(130, 56, 30, 160), window));
    // The sunken dividers.
    EXPECT_EQ(At(image, 8, 16), Rgb(palette.color(QPalette::Dark)));
    EXPECT_EQ(At(image, 528, 17), Rgb(palette.color(QPalette::Light)));
    EXPECT_EQ(At(image, 128, 200), Rgb(palette.color(QPalette::Dark)));
    EXPECT_EQ(At(image, 129, 200), Rgb(palette.color(QPalette::Light)));
}

} // namespace
