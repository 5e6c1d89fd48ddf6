#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ToolIcons {
namespace {

const QColor Ink(40, 40, 48);
const QColor Paper(252, 252, 246);
const QColor Folder(232, 190, 82);
const QColor Blue(52, 101, 164);
const QColor Green(78, 154, 6);
const QColor Red(204, 0, 0);

void Page(QPainter& p) {
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(14, 2);
    page.lineTo(19, 7);
    page.lineTo(19, 22);
    page.lineTo(5, 22);
    page.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

void TableRows(QPainter& p, int top, int rows) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    for (int r = 0; r < rows; ++r)
        p.drawRect(QRectF(2.5, top + r * 5 + 0.5, 13, 5));
}

void Draw(QPainter& p, Picture picture) {
    switch (picture) {
    case Picture::New:
        Page(p);
        p.setPen(QPen(Blue, 1));
        for (int y = 11; y <= 18; y += 3)
            p.drawLine(QPointF(8, y), QPointF(16, y));
        break;
    case Picture::Open: {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Folder.darker(115));
        p.drawRect(QRectF(2.5, 6.5, 17, 14));
        p.drawRect(QRectF(2.5, 4.5, 7, 2));
        QPainterPath front;
        front.moveTo(5.5, 10.5);
        front.lineTo(22.5, 10.5);
        front.lineTo(19.5, 20.5);
        front.lineTo(2.5, 20.5);
        front.closeSubpath();
        p.setBrush(Folder);
        p.drawPath(front);
        break;
    }
    case Picture::Save:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Blue);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(7.5, 14.5, 9, 6));
        break;
    case Picture::Print:
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(170, 170, 176));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
        p.setBrush(Paper);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.setPen(QPen(Green, 1));
        p.drawPoint(QPointF(18.5, 12.5));
        break;
    case Picture::Cyclogram:
        p.setPen(QPen(Ink, 1));
        p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 21.5));
        p.drawLine(QPointF(2.5, 21.5), QPointF(22.5, 21.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawRect(QRectF(4, 4, 8, 4));
        p.drawRect(QRectF(9, 10, 10, 4));
        p.drawRect(QRectF(6, 16, 15, 4));
        break;
    case Picture::Variables: {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(QRectF(1.5, 3.5, 21, 17));
        QFont font(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Blue);
        p.drawText(QRectF(2, 4, 20, 8), Qt::AlignCenter, QStringLiteral("0F"));
        p.drawText(QRectF(2, 12, 20, 8), Qt::AlignCenter, QStringLiteral("A3"));
        break;
    }
    case Picture::Send:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(170, 170, 176));
        p.drawRect(QRectF(12.5, 5.5, 10, 14));
        p.setBrush(Green);
        p.drawRect(QRectF(15.5, 8.5, 4, 3));
        p.setPen(Qt::NoPen);
        p.setBrush(Blue);
        p.drawPolygon(QPolygonF({QPointF(1, 10), QPointF(7, 10), QPointF(7, 6), QPointF(12, 12.5),
                                 QPointF(7, 19), QPointF(7, 15), QPointF(1, 15)}));
        break;
    case Picture::Insert:
        TableRows(p, 4, 3);
        p.setPen(QPen(Green, 3));
        p.drawLine(QPointF(18, 13), QPointF(18, 22));
        p.drawLine(QPointF(13.5, 17.5), QPointF(22.5, 17.5));
        break;
    case Picture::Edit:
        TableRows(p, 4, 3);
        p.setPen(QPen(Ink, 1));
        p.setBrush(Folder);
        p.drawPolygon(QPolygonF(
            {QPointF(21, 7), QPointF(23, 9), QPointF(13, 20), QPointF(10, 21), QPointF(11, 18)}));
        break;
    case Picture::Erase:
        TableRows(p, 4, 3);
        p.setPen(QPen(Red, 3));
        p.drawLine(QPointF(13.5, 17.5), QPointF(22.5, 17.5));
        break;
    case Picture::Help: {
        p.setPen(QPen(Ink, 1));
        p.setBrush(Blue);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont font;
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Picture::Program:
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(90, 90, 96));
        p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
        p.setBrush(QColor(150, 150, 156));
        p.drawEllipse(QRectF(6.5, 6.5, 11, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(Green);
        p.drawRect(QRectF(14, 15, 9, 3));
        p.drawRect(QRectF(17, 19, 6, 3));
        break;
    }
}

} // namespace

QIcon Icon(Picture picture) {
    QIcon icon;
    for (const int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 24.0, size / 24.0);
        Draw(painter, picture);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ToolIcons
