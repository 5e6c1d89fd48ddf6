#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window) {
    QScreen* where = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!where)
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(where->availableGeometry().center());
    window.move(frame.topLeft());
}
