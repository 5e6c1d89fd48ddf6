#pragma once

#include "CheckTestSupport.h"
#include "Messages.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <deque>
#include <vector>

// Records every message box while it lives and answers the questions from a queue (No when the
// queue is empty), so a test sees which boxes came up and in which order.
class MessageRecorder {
  public:
    MessageRecorder() {
        Messages::SetResponder([this](const Messages::Shown& shown) {
            Shown.push_back(shown);
            if (shown.Kind == Messages::Buttons::Ok)
                return Messages::Answer::Ok;
            if (Answers.empty())
                return Messages::Answer::No;
            const Messages::Answer answer = Answers.front();
            Answers.pop_front();
            return answer;
        });
    }
    ~MessageRecorder() { Messages::SetResponder({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<Messages::Shown> Shown;
    std::deque<Messages::Answer> Answers;
};

// Shows a window the way the workstation does and waits until it has the keyboard.
inline bool ShowActive(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Types text as key presses. QTest::keyClicks passes Latin-1 only; other characters (Cyrillic)
// arrive as the text of a key press, as from a Russian keyboard layout.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the text of an edit as a user does: into the edit, select everything, type.
template <typename Edit> void TypeInto(Edit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        TypeText(edit, text);
}
