#pragma once

#include "SendArray.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QShowEvent;

// The send-array viewer: a fixed-size modeless window listing the 166 words in hexadecimal.
// Created once and hidden, not destroyed, when closed.
class TVarForm : public QDialog {
    Q_OBJECT
  public:
    explicit TVarForm(QWidget* parent = nullptr);

    // Sets the caption and shows the viewer, bringing it to the front. The list is filled from
    // words only when the viewer was hidden: an open viewer keeps the text it shows.
    void ShowArray(const SendArray::Words& words, const QString& caption);

    QPlainTextEdit* Memo = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK, the default button

  private:
    void FillMemo(const SendArray::Words& words);
    void BitBtn1Click();
};
