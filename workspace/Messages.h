#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the workstation goes through here: plain boxes without an icon, in
// Russian, with exactly the buttons asked for. Tests install a responder to see and answer them.
namespace Messages {
enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Shown {
    QString Text;
    QString Caption;
    Buttons Kind;
};
using Responder = std::function<Answer(const Shown&)>;

Answer Show(QWidget* parent, const QString& text, const QString& caption,
            Buttons buttons = Buttons::Ok);
// An empty responder restores the real message boxes.
void SetResponder(Responder responder);
} // namespace Messages
