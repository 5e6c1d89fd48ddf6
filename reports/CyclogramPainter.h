#pragma once

#include "TDuvProg.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QFontMetrics;
class QPainter;

// The cyclogram of one program: a green bar per operation over a common time axis, and the rows
// that name the operations and their channels. Only reads the program. Needs Qt Gui, not Widgets,
// so the command-line companion draws the same picture as the window.
namespace CyclogramPainter {
// The chart area (the window's paint box).
inline constexpr int ChartWidth = 369;
inline constexpr int ChartHeight = 217;
inline constexpr int WhiteHeight = 192; // the bars' area; the axis labels go below it
inline constexpr int RowPitch = 16;     // shared by the bars and the label rows
inline constexpr int BarRows = 12;      // operation slots 12..15 get no bar and no row
inline constexpr int AxisTextY = 196;

// The whole window's client area and where its parts stand in it.
inline constexpr int WindowWidth = 537;
inline constexpr int WindowHeight = 281;
inline constexpr QRect ChartRect{160, 24, ChartWidth, ChartHeight};
inline constexpr int NameX = 8;
inline constexpr int NameWidth = 112; // a name never reaches the divider at x 128
inline constexpr int ChannelX = 136;
inline constexpr int FirstRowY = 24;
inline constexpr QRect Bevel1Rect{8, 8, 521, 10};  // line under the column heads
inline constexpr QRect Bevel2Rect{128, 0, 9, 217}; // divider between name and channel

inline const QColor BarColour{0, 128, 0};
inline const QColor WhiteColour{255, 255, 255};
inline const QColor GridColour{128, 128, 128};

struct Bar {
    int Slot;   // operation slot, 0..11
    QRect Rect; // 14 pixels high, inside the slot's 16-pixel band
};

struct AxisLabel {
    int X;        // left edge of the text; the text's top is at AxisTextY
    QString Text; // a time as "%d:%d,%d"
};

struct Row {
    QString Name;    // full name; cut to NameWidth only when shown
    QString Channel; // decimal, empty for a blank row
};

// The length of the time axis in half-seconds: the latest OffTime over all sixteen slots,
// unset times skipped; 1 when that is 0, so the scale is always defined.
std::uint16_t TimeSpan(const TDuvProg& prog);
// A time's x on a chart of the given width: time × width / span, truncated.
int TimeX(std::uint16_t time, std::uint16_t span, int width = ChartWidth);
// The bars of slots 0..11 that hold an operation, in slot order. A bar never narrower than one
// pixel; an operation whose off-time lies before its on-time (a wrapped sum) has no bar.
std::vector<Bar> Bars(const TDuvProg& prog, int width = ChartWidth);
// The four axis labels: zero at x 0, then j·(span div 4) at x j·width div 4 for j = 1..3.
std::array<AxisLabel, 4> AxisLabels(const TDuvProg& prog, int width = ChartWidth);
// The x of the three dotted quarter lines.
std::array<int, 3> QuarterLines(int width = ChartWidth);
// The twelve label rows: slots 0, 1, 2, ... while they hold operations, then blank rows.
std::array<Row, BarRows> Rows(const TDuvProg& prog);
// A name as it fits the name column.
QString FittedName(const QString& name, const QFontMetrics& metrics);

// The chart in paint-box coordinates: white area, bars, quarter lines and axis labels in the
// painter's font and textColour. Below the white area only the labels are drawn.
void PaintChart(QPainter& painter, const TDuvProg& prog, const QColor& textColour,
                int width = ChartWidth);
// Column heads, the two divider lines and the label rows, in window coordinates.
void PaintRows(QPainter& painter, const TDuvProg& prog, const QPalette& palette);
// The font of the window (8-point sans serif).
QFont WindowFont();
// The whole client area of the window without its button, as the window shows the program.
QImage RenderWindow(const TDuvProg& prog, const QPalette& palette);
} // namespace CyclogramPainter
