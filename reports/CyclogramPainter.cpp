#include "CyclogramPainter.h"

#include "TextCodec.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace CyclogramPainter {

namespace {

const QString OperationHead = QStringLiteral("Операция");
const QString ChannelHead = QStringLiteral("Канал");

// The text's top-left corner at (x, y), as the chart's labels are placed.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

QString TimeText(std::uint16_t value) {
    return QString::fromStdString(TMyTime(value).Text());
}

} // namespace

std::uint16_t TimeSpan(const TDuvProg& prog) {
    std::uint16_t span = 0;
    for (const TDuvRec& op : prog.Ops) {
        const std::uint16_t off = op.OffTime.Value();
        if (off != TMyTime::TimeUndefined)
            span = std::max(span, off);
    }
    return span == 0 ? 1 : span;
}

int TimeX(std::uint16_t time, std::uint16_t span, int width) {
    // Exact rather than through a rounded floating scale: a scale of width / span kept in a
    // double puts the end of the latest operation one pixel short for many spans (43, 45, ...).
    if (span == 0)
        span = 1;
    return static_cast<int>(static_cast<long long>(time) * width / span);
}

std::vector<Bar> Bars(const TDuvProg& prog, int width) {
    const std::uint16_t span = TimeSpan(prog);
    std::vector<Bar> bars;
    for (int slot = 0; slot < BarRows; ++slot) {
        const TDuvRec& op = prog.Op(slot);
        if (op.IsEmpty())
            continue;
        const int left = TimeX(op.OnTime.Value(), span, width);
        int right = TimeX(op.OffTime.Value(), span, width);
        if (right == left)
            right = left + 1; // a zero-length operation still shows
        if (right < left)
            continue; // an off-time that wrapped past the 16-bit count has no place on the axis
        const int top = RowPitch * slot + 1;
        bars.push_back({slot, QRect(QPoint(left, top), QPoint(right - 1, top + 13))});
    }
    return bars;
}

std::array<int, 3> QuarterLines(int width) {
    return {width / 4, 2 * width / 4, 3 * width / 4};
}

std::array<AxisLabel, 4> AxisLabels(const TDuvProg& prog, int width) {
    const std::uint16_t quarter = TimeSpan(prog) / 4;
    const std::array<int, 3> lines = QuarterLines(width);
    std::array<AxisLabel, 4> labels;
    labels[0] = {0, TimeText(0)};
    for (int j = 1; j <= 3; ++j)
        labels[j] = {lines[j - 1], TimeText(static_cast<std::uint16_t>(j * quarter))};
    return labels;
}

std::array<Row, BarRows> Rows(const TDuvProg& prog) {
    // The running slot stops at the first empty slot, so the rows end there even if a later
    // slot holds an operation.
    std::array<Row, BarRows> rows;
    int s = 0;
    for (Row& row : rows) {
        const TDuvRec& op = prog.Op(s);
        if (op.IsEmpty())
            continue;
        row.Name = TextCodec::ToUnicode(op.Name);
        row.Channel = QString::number(op.Channel);
        ++s;
    }
    return rows;
}

QString FittedName(const QString& name, const QFontMetrics& metrics) {
    return metrics.elidedText(name, Qt::ElideRight, NameWidth);
}

void PaintChart(QPainter& painter, const TDuvProg& prog, const QColor& textColour, int width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, width, WhiteHeight), WhiteColour);
    for (const Bar& bar : Bars(prog, width))
        painter.fillRect(bar.Rect, BarColour);

    painter.setPen(QPen(GridColour, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    for (int x : QuarterLines(width))
        painter.drawLine(x, 0, x, WhiteHeight - 1); // the white area's last row is 191

    painter.setPen(textColour);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const AxisLabel& label : AxisLabels(prog, width))
        TextAt(painter, label.X, AxisTextY, label.Text);
    painter.restore();
}

void PaintRows(QPainter& painter, const TDuvProg& prog, const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(palette.color(QPalette::WindowText));
    TextAt(painter, NameX, 0, OperationHead);
    TextAt(painter, ChannelX, 0, ChannelHead);

    const int y = FirstRowY;
    const std::array<Row, BarRows> rows = Rows(prog);
    for (int k = 0; k < BarRows; ++k) {
        TextAt(painter, NameX, y + RowPitch * k, FittedName(rows[k].Name, painter.fontMetrics()));
        TextAt(painter, ChannelX, y + RowPitch * k, rows[k].Channel);
    }

    // Sunken lines: shadow first, highlight beside it.
    const QRect b1 = Bevel1Rect;
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(b1.left(), b1.bottom() - 1, b1.right(), b1.bottom() - 1);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(b1.left(), b1.bottom(), b1.right(), b1.bottom());
    const QRect b2 = Bevel2Rect;
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(b2.left(), b2.top(), b2.left(), b2.bottom());
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(b2.left() + 1, b2.top(), b2.left() + 1, b2.bottom());
    painter.restore();
}

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QImage RenderWindow(const TDuvProg& prog, const QPalette& palette) {
    QImage image(WindowWidth, WindowHeight, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(WindowFont());
    PaintRows(painter, prog, palette);
    painter.translate(ChartRect.topLeft());
    painter.setClipRect(QRect(0, 0, ChartRect.width(), ChartRect.height()));
    PaintChart(painter, prog, palette.color(QPalette::WindowText), ChartRect.width());
    return image;
}

} // namespace CyclogramPainter
