#pragma once

#include <QWidget>

class QPainter;
class QPaintEvent;

// The chart's canvas: it paints nothing itself and hands its painter to whoever draws the chart,
// each time it needs painting.
class TCyclPaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit TCyclPaintBox(QWidget* parent = nullptr);

  Q_SIGNALS:
    void Paint(QPainter& painter);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
