#include "Messages.h"

#include <QMessageBox>

namespace Messages {
namespace {
Responder& CurrentResponder() {
    static Responder responder;
    return responder;
}
} // namespace

Answer Show(QWidget* parent, const QString& text, const QString& caption, Buttons buttons) {
    if (const auto& responder = CurrentResponder())
        return responder(Shown{text, caption, buttons});
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == Buttons::YesNo)
        standard = QMessageBox::Yes | QMessageBox::No;
    else if (buttons == Buttons::YesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, caption, text, standard, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok      ? Answer::Ok
               : buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
    }
}

void SetResponder(Responder responder) {
    CurrentResponder() = std::move(responder);
}
} // namespace Messages
