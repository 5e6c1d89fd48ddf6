#pragma once

#include <QStringList>

class QFont;
class QFontMetricsF;
class QPageLayout;
class QPagedPaintDevice;

// Puts the protocol's lines on paper: A4 portrait, 10 mm margins, one line per band of 5.03 mm,
// ProtocolLines::PageLines bands a page, in a fixed-pitch 10 point font. The preview, the printer
// and the PDF file all paint through here, so they show the same pages.
class ProtocolPainter {
  public:
    static constexpr double MarginMm = 10.0;
    static constexpr double BandHeightMm = 5.03;
    static constexpr double BandWidthMm = 190.0;
    static constexpr double FontPoints = 10.0;

    static QPageLayout PageLayout();
    // "Courier New", or its metric twin "Liberation Mono" where it is not installed.
    static QFont Font();
    // Pages needed for lines; an empty protocol still prints one empty page.
    static int PageCount(const QStringList& lines);
    // The longest start of line that fits a band bandWidth wide. Table lines always fit; a long
    // header value is cut here rather than wrapped, so a page always holds its 55 lines.
    static QString FitToBand(const QString& line, const QFontMetricsF& metrics, double bandWidth);
    // Sets device's page layout and paints every page. False when painting could not start
    // (a file that cannot be opened, for one).
    static bool Paint(QPagedPaintDevice& device, const QStringList& lines);
};
