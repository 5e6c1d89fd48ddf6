#include "TCyclPaintBox.h"

#include <QPainter>

TCyclPaintBox::TCyclPaintBox(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
}

void TCyclPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Q_EMIT Paint(painter);
}
