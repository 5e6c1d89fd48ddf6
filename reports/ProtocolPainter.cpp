#include "ProtocolPainter.h"

#include "ProtocolLines.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
constexpr double MmPerInch = 25.4;
}

QPageLayout ProtocolPainter::PageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

QFont ProtocolPainter::Font() {
    const QString wanted = QStringLiteral("Courier New");
    QFont font(QFontDatabase::families().contains(wanted) ? wanted
                                                          : QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(FontPoints);
    return font;
}

int ProtocolPainter::PageCount(const QStringList& lines) {
    const auto count = static_cast<int>(lines.size());
    return count == 0 ? 1 : (count + ProtocolLines::PageLines - 1) / ProtocolLines::PageLines;
}

QString ProtocolPainter::FitToBand(const QString& line, const QFontMetricsF& metrics,
                                   double bandWidth) {
    qsizetype length = line.size();
    while (length > 0 && metrics.horizontalAdvance(line.left(length)) > bandWidth)
        --length;
    return line.left(length);
}

bool ProtocolPainter::Paint(QPagedPaintDevice& device, const QStringList& lines) {
    device.setPageLayout(PageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(Font());
    // The painter's origin is the top left corner inside the margins, in device pixels.
    const double pixelsPerMm = device.logicalDpiY() / MmPerInch;
    const double bandHeight = BandHeightMm * pixelsPerMm;
    const double bandWidth = BandWidthMm * device.logicalDpiX() / MmPerInch;
    const QFontMetricsF metrics(painter.font(), &device);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto band = static_cast<int>(i % ProtocolLines::PageLines);
        if (i > 0 && band == 0)
            device.newPage();
        const QRectF rect(0, band * bandHeight, bandWidth, bandHeight);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         FitToBand(lines[i], metrics, bandWidth));
    }
    return painter.end();
}
